// A family's slider: ten curves with a parameter redrawn at a new value each
// time, against the full redraw of the same ten curves with a value written
// into their terms. The slider must cost at most 1.2 times as much; the
// engine compiles each family's term once, whatever the value.
#include <benchmark/benchmark.h>

#include "median_reporter.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "canvas/canvas.h"
#include "engine/engine.h"
#include "engine/requests.h"
#include "plot/appearance.h"
#include "plot/coordinate_system.h"
#include "plot/graph.h"
#include "plot/parameter.h"
#include "plot/view_window.h"

namespace {

// Families as a pupil meets them; t stands for nothing but the parameter.
const char* const kFamilies[] = {
    "x^3-t*x",     "x^4-2t*x^2",  "t*x^2-x^3", "(x-t)*e^x",    "ln(x)-t*x",
    "(x^2-t)/x",   "sin(x)+t*x",  "t*sin(x)",  "x*e^(t*x/4)",  "abs(x-t)-2",
};
constexpr int kWidth = 1000;
constexpr int kHeight = 700;

QStringList families() {
  QStringList terms;
  for (const char* text : kFamilies) terms << QString::fromUtf8(text);
  return terms;
}

// The members at t = 1,5 as a pupil would type them.
QStringList writtenIn() {
  QStringList terms = families();
  for (QString& term : terms) term.replace(u't', QStringLiteral("(1,5)"));
  return terms;
}

void BM_SliderRedraw(benchmark::State& state) {
  Canvas canvas(kWidth, kHeight);
  Engine engine;
  const ViewWindow view;
  const Appearance appearance;
  const QStringList terms = families();
  Parameters parameters{Parameter{QChar(u't')}};
  int position = 0;
  for (auto _ : state) {
    // The slider's next position: -5, -4,5, …, 5 and round again.
    parameters[0].value = parameters[0].snapped(-5 + 0.5 * (position++ % 21));
    const PixelFrame frame = Koordinatensystem_zeichnen(canvas, view, appearance);
    Graphen_zeichnen(canvas, engine, terms, view, frame, appearance, {}, parameters);
    benchmark::ClobberMemory();
  }
}

void BM_WrittenInRedraw(benchmark::State& state) {
  Canvas canvas(kWidth, kHeight);
  Engine engine;
  const ViewWindow view;
  const Appearance appearance;
  const QStringList terms = writtenIn();
  for (auto _ : state) {
    const PixelFrame frame = Koordinatensystem_zeichnen(canvas, view, appearance);
    Graphen_zeichnen(canvas, engine, terms, view, frame, appearance);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_SliderRedraw)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrittenInRedraw)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A faulty term would end its curve at once and make either side look cheap.
void checkTerms() {
  Engine engine;
  const Parameters parameters{Parameter{QChar(u't')}};
  for (const QString& term : families() + writtenIn()) {
    if (Funktionswert(engine, drawnTerm(term, parameters), 1.5).termFaulty) {
      std::fprintf(stderr, "warning: the engine refuses \"%s\"\n", qPrintable(term));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  benchmark::Initialize(&argc, argv);
  checkTerms();
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double slider = reporter.median("BM_SliderRedraw");
  const double written = reporter.median("BM_WrittenInRedraw");
  if (slider > 0 && written > 0) {
    std::printf("\nslider redraw: %.3f ms median, written-in redraw: %.3f ms median\n", slider,
                written);
    std::printf("ratio: %.2f (target: at most 1.2)\n", slider / written);
  }
  return 0;
}
