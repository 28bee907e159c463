// One wiring test per page: its controls reach the core, and the result
// comes back into its controls or onto the canvas.
#include <QListWidget>
#include <QRadioButton>

#include "ui/pages/differential_page.h"
#include "ui/pages/gauss_page.h"
#include "ui/pages/horner_page.h"
#include "ui/pages/newton_page.h"
#include "ui/pages/spline_page.h"
#include "ui/widgets/value_grid.h"
#include "ui/window_fixture.h"

namespace {

const QColor kRed(255, 0, 0);

class PagesTest : public WindowTest {
 protected:
  static void type(ValueGrid* grid, int row, int col, const char* text) {
    grid->setCurrent(row, col);
    for (QChar c : QString::fromLatin1(text)) grid->typeCharacter(c);
  }
  QString lastMessage() const {
    return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
  }
};

TEST_F(PagesTest, SettingsPageDrawsTheTypedWindowAndCalculatesAtX) {
  QLineEdit* xmax = find<QLineEdit>(QStringLiteral("txtKoordinaten(1)"));
  xmax->selectAll();
  QTest::keyClicks(xmax, QStringLiteral("2.5"));  // the point becomes a comma
  EXPECT_EQ(xmax->text(), QStringLiteral("2,5"));
  QTest::keyClick(xmax, Qt::Key_Return);
  EXPECT_FLOAT_EQ(window->sheet().view().xmax, 2.5f);

  enterTerm(QStringLiteral("x^2-2x"));
  QLineEdit* x = find<QLineEdit>(QStringLiteral("txtX"));
  x->setText(QStringLiteral("1,5"));
  QTest::keyClick(x, Qt::Key_Return);
  EXPECT_EQ(text("txtErgebnis"), QStringLiteral("-0,75"));
  window->cboFunktionsterm()->setEditText(QString());
  QTest::keyClick(x, Qt::Key_Return);
  EXPECT_EQ(lastMessage(), QStringLiteral("Sie haben noch keine Funktionsgleichung eingegeben!"));

  // Grid switch, line width and a swatch colour reach the drawing.
  const int grid = count(QColor(128, 128, 128));
  QTest::mouseClick(find(QStringLiteral("chkGrid")), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_LT(count(QColor(128, 128, 128)), grid);
  QTest::mouseClick(find(QStringLiteral("optLine(2)")), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_EQ(window->sheet().appearance().lineWidth, 3);
  dialogs.colorAnswers.push_back(QColor(0, 0, 1));
  QTest::mouseClick(find(QStringLiteral("picGraphFarben(0)")), Qt::LeftButton);
  EXPECT_GT(count(QColor(0, 0, 1)), 100);
  EXPECT_EQ(count(kRed), 0);
}

TEST_F(PagesTest, LineAndParabolaPagesCalculateAndDraw) {
  set("txtPx", "4");
  set("txtPy", "0");
  set("txtm", "0,5");
  click("cmdPSt");
  EXPECT_EQ(text("txtPSt"), QStringLiteral("0,5x-2,0"));
  click("cmdPStplot");
  EXPECT_EQ(window->sheet().terms(), QStringList({"0,5x-2,0"}));
  set("txtm", "m");
  click("cmdPSt");
  EXPECT_EQ(lastMessage(), QStringLiteral("Sie haben falsche Werte eingegeben!"));
  for (auto [name, value] : {std::pair{"Text6", "2"}, {"Text7", "-2"}, {"Text8", "5"}})
    set(name, value);
  click("Command3");
  EXPECT_EQ(text("Text9"), QStringLiteral("2x^2+8,0x+13,0"));
  click("Command4");
  EXPECT_EQ(window->sheet().terms().size(), 2);
}

TEST_F(PagesTest, DifferentialPageFormsDrawsAndDiscusses) {
  enterTerm(QStringLiteral("x^2-2x"));
  openTab(window->tabParameter(), 3);
  auto* page = window->findChild<DifferentialPage*>();
  EXPECT_EQ(page->txt_y()->text(), QStringLiteral("x^2-2x"));
  click("cmdDiff");
  EXPECT_EQ(page->txt_ystr()->text(), QStringLiteral("2*x-2"));
  EXPECT_EQ(page->txt_y3str()->text(), QStringLiteral("0"));
  find<QRadioButton>(QStringLiteral("opty_str"))->click();
  EXPECT_EQ(window->sheet().terms().last(), QStringLiteral("2*x-2"));
  EXPECT_GT(count(QColor(0, 0, 255)), 300);
  click("cmdDiskussion");
  ASSERT_GT(page->lstDisk()->count(), 5);
  EXPECT_EQ(page->lstDisk()->item(5)->text(), QStringLiteral("  TP: x(3)= 1,0  y(3)= -1,0"));
}

TEST_F(PagesTest, IntegralPageIntegratesAndHatches) {
  enterTerm(QStringLiteral("x^2"));
  openTab(window->tabParameter(), 4);
  EXPECT_EQ(text("txtInt"), QStringLiteral("x^2"));
  click("cmdInt");
  EXPECT_EQ(text("txtIntSymb"), QStringLiteral("x^3/3 + C"));
  QLineEdit* lower = find<QLineEdit>(QStringLiteral("txt_unten"));
  QLineEdit* upper = find<QLineEdit>(QStringLiteral("txt_oben"));
  QTest::mouseClick(lower, Qt::LeftButton);  // a click empties the limit
  QTest::keyClicks(lower, QStringLiteral("0"));
  QTest::mouseClick(upper, Qt::LeftButton);
  QTest::keyClicks(upper, QStringLiteral("2"));
  click("cmdIntegral1");
  EXPECT_EQ(text("txtIntegrand"), QStringLiteral("(x^2) dx = 2.66666666666667 FE"));
  EXPECT_GT(count(QColor(192, 0, 0)) + count(QColor(192, 255, 255)), 100);  // hatched

  enterTerm(QStringLiteral("x+2"));
  openTab(window->tabParameter(), 4);
  click("cmdIntegral2");
  EXPECT_EQ(text("txtUntergrenze"), QStringLiteral("-1,000"));
  EXPECT_EQ(text("txtObergrenze"), QStringLiteral("2,000"));
  EXPECT_TRUE(text("txtIntegral2").endsWith(QStringLiteral(" dx = 4,500 FE")))
      << text("txtIntegral2").toStdString();
}

TEST_F(PagesTest, DglPageDrawsTheSlopeFieldAndASolutionCurve) {
  enterTerm(QStringLiteral("x^2"));
  set("txtDGL1", "x-y");
  click("cmdDgl1");
  EXPECT_GT(count(QColor(128, 128, 0)), 3000);  // the marks in the isocline swatch
  EXPECT_EQ(count(kRed), 0);                    // the curves gave way
  set("txtx0", "0");
  set("txty0", "1");
  click("Command5");
  EXPECT_GT(count(QColor(0, 0, 255)) + 0, 0);
  click("cmdDgl2");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PagesTest, HornerAndGaussTablesAreComputed) {
  openTab(window->tabMain(), 1);
  auto* horner = window->findChild<HornerPage*>();
  for (auto [col, value] : {std::pair{1, "1"}, {2, "-2"}, {3, "1"}})
    type(horner->grdHorner(), 1, col, value);
  horner->txt_xo()->setText(QStringLiteral("2"));
  click("cmdHorner");
  EXPECT_EQ(horner->grdHorner()->textAt(3, 4), QStringLiteral("= f(2)/0!"));
  EXPECT_EQ(horner->grdHorner()->textAt(3, 3), QStringLiteral("1"));

  openTab(window->tabMain(), 2);
  auto* gauss = window->findChild<GaussPage*>();
  find<QRadioButton>(QStringLiteral("optStart"))->setChecked(true);
  const char* cells[2][3] = {{"2", "1", "5"}, {"1", "-1", "1"}};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) type(gauss->grdMatrix(), i + 1, j + 1, cells[i][j]);
  }
  click("cmdGauss");
  EXPECT_EQ(gauss->grdMatrix()->textAt(1, 1), QStringLiteral("2,0"));
  EXPECT_EQ(gauss->grdMatrix()->textAt(1, 2), QStringLiteral("1,0"));
}

TEST_F(PagesTest, NewtonAndSplinePagesComputeListAndDraw) {
  openTab(window->tabMain(), 3);
  auto* newton = window->findChild<NewtonPage*>();
  const char* points[3][2] = {{"1", "2"}, {"2", "3"}, {"4", "3"}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) type(newton->grdNewton(), i + 1, j + 1, points[i][j]);
  }
  click("cmdNewton");
  EXPECT_EQ(newton->txtNewton()->text(), QStringLiteral("2+1,0*(x-1,0)-0,333*(x-1,0)*(x-2,0)"));
  click("cmdPlotNewton");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(window->sheet().terms(), QStringList({newton->txtNewton()->text()}));

