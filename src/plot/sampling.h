#pragma once
// Samples a term over an interval: the one routine behind every curve on
// the sheet. The samples are world points, joined into polylines; a sample
// without value breaks the curve.

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <optional>

#include "engine/requests.h"

struct CurveSampling {
  float from = 0, to = 0;
  int intervals = 501;        // the step is (to - from) / intervals
  int maxSamples = 502;       // an upper bound, whatever the rounding of the steps
  bool gapEndsCurve = false;  // a sample without value ends the curve instead of breaking it
};

struct SampledCurve {
  QList<QPolygonF> polylines;
  bool termFaulty = false;  // the engine refused the term: sampling stopped there
};

// `start` is a point the first sample joins.
SampledCurve sampleCurve(Engine& engine, const EngineTerm& term, const CurveSampling& sampling,
                         std::optional<QPointF> start = std::nullopt);
