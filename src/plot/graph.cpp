#include "plot/graph.h"

#include <QLineF>
#include <QList>

#include "canvas/canvas.h"
#include "engine/funktionswert.h"

namespace {

constexpr float kBand = 400;  // pixels beyond the plot area in which samples still count

}  // namespace

GraphResult Graph_zeichnen(Canvas& canvas, Engine& engine, const QString& fktTerm,
                           const ViewWindow& view, const PixelFrame& frame, int lineWidth,
                           SamplingState& s) {
  s.schrittweite = (view.xmax - view.xmin) / 501;
  canvas.setDrawWidth(lineWidth);
  s.xAlt = view.xmin;

  // The segments are drawn together at the end: one painter instead of 501.
  QList<QLineF> segments;
  segments.reserve(502);
  GraphResult result = GraphResult::Drawn;
  bool havePrevious = false;
  // A mirrored window (xmin > xmax) is sampled downwards.
  const bool upwards = s.schrittweite > 0;
  int samples = 0;
  for (float x = view.xmin; (upwards ? x <= view.xmax : x >= view.xmax) && samples < 502;
       x += s.schrittweite, ++samples) {
    FunctionValue value = evaluateAt(engine, fktTerm, x);
    if (value.termFaulty) {
      result = GraphResult::TermFaulty;
      break;
    }
    if (!value.value) {
      havePrevious = false;  // a gap in the domain: the curve starts afresh after it
      continue;
    }
    s.yNeu = static_cast<float>(*value.value);
    s.pxNeu = (x - view.xmin) * frame.massX + frame.pixLinks;
    s.pyNeu = (s.yNeu - view.ymin) * frame.massY + frame.pixUnten;
    if (havePrevious && s.pyNeu >= frame.pixUnten - kBand && s.pyNeu <= frame.pixOben + kBand) {
      segments.append(QLineF(s.pxAlt, s.pyAlt, s.pxNeu, s.pyNeu));
    }
    havePrevious = true;
    s.xAlt = x;
    s.pxAlt = s.pxNeu;
    s.yAlt = s.yNeu;
    s.pyAlt = s.pyNeu;
  }
  // Curves are smoothed; what the coordinate system draws stays crisp.
  const bool wasSmooth = canvas.smooth();
  canvas.setSmooth(true);
  canvas.lines(segments);
  canvas.setSmooth(wasSmooth);
  return result;
}
