// The three drawings of the "DGL's" page in the default window: the slope field of x*y (323 marks,
// three requests each), the Euler curve of x-y (1000 steps) and the second-order curve of the
// page's default equation (500 steps of four requests).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "engine/engine.h"
#include "median_reporter.h"
#include "ode/osculating_curve.h"
#include "ode/slope_field.h"

namespace {

const WorldWindow kWindow{};

void BM_SlopeFieldDefault(benchmark::State& state) {
  Engine engine;
  int marks = 0;
  for (auto _ : state) marks = slopeField(engine, EngineTerm::asIs("x*y"), kWindow).steps;
  state.counters["steps"] = marks;
}

// x*y grows like exp(x^2/2) and leaves the number range; x-y stays tame.
void BM_EulerCurveDefault(benchmark::State& state) {
  Engine engine;
  int steps = 0;
  for (auto _ : state) {
    steps = eulerCurve(engine, EngineTerm::asIs("x-y"), 0, QStringLiteral("1"), kWindow).steps;
  }
  state.counters["steps"] = steps;
}

void BM_SecondOrderDefault(benchmark::State& state) {
  Engine engine;
  int steps = 0;
  for (auto _ : state) {
    steps = osculatingCurve(engine, EngineTerm::fromUser("-2*ystr-5*y"), 0, 0, QStringLiteral("1"),
                            kWindow)
                .steps;
  }
  state.counters["steps"] = steps;
}

BENCHMARK(BM_SlopeFieldDefault)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EulerCurveDefault)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondOrderDefault)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  double field = reporter.median("BM_SlopeFieldDefault");
  double euler = reporter.median("BM_EulerCurveDefault");
  double second = reporter.median("BM_SecondOrderDefault");
  if (field > 0 && euler > 0 && second > 0) {
    std::printf("\nslope field x*y:           %7.2f ms median (target: at most 100 ms)\n", field);
    std::printf("Euler curve x-y:           %7.2f ms median (target: at most 100 ms)\n", euler);
    std::printf("second order -2*ystr-5*y:  %7.2f ms median (target: at most 100 ms)\n", second);
  }
  return 0;
}
