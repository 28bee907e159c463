#include "plot/sampling.h"

SampledCurve sampleCurve(Engine& engine, const EngineTerm& term, const CurveSampling& sampling,
                         std::optional<QPointF> start) {
  SampledCurve curve;
  QPolygonF polyline;
  if (start) polyline << *start;
  auto endPolyline = [&] {
    if (polyline.size() > 1) curve.polylines << polyline;
    polyline.clear();
  };
  const float step = (sampling.to - sampling.from) / sampling.intervals;
  // A mirrored interval (from > to) is sampled downwards.
  const bool upwards = step > 0;
  int samples = 0;
  for (float x = sampling.from;
       (upwards ? x <= sampling.to : x >= sampling.to) && samples < sampling.maxSamples;
       x += step, ++samples) {
    FunctionValue value = Funktionswert(engine, term, x);
    if (value.termFaulty) {
      curve.termFaulty = true;
      break;
    }
    if (!value.value) {
      if (sampling.gapEndsCurve) break;
      endPolyline();  // a gap in the domain: the curve starts afresh after it
      continue;
    }
    polyline << QPointF(x, static_cast<float>(*value.value));
  }
  endPolyline();
  return curve;
}
