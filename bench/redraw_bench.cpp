// What a full redraw of a sheet costs: the coordinate system plus ten curves
// on an offscreen canvas, split into the engine's share (the samples alone)
// and the drawing's share (the rest). The medians are printed at the end.
#include <benchmark/benchmark.h>

#include "median_reporter.h"

#include <QGuiApplication>
#include <QList>
#include <QString>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "engine/engine.h"
#include "engine/requests.h"
#include "plot/appearance.h"
#include "plot/coordinate_system.h"
#include "plot/graph.h"
#include "plot/view_window.h"

namespace {

// As a pupil types them: poles, gaps in the domain, nesting and a constant.
const char* const kTerms[] = {
    "x^3-3x",     "(x^2-1)/(x-2)",      "sin(x)",          "e^(0,3x)", "ln(x)", "sqrt(4-x^2)",
    "abs(x-1)-2", "sin(x)*e^(-x^2/10)", "x-x^3/6+x^5/120", "3",
};
constexpr int kTermCount = sizeof kTerms / sizeof kTerms[0];
constexpr int kWidth = 1000;
constexpr int kHeight = 700;

QList<QString> termTexts() {
  QList<QString> terms;
  for (const char* text : kTerms) terms.append(QString::fromUtf8(text));
  return terms;
}

void BM_FullRedraw(benchmark::State& state) {
  Canvas canvas(kWidth, kHeight);
  Engine engine;
  const ViewWindow view;
  const Appearance appearance;
  const QList<QString> terms = termTexts();
  for (auto _ : state) {
    PixelFrame frame = Koordinatensystem_zeichnen(canvas, view, appearance);
    Graphen_zeichnen(canvas, engine, terms, view, frame, appearance);
    benchmark::ClobberMemory();
  }
}

// The same samples Graph_zeichnen takes, in the same float steps.
void BM_EngineOnly(benchmark::State& state) {
  Engine engine;
  const ViewWindow view;
  const QList<QString> terms = termTexts();
  const float step = (view.xmax - view.xmin) / 501;
  for (auto _ : state) {
    for (int i = 0; i < kTermCount; ++i) {
      const EngineTerm term = EngineTerm::fromUser(terms[i]);
      int samples = 0;
      for (float x = view.xmin; x <= view.xmax && samples < 502; x += step, ++samples) {
        benchmark::DoNotOptimize(Funktionswert(engine, term, x));
      }
    }
  }
}

void BM_CoordinateSystemOnly(benchmark::State& state) {
  Canvas canvas(kWidth, kHeight);
  const ViewWindow view;
  const Appearance appearance;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Koordinatensystem_zeichnen(canvas, view, appearance));
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_FullRedraw)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineOnly)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoordinateSystemOnly)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A faulty term would end its curve at the first sample and make the redraw
// look cheaper than it is, so say so before measuring.
void checkTerms() {
  Engine engine;
  for (const QString& term : termTexts()) {
    FunctionValue value = Funktionswert(engine, EngineTerm::fromUser(term), 1.5f);
    if (value.termFaulty) {
      std::fprintf(stderr, "warning: the engine refuses \"%s\"\n", qPrintable(term));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Text drawing needs a QGuiApplication; no display is needed for an image.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  benchmark::Initialize(&argc, argv);
  checkTerms();
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  double full = reporter.median("BM_FullRedraw");
  double engine = reporter.median("BM_EngineOnly");
  double coordinates = reporter.median("BM_CoordinateSystemOnly");
  if (full > 0 && engine > 0 && coordinates > 0) {
    std::printf("\nfull redraw: %.3f ms median (target: at most 15 ms)\n", full);
    std::printf("  engine (10 x 502 samples): %7.3f ms median, %3.0f %% of the full redraw\n",
                engine, 100 * engine / full);
    std::printf("  drawing (full - engine):   %7.3f ms,        %3.0f %% of the full redraw\n",
                full - engine, 100 * (full - engine) / full);
    std::printf("  of it coordinate system:   %7.3f ms median, %3.0f %% of the full redraw\n",
                coordinates, 100 * coordinates / full);
  }
  return 0;
}
