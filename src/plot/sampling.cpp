#include "plot/sampling.h"

#include "engine/funktionswert.h"

SampledCurve sampleCurve(Engine& engine, const QString& term, const CurveSampling& sampling,
                         const ViewWindow& view, const PixelFrame& frame,
                         std::optional<QPointF> start) {
  SampledCurve curve;
  curve.segments.reserve(sampling.maxSamples);
  const float step = (sampling.to - sampling.from) / sampling.intervals;
  // A mirrored interval (from > to) is sampled downwards.
  const bool upwards = step > 0;
  std::optional<QPointF> previous = start;
  int samples = 0;
  for (float x = sampling.from;
       (upwards ? x <= sampling.to : x >= sampling.to) && samples < sampling.maxSamples;
       x += step, ++samples) {
    FunctionValue value = evaluateAt(engine, term, x);
    if (value.termFaulty) {
      curve.termFaulty = true;
      break;
    }
    if (!value.value) {
      if (sampling.gapEndsCurve) break;
      previous.reset();  // a gap in the domain: the curve starts afresh after it
      continue;
    }
    QPointF next(frame.pixelX(x, view), frame.pixelY(static_cast<float>(*value.value), view));
    if (previous && next.y() >= frame.pixUnten - sampling.band &&
        next.y() <= frame.pixOben + sampling.band) {
      curve.segments.append(QLineF(*previous, next));
    }
    previous = next;
  }
  return curve;
}
