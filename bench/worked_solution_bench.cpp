// The whole worked solution ("Lösungsweg") of typical school functions:
// polynomials up to degree 5, rational functions of degree at most 4, e and
// ln functions with polynomial factors, sin and cos with linear arguments.
// Target: a median of at most 300 ms over the table; the slowest are listed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "calculus/worked_solution.h"
#include "engine/engine.h"
#include "median_reporter.h"

namespace {

const char* const kTerms[] = {
    "x^3-3x",         "x^4-5x^2+4",     "x^4-2x^3",    "0.2x^5-x^3+x",    "x^5-x-1",
    "(x-1)^2*(x+2)",  "x^3-6x^2+11x-6", "2x^2+3x-2",   "(x^2+4)/(x^2-4)", "(x^2+1)/(x-1)",
    "x/(x^2+1)",      "(x^3-1)/x^2",    "1/(x^2-1)^2", "x*e^x",           "x^2*e^(-x)",
    "(x+1)*e^(-x/2)", "e^(-x^2)",       "ln(x)/x",     "x*ln(x)",         "x^2*ln(x)",
    "sin(2x)",        "cos(x/2)+1",     "2sin(x-1)",   "sin(x)+cos(x)",
};

void BM_WorkedSolution(benchmark::State& state, const char* term) {
  Engine engine;
  const EngineTerm f = EngineTerm::fromUser(QString::fromLatin1(term));
  for (auto _ : state) benchmark::DoNotOptimize(Loesungsweg(engine, f));
}

}  // namespace

int main(int argc, char** argv) {
  for (const char* term : kTerms) {
    benchmark::RegisterBenchmark((std::string("BM_WorkedSolution/") + term).c_str(),
                                 BM_WorkedSolution, term)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::vector<std::pair<double, std::string>> times;
  for (const char* term : kTerms) {
    const double ms = reporter.median(std::string("BM_WorkedSolution/") + term);
    if (ms > 0) times.push_back({ms, term});
  }
  if (times.empty()) return 0;
  std::sort(times.begin(), times.end());
  std::printf(
      "\nworked solution, median over %zu school functions: %.1f ms (target: at most 300 ms)\n",
      times.size(), times[times.size() / 2].first);
  std::printf("slowest:");
  for (size_t i = times.size(); i-- > 0 && i + 3 >= times.size();)
    std::printf(" %s %.1f ms;", times[i].second.c_str(), times[i].first);
  std::printf("\n");
  return 0;
}
