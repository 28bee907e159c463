// Two graphs and a point, over tables of school functions in the default
// window: the intersections (target: at most 50 ms), a tangent with its
// normal (at most 20 ms) and the area between two graphs (at most 100 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calculus/intersections.h"
#include "engine/engine.h"
#include "median_reporter.h"

namespace {

const std::pair<const char*, const char*> kPairs[] = {
    {"x^2", "2x+1"},        {"x^2", "2x-1"},     {"x^3-3x", "x"},     {"1/x", "x"},
    {"e^x", "x+2"},         {"sin(x)", "x/3"},   {"x^2-4", "-x^2+4"}, {"ln(x)", "x-2"},
    {"(x^2+1)/(x-1)", "3"}, {"x^4-5x^2+4", "0"},
};
const std::pair<const char*, const char*> kTangents[] = {
    {"x^2", "2"},       {"e^x", "1"},    {"ln(x)", "e"}, {"sqrt(x)", "4"},
    {"sin(x)", "pi/2"}, {"x^3-3x", "0"}, {"1/x", "-2"},  {"x*e^(-x)", "1,5"},
};

void BM_Intersections(benchmark::State& state, const char* f, const char* g) {
  Engine engine;
  const EngineTerm a = EngineTerm::fromUser(f), b = EngineTerm::fromUser(g);
  for (auto _ : state) benchmark::DoNotOptimize(Schnittpunkte(engine, a, b, -10, 10));
}
void BM_Tangent(benchmark::State& state, const char* f, const char* x0) {
  Engine engine;
  const EngineTerm a = EngineTerm::fromUser(f);
  for (auto _ : state) benchmark::DoNotOptimize(Tangente(engine, a, QString::fromUtf8(x0)));
}
void BM_Area(benchmark::State& state, const char* f, const char* g) {
  Engine engine;
  const EngineTerm a = EngineTerm::fromUser(f), b = EngineTerm::fromUser(g);
  for (auto _ : state) benchmark::DoNotOptimize(Flaeche(engine, a, b, -10, 10));
}

template <typename Run>
void add(const char* kind, Run run, const char* a, const char* b, std::vector<std::string>& names) {
  const std::string name = std::string(kind) + "/" + a + "|" + b;
  benchmark::RegisterBenchmark(name.c_str(), run, a, b)
      ->Repetitions(3)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
  names.push_back(name);
}

void report(const MedianReporter& reporter, const std::vector<std::string>& names, const char* what,
            double target) {
  std::vector<double> times;
  std::string slowest;
  double worst = 0;
  for (const std::string& name : names) {
    const double ms = reporter.median(name);
    if (ms <= 0) continue;
    times.push_back(ms);
    if (ms > worst) worst = ms, slowest = name;
  }
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  std::printf("%s: median %.2f ms over %zu cases (target: at most %.0f ms); slowest %s %.2f ms\n",
              what, times[times.size() / 2], times.size(), target, slowest.c_str(), worst);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> meetings, tangents, areas;
  for (const auto& [f, g] : kPairs) add("BM_Intersections", BM_Intersections, f, g, meetings);
  for (const auto& [f, x0] : kTangents) add("BM_Tangent", BM_Tangent, f, x0, tangents);
  for (const auto& [f, g] : kPairs) add("BM_Area", BM_Area, f, g, areas);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("\n");
  report(reporter, meetings, "intersections", 50);
  report(reporter, tangents, "tangent and normal", 20);
  report(reporter, areas, "area between two graphs", 100);
  return 0;
}
