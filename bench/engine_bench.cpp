// The round trip every graph sample costs: the request text built from the
// term and the point, the engine, the answer read back as a number. Measured
// from the compiled-term path, from the algebra system alone, and against
// plain C++ computing the same values; the ratios are printed at the end.
#include <benchmark/benchmark.h>

#include "median_reporter.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "engine/engine.h"
#include "engine/requests.h"
#include "symbolic/symbolic.h"

namespace {

struct Term {
  const char* text;
  double (*native)(double);
};

const Term kTerms[] = {
    {"x^2-2x", [](double x) { return x * x - 2 * x; }},
    {"0,5x^3-2x^2+x-7", [](double x) { return 0.5 * x * x * x - 2 * x * x + x - 7; }},
    {"sin(x)*x", [](double x) { return std::sin(x) * x; }},
    {"e^(-x^2)", [](double x) { return std::exp(-x * x); }},
    {"ln(abs(x)+1)", [](double x) { return std::log(std::fabs(x) + 1); }},
    {"sqrt(x^2+1)", [](double x) { return std::sqrt(x * x + 1); }},
    {"(x^3-1)/(x^2+1)", [](double x) { return (x * x * x - 1) / (x * x + 1); }},
    {"cos(2x)+sin(x/2)", [](double x) { return std::cos(2 * x) + std::sin(x / 2); }},
    {"x*e^(-x)", [](double x) { return x * std::exp(-x); }},
    {"atan(x)^2", [](double x) { return std::atan(x) * std::atan(x); }},
};
constexpr int kTermCount = sizeof kTerms / sizeof kTerms[0];
constexpr int kSamples = 502;  // one graph: (xmax - xmin)/501 apart

// One evaluation per iteration, walking through every term at every sample.
void roundTrip(benchmark::State& state, bool fastPath) {
  symbolic_set_fast_path(fastPath ? 1 : 0);
  Engine engine;
  EngineTerm terms[kTermCount];
  for (int t = 0; t < kTermCount; ++t) terms[t] = EngineTerm::fromUser(kTerms[t].text);
  const float step = 20.0f / 501;
  int t = 0, i = 0;
  for (auto _ : state) {
    float x = -10.0f + i * step;
    benchmark::DoNotOptimize(Funktionswert(engine, terms[t], x));
    if (++i == kSamples) {
      i = 0;
      t = (t + 1) % kTermCount;
    }
  }
  symbolic_set_fast_path(1);
}

void BM_RoundTripCached(benchmark::State& state) {
  roundTrip(state, true);
}
void BM_RoundTripUncached(benchmark::State& state) {
  roundTrip(state, false);
}

void BM_PlainCpp(benchmark::State& state) {
  const float step = 20.0f / 501;
  int t = 0, i = 0;
  for (auto _ : state) {
    float x = -10.0f + i * step;
    benchmark::DoNotOptimize(kTerms[t].native(x));
    if (++i == kSamples) {
      i = 0;
      t = (t + 1) % kTermCount;
    }
  }
}

BENCHMARK(BM_RoundTripCached)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RoundTripUncached)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainCpp)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kNanosecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  double cached = reporter.median("BM_RoundTripCached");
  double uncached = reporter.median("BM_RoundTripUncached");
  double plain = reporter.median("BM_PlainCpp");
  if (cached > 0 && uncached > 0 && plain > 0) {
    std::printf("\ncached round trip:   %8.1f ns median per evaluation (target: at most 1500 ns)\n",
                cached);
    std::printf("uncached round trip: %8.1f ns median per evaluation\n", uncached);
    std::printf("plain C++:           %8.1f ns median per evaluation\n", plain);
    std::printf("uncached / cached:   %8.1f (target: at least 10)\n", uncached / cached);
    std::printf("cached / plain C++:  %8.1f\n", cached / plain);
  }
  return 0;
}
