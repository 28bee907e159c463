#pragma once
// Samples a term over an interval and joins the samples into segments in
// canvas coordinates: the one routine behind every curve on the sheet.

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

#include "plot/view_window.h"

class Engine;

struct CurveSampling {
  float from = 0, to = 0;
  int intervals = 501;        // the step is (to - from) / intervals
  int maxSamples = 502;       // an upper bound, whatever the rounding of the steps
  float band = 400;           // pixels beyond the plot area in which samples still join
  bool gapEndsCurve = false;  // a sample without value ends the curve instead of breaking it
};

struct SampledCurve {
  QList<QLineF> segments;
  bool termFaulty = false;  // the engine refused the term: sampling stopped there
};

// A sample joins the one before it while both have values and the new one
// lies within the band; `start` is a point the first sample joins.
SampledCurve sampleCurve(Engine& engine, const QString& term, const CurveSampling& sampling,
                         const ViewWindow& view, const PixelFrame& frame,
                         std::optional<QPointF> start = std::nullopt);
