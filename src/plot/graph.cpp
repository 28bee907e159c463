#include "plot/graph.h"

#include "canvas/canvas.h"
#include "engine/requests.h"
#include "engine/school_notation.h"
#include "plot/overlay.h"
#include "plot/sampling.h"

GraphResult Graph_zeichnen(Canvas& canvas, Engine& engine, const QString& fktTerm,
                           const ViewWindow& view, const PixelFrame& frame,
                           const Appearance& appearance, std::optional<Ink> ink,
                           const Parameters& parameters) {
  CurveSampling sampling;
  sampling.from = view.xmin;
  sampling.to = view.xmax;
  SampledCurve curve = sampleCurve(engine, drawnTerm(fktTerm, parameters), sampling);
  // The segments are drawn together, smoothed: one painter instead of 501;
  // what the coordinate system draws stays crisp.
  Drawing drawing;
  drawing.style.ink = ink;
  drawing.style.width = appearance.lineWidth;
  drawing.style.smooth = true;
  drawing.polylines = std::move(curve.polylines);
  drawing.band = 400;
  drawOverlay(canvas, drawing, view, frame, appearance);
  return curve.termFaulty ? GraphResult::TermFaulty : GraphResult::Drawn;
}

void Graphen_zeichnen(Canvas& canvas, Engine& engine, const QStringList& terms,
                      const ViewWindow& view, const PixelFrame& frame, const Appearance& appearance,
                      const std::function<void(int entry, GraphResult result)>& drawn,
                      const Parameters& parameters) {
  for (int i = 0; i < terms.size(); ++i) {
    GraphResult result = GraphResult::Drawn;
    if (terms[i].isEmpty()) {
      // An empty entry draws nothing, but its colour is taken up all the same.
      takePenColour(canvas, appearance.curveColor(i));
    } else {
      result = Graph_zeichnen(canvas, engine, terms[i], view, frame, appearance, Ink::entry(i),
                              parameters);
    }
    if (drawn) drawn(i, result);
  }
}

EngineTerm drawnTerm(const QString& fktTerm, const Parameters& parameters) {
  const EngineTerm term = EngineTerm::fromUser(fktTerm);
  const QList<QChar> letters = parameterLetters(term);
  if (letters.size() != 1) return term;
  return withParameter(term, letters.front(), parameterFor(parameters, letters.front()).value);
}
