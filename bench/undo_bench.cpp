// What taking a step back costs, against a full redraw of the same sheet in
// the same run: ten curves on a canvas of 1000 × 700 pixels. Undo must not
// take longer than the redraw it saves.
#include <benchmark/benchmark.h>

#include "median_reporter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "engine/engine.h"
#include "sheet/sheet.h"

namespace {

const char* const kTerms[] = {
    "x^3-3x",     "(x^2-1)/(x-2)",      "sin(x)",          "e^(0,3x)", "ln(x)", "sqrt(4-x^2)",
    "abs(x-1)-2", "sin(x)*e^(-x^2/10)", "x-x^3/6+x^5/120", "3",
};

// A sheet with the ten curves, then two zoom steps: two steps to go back and forth.
struct Drawn {
  Engine engine;
  Sheet sheet{engine};
  Drawn() {
    sheet.setSurface([] { return Sheet::Surface{QSize(1000, 700), 1}; });
    sheet.withoutStep([&] { sheet.redraw(); });
    for (const char* term : kTerms) {
      sheet.setEntryText(QString::fromUtf8(term));
      sheet.enterTerm();
      QCoreApplication::processEvents();
    }
    sheet.navigation().zoomStep(true);
    QCoreApplication::processEvents();
  }
};

void BM_FullRedraw(benchmark::State& state) {
  Drawn drawn;
  for (auto _ : state) drawn.sheet.withoutStep([&] { drawn.sheet.redraw(); });
}

void BM_UndoRedo(benchmark::State& state) {
  Drawn drawn;
  for (auto _ : state) {
    drawn.sheet.undo();
    drawn.sheet.redo();
  }
  state.counters["steps"] = drawn.sheet.steps().history().steps();
}

// Taking a step: the sheet is packed into the history once per user action.
void BM_TakeStep(benchmark::State& state) {
  Drawn drawn;
  for (auto _ : state) {
    drawn.sheet.draw(Drawing{});  // nothing drawn, but a change all the same
    QCoreApplication::processEvents();
  }
}

BENCHMARK(BM_FullRedraw)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedo)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TakeStep)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double redraw = reporter.median("BM_FullRedraw");
  const double undo = reporter.median("BM_UndoRedo") / 2;
  const double step = reporter.median("BM_TakeStep");
  if (redraw > 0 && undo > 0) {
    std::printf("\nfull redraw:  %.3f ms median\n", redraw);
    std::printf(
        "undo of a step: %.3f ms median (half an undo and redo), %.0f %% of a redraw "
        "(target: at most 100 %%)\n",
        undo, 100 * undo / redraw);
    std::printf("taking a step:  %.3f ms median\n", step);
  }
  return 0;
}
