#include "plot/graph.h"

#include "canvas/canvas.h"
#include "plot/sampling.h"

GraphResult Graph_zeichnen(Canvas& canvas, Engine& engine, const QString& fktTerm,
                           const ViewWindow& view, const PixelFrame& frame, int lineWidth) {
  canvas.setDrawWidth(lineWidth);
  CurveSampling sampling;
  sampling.from = view.xmin;
  sampling.to = view.xmax;
  SampledCurve curve = sampleCurve(engine, fktTerm, sampling, view, frame);
  // The segments are drawn together, smoothed: one painter instead of 501;
  // what the coordinate system draws stays crisp.
  const bool wasSmooth = canvas.smooth();
  canvas.setSmooth(true);
  canvas.lines(curve.segments);
  canvas.setSmooth(wasSmooth);
  return curve.termFaulty ? GraphResult::TermFaulty : GraphResult::Drawn;
}
