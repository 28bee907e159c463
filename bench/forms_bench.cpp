// What the derivative and antiderivative requests of school terms cost: the
// three derivatives "Ableitungen bilden" asks for, and the antiderivative the
// integral page asks for, straight through the engine's entry point.
#include <benchmark/benchmark.h>

#include <string>

#include "symbolic/ask.h"  // tests/symbolic: the engine asked as the program does

namespace {

const char* const kTerms[] = {
    "x^2-2x",           "0.5x^3-2x^2+x-7", "sqrt(x^2+4)",   "x^2*exp(x)",
    "sin(x)*cos(x)",    "(x^2+1)/(x-1)",   "x*ln(x)",       "exp(-x^2)",
    "x^3*exp(-x)",      "ln(x^2+1)",       "sqrt(x)*exp(-x)", "x*sin(x)",
    "1/(x^2+1)",        "(x-1)^2*(x+2)",   "tan(x)",        "x/sqrt(x+1)",
};

// One iteration: f', f'' and f''' of every term.
void BM_Derivatives(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* term : kTerms) {
      for (const char* order : {",x)", ",x,2)", ",x,3)"}) {
        benchmark::DoNotOptimize(ask(std::string("diff(") + term + order));
      }
    }
  }
}

// One iteration: the antiderivative of every term.
void BM_Antiderivatives(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* term : kTerms) benchmark::DoNotOptimize(ask(std::string("INT(") + term + ",x)"));
  }
}

BENCHMARK(BM_Derivatives)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Antiderivatives)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
