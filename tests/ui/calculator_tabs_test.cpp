#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/gauss_page.h"
#include "ui/horner_page.h"
#include "ui/interpolation_pages.h"
#include "ui/value_grid.h"
#include "ui/window_fixture.h"

namespace {

class CalculatorTabsTest : public WindowTest {
 protected:
  void openTab(int tab) {
    QTabBar* bar = window->tabMain()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
  }
  // Types into cells as a user does: the cell made current, then its keys.
  static void type(ValueGrid* grid, int row, int col, const char* text) {
    grid->setCurrent(row, col);
    for (QChar c : QString::fromLatin1(text)) grid->typeCharacter(c);
  }
  static QStringList row(ValueGrid* grid, int r) {
    QStringList texts;
    for (int c = 0; c < grid->cols(); ++c) texts << grid->textAt(r, c);
    return texts;
  }
};

TEST_F(CalculatorTabsTest, HornerSchemeOfDegreeTwoCellByCell) {
  auto* page = window->findChild<HornerPage*>();
  openTab(1);
  ValueGrid* grid = page->grdHorner();
  EXPECT_EQ(row(grid, 0), QStringList({"", "x^ 2", "x^ 1", "x^ 0"}));
  type(grid, 1, 1, "1");
  type(grid, 1, 2, "-2");
  type(grid, 1, 3, "1");
  page->txt_xo()->setText(QStringLiteral("2"));
  find<QPushButton>(QStringLiteral("cmdHorner"))->click();
  ASSERT_EQ(grid->rows(), 8);
  ASSERT_EQ(grid->cols(), 5);
  EXPECT_EQ(row(grid, 2), QStringList({"", "0", "2", "0", ""}));
  EXPECT_EQ(row(grid, 3), QStringList({"2", "1", "0", "1", "= f(2)/0!"}));
  EXPECT_EQ(row(grid, 4), QStringList({"", "0", "2", "", ""}));
  EXPECT_EQ(row(grid, 5), QStringList({"2", "1", "2", "= f'(2)/1!", ""}));
  EXPECT_EQ(row(grid, 7), QStringList({"2", "1", "= f''(2)/2!", "", ""}));
  EXPECT_EQ(grid->cellForeground(3, 4), QColor(Qt::red));
  EXPECT_EQ(grid->cellBackground(3, 0), QColor(Qt::white));
  // The x field now sits in the table.
  EXPECT_EQ(page->txt_xo()->parentWidget(), grid->viewport());
}

TEST_F(CalculatorTabsTest, HornerOfDegreeSevenAndItsMessages) {
  auto* page = window->findChild<HornerPage*>();
  openTab(1);
  find<QPushButton>(QStringLiteral("cmdHorner"))->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Kein x-Wert eingegeben"));
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);

  page->updPolygrd()->setValue(7);
  EXPECT_EQ(page->grdHorner()->cols(), 9);
  EXPECT_EQ(page->grdHorner()->textAt(0, 1), QStringLiteral("x^ 7"));
  type(page->grdHorner(), 1, 1, "1");
  page->txt_xo()->setText(QStringLiteral("1,5"));
  find<QPushButton>(QStringLiteral("cmdHorner"))->click();
  EXPECT_EQ(page->grdHorner()->rows(), 18);
  EXPECT_EQ(page->grdHorner()->cols(), 10);
  EXPECT_EQ(page->grdHorner()->textAt(3, 9), QStringLiteral("= f(1,5)/0!"));
  EXPECT_EQ(page->grdHorner()->textAt(17, 2), QStringLiteral("= f'''''''(1,5)/7!"));

  type(page->grdHorner(), 1, 2, ",,");
  find<QPushButton>(QStringLiteral("cmdHorner"))->click();
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Fehler bei der Eingabe der Koeffizienten!"));
}

