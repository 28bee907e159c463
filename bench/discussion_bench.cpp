// One curve discussion (four scans of 1702 steps, some 14 000 engine
// requests) of a cubic and of sin(x)*x in the default window, from the
// compiled-term path and from the algebra system alone.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "calculus/curve_discussion.h"
#include "calculus/derivatives.h"
#include "engine/engine.h"
#include "median_reporter.h"
#include "plot/caption_placement.h"
#include "symbolic/symbolic.h"

namespace {

void discussion(benchmark::State& state, const char* term, bool fastPath) {
  Engine engine;
  const EngineTerm f = EngineTerm::asIs(QString::fromLatin1(term));
  Derivatives d = formDerivatives(engine, f);
  symbolic_set_fast_path(fastPath ? 1 : 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Kurvendiskussion(engine, {f, d.first, d.second}, -10, 10));
  }
  symbolic_set_fast_path(1);
}

void BM_DiscussionCubic(benchmark::State& state) {
  discussion(state, "x^3-6x^2+9x+1", true);
}
void BM_DiscussionSinTimesX(benchmark::State& state) {
  discussion(state, "sin(x)*x", true);
}
void BM_DiscussionCubicUncached(benchmark::State& state) {
  discussion(state, "x^3-6x^2+9x+1", false);
}

// The captions of some 950 points (zeros, extrema and inflection points of
// sin(50x) in the default window) on a 700 × 650 canvas: far too crowded,
// so the search gives up after its work limit and places each least badly.
void BM_CaptionsOfAVeryWavyCurve(benchmark::State& state) {
  QList<QPointF> points;
  for (int i = 0; i < 950; ++i) {
    const double x = 700.0 * i / 950;
    points << QPointF(x, 325 - 32 * std::sin(i * 3.14159 / 3));
  }
  const QList<QSizeF> sizes(points.size(), QSizeF(80, 13));
  for (auto _ : state) {
    benchmark::DoNotOptimize(placeCaptions(points, sizes, QRectF(0, 0, 700, 650), 4));
  }
}

BENCHMARK(BM_CaptionsOfAVeryWavyCurve)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscussionCubic)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscussionSinTimesX)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscussionCubicUncached)
    ->Repetitions(3)
    ->Iterations(1)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  double cubic = reporter.median("BM_DiscussionCubic");
  double sine = reporter.median("BM_DiscussionSinTimesX");
  double uncached = reporter.median("BM_DiscussionCubicUncached");
  if (cubic > 0 && sine > 0 && uncached > 0) {
    std::printf("\ncurve discussion x^3-6x^2+9x+1: %7.2f ms median (target: at most 50 ms)\n",
                cubic);
    std::printf("curve discussion sin(x)*x:      %7.2f ms median (target: at most 50 ms)\n", sine);
    std::printf("the cubic from the algebra system alone: %.0f ms, %.0f times slower\n", uncached,
                uncached / cubic);
  }
  return 0;
}
