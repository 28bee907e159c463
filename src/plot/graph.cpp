#include "plot/graph.h"

#include "canvas/canvas.h"
#include "engine/requests.h"
#include "plot/overlay.h"
#include "plot/sampling.h"

GraphResult Graph_zeichnen(Canvas& canvas, Engine& engine, const QString& fktTerm,
                           const ViewWindow& view, const PixelFrame& frame,
                           const Appearance& appearance, std::optional<Ink> ink) {
  CurveSampling sampling;
  sampling.from = view.xmin;
  sampling.to = view.xmax;
  SampledCurve curve = sampleCurve(engine, EngineTerm::fromUser(fktTerm), sampling);
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
                      const std::function<void(int entry, GraphResult result)>& drawn) {
  for (int i = 0; i < terms.size(); ++i) {
    GraphResult result = GraphResult::Drawn;
    if (terms[i].isEmpty()) {
      // An empty entry draws nothing, but its colour is taken up all the same.
      takePenColour(canvas, appearance.curveColor(i));
    } else {
      result = Graph_zeichnen(canvas, engine, terms[i], view, frame, appearance, Ink::entry(i));
    }
    if (drawn) drawn(i, result);
  }
}