TEST_F(CalculatorTabsTest, GaussSolvesWithPausesWhenChecked) {
  auto* page = window->findChild<GaussPage*>();
  for (bool pauses : {true, false}) {
    openTab(2);
    find<QRadioButton>(QString::fromLatin1(pauses ? "optStop" : "optStart"))->setChecked(true);
    const char* cells[2][3] = {{"2", "1", "5"}, {"1", "-1", "1"}};
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 3; ++j) type(page->grdMatrix(), i + 1, j + 1, cells[i][j]);
    }
    dialogs.messages.clear();
    find<QPushButton>(QStringLiteral("cmdGauss"))->click();
    EXPECT_EQ(dialogs.messages.size(), pauses ? 2u : 0u);
    if (pauses) {
      EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Kontrolle der Rechnung"));
      EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("weiter?"));
    }
    EXPECT_EQ(row(page->grdMatrix(), 0), QStringList({"", "x1", "x2"}));
    EXPECT_EQ(row(page->grdMatrix(), 1), QStringList({"Lösung", "2,0", "1,0"}));
  }
}

TEST_F(CalculatorTabsTest, GaussRefusesMissingCoefficientsAndZeroPivots) {
  auto* page = window->findChild<GaussPage*>();
  openTab(2);
  find<QRadioButton>(QStringLiteral("optStart"))->setChecked(true);
  page->grdMatrix()->setCurrent(2, 3);
  find<QPushButton>(QStringLiteral("cmdGauss"))->click();
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Koeffizienten nicht vollständig eingegeben!"));
  type(page->grdMatrix(), 1, 1, "3");  // current cell filled, others empty
  find<QPushButton>(QStringLiteral("cmdGauss"))->click();
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Fehler bei der Eingabe der Koeffizienten!"));

  openTab(2);
  const char* cells[2][3] = {{"0", "1", "1"}, {"1", "1", "2"}};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) type(page->grdMatrix(), i + 1, j + 1, cells[i][j]);
  }
  find<QPushButton>(QStringLiteral("cmdGauss"))->click();
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Fehler bei der Eingabe der Koeffizienten!"));
  EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(CalculatorTabsTest, SpinnersWriteTheirTablesAndTheSplineTableKeepsValues) {
  auto* newton = window->findChild<NewtonPage*>();
  openTab(3);
  EXPECT_EQ(newton->grdNewton()->textAt(0, 0), QStringLiteral("Tabelle"));
  EXPECT_EQ(newton->grdNewton()->textAt(1, 0), QStringLiteral("0."));
  EXPECT_EQ(newton->txt_n()->text(), QStringLiteral("3"));
  EXPECT_EQ(newton->upd_n()->value(), 2);
  // Right after the reset the heading cell (3, 0) is current: typing extends it.
  newton->grdNewton()->typeCharacter(QChar(u'7'));
  EXPECT_EQ(newton->grdNewton()->textAt(3, 0), QStringLiteral("2.7"));
  newton->upd_n()->setValue(3);
  EXPECT_EQ(newton->grdNewton()->textAt(0, 0), QStringLiteral("Werte"));
  EXPECT_EQ(newton->grdNewton()->textAt(1, 0), QStringLiteral(" 0."));
  EXPECT_EQ(newton->grdNewton()->rows(), 4);

  auto* spline = window->findChild<SplinePage*>();
  openTab(4);
  spline->updSpline()->setValue(5);
  for (int r = 1; r <= 5; ++r) type(spline->grdSpline(), r, 1, "1");
  spline->updSpline()->setValue(3);
  spline->updSpline()->setValue(5);
  EXPECT_EQ(spline->grdSpline()->textAt(3, 1), QStringLiteral("1"));
  EXPECT_TRUE(spline->grdSpline()->textAt(4, 1).isEmpty());
  EXPECT_EQ(spline->grdSpline()->textAt(4, 0), QStringLiteral("3."));
  EXPECT_EQ(spline->txtSpline()->text(), QStringLiteral("5"));
  EXPECT_FALSE(spline->grd_z()->isVisible());
}

}  // namespace