  openTab(window->tabMain(), 4);
  auto* spline = window->findChild<SplinePage*>();
  const char* knots[3][2] = {{"0", "0"}, {"1", "1"}, {"2", "0"}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) type(spline->grdSpline(), i + 1, j + 1, knots[i][j]);
  }
  click("cmdSplineKoeff");
  EXPECT_EQ(spline->grd_z()->textAt(2, 2), QStringLiteral("-3,0"));
  EXPECT_EQ(window->sheet().terms().size(), 2);
  const int black = count(Qt::black);
  click("cmdPlotSpline");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_GT(count(Qt::black), black);
}

TEST_F(PagesTest, SeriesPageShowsAndDrawsTaylorAndFourier) {
  openTab(window->tabMain(), 5);
  set("txtT_Funktion", "sin(x)");
  set("txtnTaylor", "5");
  click("cmdTaylor");
  EXPECT_EQ(text("txtTaylor"), QStringLiteral("x-x^3/6+x^5/120"));
  click("cmdPlotTaylor");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(window->sheet().terms(), QStringList({"sin(x)", "x-x^3/6+x^5/120"}));
  openTab(window->tabMain(), 5);
  click("cmdFourier");
  EXPECT_EQ(lastMessage(), QStringLiteral("Bitte geben Sie f(x) ein!"));
  for (auto [name, value] :
       {std::pair{"txtFourier", "x"}, {"txt_t1", "-3,14"}, {"txt_t2", "3,14"}, {"txtGrad", "3"}}) {
    set(name, value);
  }
  click("cmdFourier");
  EXPECT_TRUE(text("txtFourierReihe").startsWith(QStringLiteral("1.99898608523421*sin(")));
}

}  // namespace
