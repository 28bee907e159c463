// The commands as a user feels them in the real main window (offscreen):
// the click or key, the window's own work and the painting it causes, each
// beside the same computation called on the sheet or the core alone.
#include <benchmark/benchmark.h>

#include "median_reporter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "calculus/curve_discussion.h"
#include "engine/engine.h"
#include "ode/osculating_curve.h"
#include "ode/slope_field.h"
#include "sheet/sheet.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/window/frm_graph.h"

namespace {

const char* const kTerms[] = {
    "x^3-3x",     "(x^2-1)/(x-2)",      "sin(x)",          "e^(0,3x)", "ln(x)", "sqrt(4-x^2)",
    "abs(x-1)-2", "sin(x)*e^(-x^2/10)", "x-x^3/6+x^5/120", "3",
};

// A message would wait for a click that never comes: it ends the run instead.
class NoMessages : public QtDialogs {
 public:
  void message(const QString& title, const QString& text, Icon) override {
    std::fprintf(stderr, "unexpected message: %s: %s\n", qPrintable(title), qPrintable(text));
    std::exit(1);
  }
};

FrmGraph* window = nullptr;
QTemporaryDir* folder = nullptr;

template <typename T = QWidget>
T* find(const char* name) {
  return window->findChild<T*>(QLatin1String(name));
}

// Everything the command posted: the step it takes, the painting.
void settle() {
  QCoreApplication::processEvents();
}

void typeEnter(const QString& term) {
  QComboBox* combo = window->cboFunktionsterm();
  combo->setEditText(term);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(combo->lineEdit(), &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(combo->lineEdit(), &release);
  settle();
}

void listTenTerms() {
  window->sheet().neu();
  for (const char* term : kTerms) typeEnter(QString::fromUtf8(term));
  settle();
}

// Enter on the last of ten listed terms: it is drawn again.
void BM_WindowEnter(benchmark::State& state) {
  listTenTerms();
  for (auto _ : state) typeEnter(QString::fromUtf8(kTerms[9]));
}
void BM_SheetEnter(benchmark::State& state) {
  listTenTerms();
  for (auto _ : state) {
    window->sheet().setEntryText(QString::fromUtf8(kTerms[9]));
    window->sheet().enterTerm();
  }
  settle();
}

// A zoom step in and one out: two full redraws of ten curves.
void BM_WindowZoomSteps(benchmark::State& state) {
  listTenTerms();
  for (auto _ : state) {
    window->buttonClick(QStringLiteral("zoomin_step"));
    settle();
    window->buttonClick(QStringLiteral("zoomout_step"));
    settle();
  }
}
void BM_SheetZoomSteps(benchmark::State& state) {
  listTenTerms();
  for (auto _ : state) {
    window->sheet().navigation().zoomStep(true);
    window->sheet().navigation().zoomStep(false);
  }
  settle();
}

void prepareDiscussion() {
  window->sheet().neu();
  typeEnter(QStringLiteral("x^3-6x^2+9x+1"));
  window->tabParameter()->setCurrentIndex(3);
  settle();
  find<QLineEdit>("txt_y")->setText(QStringLiteral("x^3-6x^2+9x+1"));
  find<QPushButton>("cmdDiff")->click();
  settle();
}
void BM_WindowDiscussion(benchmark::State& state) {
  prepareDiscussion();
  for (auto _ : state) {
    find<QPushButton>("cmdDiskussion")->click();
    settle();
  }
}
void BM_CoreDiscussion(benchmark::State& state) {
  prepareDiscussion();
  const DiscussionTerms terms{EngineTerm::asIs(find<QLineEdit>("txt_y")->text()),
                              EngineTerm::asIs(find<QLineEdit>("txt_ystr")->text()),
                              EngineTerm::asIs(find<QLineEdit>("txt_y2str")->text())};
  const ViewWindow& view = window->sheet().view();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        Kurvendiskussion(window->sheet().engine(), terms, view.xmin, view.xmax));
  }
}

void prepareOde() {
  window->sheet().neu();
  window->tabParameter()->setCurrentIndex(5);
  settle();
  find<QLineEdit>("txtDGL1")->setText(QStringLiteral("x*y"));
  find<QLineEdit>("txtx0")->setText(QStringLiteral("0"));
  find<QLineEdit>("txty0")->setText(QStringLiteral("1"));
}
void BM_WindowSlopeField(benchmark::State& state) {
  prepareOde();
  for (auto _ : state) {
    find<QPushButton>("cmdDgl1")->click();
    settle();
  }
}
void BM_CoreSlopeField(benchmark::State& state) {
  prepareOde();
  Sheet& sheet = window->sheet();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        slopeField(sheet.engine(), EngineTerm::asIs("x*y"), sheet.view().world()));
  }
}
void BM_WindowEuler(benchmark::State& state) {
  prepareOde();
  find<QLineEdit>("txtDGL1")->setText(QStringLiteral("x-y"));
  for (auto _ : state) {
    find<QPushButton>("Command5")->click();
    settle();
  }
}
void BM_CoreEuler(benchmark::State& state) {
  prepareOde();
  Sheet& sheet = window->sheet();
  for (auto _ : state) {
    benchmark::DoNotOptimize(eulerCurve(sheet.engine(), EngineTerm::asIs("x-y"), 0,
                                        QStringLiteral("1"), sheet.view().world()));
  }
}
void BM_WindowSecondOrder(benchmark::State& state) {
  prepareOde();
  for (auto _ : state) {
    find<QPushButton>("cmdDgl2")->click();
    settle();
  }
}
void BM_CoreSecondOrder(benchmark::State& state) {
  prepareOde();
  Sheet& sheet = window->sheet();
  const EngineTerm f = EngineTerm::fromUser(find<QLineEdit>("txtDGL2")->text());
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        osculatingCurve(sheet.engine(), f, 0, 0, QStringLiteral("1"), sheet.view().world()));
  }
}

