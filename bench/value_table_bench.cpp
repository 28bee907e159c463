// A value table of 1000 rows of a cubic: the rows alone, and the click on
// "Tabelle berechnen" in the tab (offscreen) with the painting it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdio>
#include <cstdlib>

#include "calculus/value_table.h"
#include "engine/engine.h"
#include "median_reporter.h"
#include "sheet/sheet.h"
#include "ui/pages/value_table_page.h"
#include "ui/widgets/qt_dialogs.h"

namespace {

const ValueTableFields kFields = {QStringLiteral("x^3-6x^2+9x+1"), QStringLiteral("0"),
                                  QStringLiteral("99,9"), QStringLiteral("0,1")};

// A message would wait for a click that never comes: it ends the run instead.
class NoMessages : public QtDialogs {
 public:
  void message(const QString& title, const QString& text, Icon) override {
    std::fprintf(stderr, "unexpected message: %s: %s\n", qPrintable(title), qPrintable(text));
    std::exit(1);
  }
};

void BM_ValueTableRows(benchmark::State& state) {
  Engine engine;
  for (auto _ : state) {
    auto table = Wertetabelle(engine, kFields);
    auto* rows = std::get_if<QList<ValueRow>>(&table);
    if (!rows || rows->size() != 1000) {
      state.SkipWithError("not 1000 rows");
      break;
    }
    benchmark::DoNotOptimize(table);
  }
}

void BM_ValueTablePage(benchmark::State& state) {
  Engine engine;
  Sheet sheet(engine);
  NoMessages dialogs;
  ValueTablePage page(sheet, dialogs);
  page.resize(700, 650);
  page.show();
  page.txtWtTerm()->setText(kFields.term);
  page.txtWtVon()->setText(kFields.von);
  page.txtWtBis()->setText(kFields.bis);
  page.txtWtSchritt()->setText(kFields.schritt);
  auto* button = page.findChild<QPushButton*>(QStringLiteral("cmdWertetabelle"));
  QCoreApplication::processEvents();
  for (auto _ : state) {
    button->click();
    QCoreApplication::processEvents();
  }
  if (page.grdWerte()->rowCount() != 1000) state.SkipWithError("not 1000 rows shown");
}

BENCHMARK(BM_ValueTableRows)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValueTablePage)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  double shown = reporter.median("BM_ValueTablePage");
  if (shown > 0) {
    std::printf(
        "\n1000 rows computed and shown: %.2f ms median (target: at most 50 ms), %.2f ms "
        "of them computing\n",
        shown, reporter.median("BM_ValueTableRows"));
  }
  return 0;
}