QString tenCurveSheet() {
  const QString path = folder->filePath(QStringLiteral("ten.fkt"));
  if (!QFile::exists(path)) {
    listTenTerms();
    window->sheet().save(path);
  }
  return path;
}
void BM_WindowOpen(benchmark::State& state) {
  const QString path = tenCurveSheet();
  for (auto _ : state) {
    window->openFile(path);
    settle();
  }
}
void BM_SheetOpen(benchmark::State& state) {
  const QString path = tenCurveSheet();
  for (auto _ : state) window->sheet().open(path);
  settle();
}

// Undo of a zoom step with ten curves listed.
void BM_WindowUndo(benchmark::State& state) {
  listTenTerms();
  QAction* undo = window->findChild<QAction*>(QStringLiteral("mnuUndo"));
  for (auto _ : state) {
    state.PauseTiming();
    window->buttonClick(QStringLiteral("zoomin_step"));
    settle();
    state.ResumeTiming();
    undo->trigger();
    settle();
  }
}
void BM_SheetUndo(benchmark::State& state) {
  listTenTerms();
  for (auto _ : state) {
    state.PauseTiming();
    window->sheet().navigation().zoomStep(true);
    settle();
    state.ResumeTiming();
    window->sheet().undo();
  }
  settle();
}

#define WINDOW_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true)
WINDOW_BENCHMARK(BM_WindowEnter);
WINDOW_BENCHMARK(BM_SheetEnter);
WINDOW_BENCHMARK(BM_WindowZoomSteps);
WINDOW_BENCHMARK(BM_SheetZoomSteps);
WINDOW_BENCHMARK(BM_WindowDiscussion);
WINDOW_BENCHMARK(BM_CoreDiscussion);
WINDOW_BENCHMARK(BM_WindowSlopeField);
WINDOW_BENCHMARK(BM_CoreSlopeField);
WINDOW_BENCHMARK(BM_WindowEuler);
WINDOW_BENCHMARK(BM_CoreEuler);
WINDOW_BENCHMARK(BM_WindowSecondOrder);
WINDOW_BENCHMARK(BM_CoreSecondOrder);
WINDOW_BENCHMARK(BM_WindowOpen);
WINDOW_BENCHMARK(BM_SheetOpen);
WINDOW_BENCHMARK(BM_WindowUndo);
WINDOW_BENCHMARK(BM_SheetUndo);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  folder = &dir;
  NoMessages dialogs;
  Engine engine;
  Sheet sheet(engine);
  FrmGraph main(sheet, dialogs);
  window = &main;
  main.resize(1280, 860);
  main.show();
  QCoreApplication::processEvents();

  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const struct {
    const char* command;
    const char* inWindow;
    const char* alone;
  } pairs[] = {{"Enter, ten curves listed", "BM_WindowEnter", "BM_SheetEnter"},
               {"zoom step in and out", "BM_WindowZoomSteps", "BM_SheetZoomSteps"},
               {"curve discussion", "BM_WindowDiscussion", "BM_CoreDiscussion"},
               {"slope field", "BM_WindowSlopeField", "BM_CoreSlopeField"},
               {"Euler curve", "BM_WindowEuler", "BM_CoreEuler"},
               {"second-order curve", "BM_WindowSecondOrder", "BM_CoreSecondOrder"},
               {"open a ten-curve sheet", "BM_WindowOpen", "BM_SheetOpen"},
               {"undo of a zoom step", "BM_WindowUndo", "BM_SheetUndo"}};
  std::printf("\n%-26s %10s %10s   (target: window <= 1.2 x alone + 2 ms)\n", "command",
              "window ms", "alone ms");
  for (const auto& pair : pairs) {
    const double inWindow = reporter.median(pair.inWindow), alone = reporter.median(pair.alone);
    if (inWindow == 0 || alone == 0) continue;  // left out by a filter
    std::printf("%-26s %10.2f %10.2f   %s\n", pair.command, inWindow, alone,
                inWindow <= 1.2 * alone + 2 ? "ok" : "over");
  }
  window = nullptr;
  return 0;
}
