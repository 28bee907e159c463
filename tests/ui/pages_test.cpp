// One wiring test per page: its controls reach the core with the requests
// the program always sent (the first ones and how many, as recorded before
// the request texts moved into one module), and the result comes back into
// its controls or onto the canvas.
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/pages/differential_page.h"
#include "ui/pages/gauss_page.h"
#include "ui/pages/horner_page.h"
#include "ui/pages/newton_page.h"
#include "ui/pages/spline_page.h"
#include "ui/widgets/value_grid.h"
#include "ui/window_fixture.h"

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255);

using Requests = std::pair<QStringList, qsizetype>;

class PagesTest : public WindowTest {
 protected:
  static void type(ValueGrid* grid, int row, int col, const char* text) {
    grid->setCurrent(row, col);
    for (QChar c : QString::fromLatin1(text)) grid->typeCharacter(c);
  }
  QString lastMessage() const {
    return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
  }
  // The requests of one action: the first few and their number.
  Requests sent(const std::function<void()>& action, int first = 3) {
    engine.requests.clear();
    action();
    return {engine.requests.mid(0, first), engine.requests.size()};
  }
  void grid(const char* name, const std::vector<std::pair<const char*, const char*>>& points) {
    auto* table = find<ValueGrid>(QLatin1String(name));
    for (size_t i = 0; i < points.size(); ++i) {
      table->setTextAt(int(i) + 1, 1, QLatin1String(points[i].first));
      table->setTextAt(int(i) + 1, 2, QLatin1String(points[i].second));
    }
  }
  void limits(const char* lower, const char* upper) {
    for (auto [name, text] : {std::pair{"txt_unten", lower}, {"txt_oben", upper}}) {
      QTest::mouseClick(find<QLineEdit>(QLatin1String(name)), Qt::LeftButton);  // empties it
      QTest::keyClicks(find<QLineEdit>(QLatin1String(name)), QLatin1String(text));
    }
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

TEST_F(PagesTest, DifferentialAndIntegralPagesFormDrawDiscussAndHatch) {
  EXPECT_EQ(sent([&] { enterTerm("x^3-3x"); }),
            Requests({"APPROX(SUBST(x^3-3x,x,-10))", "APPROX(SUBST(x^3-3x,x,-9.96008))",
                      "APPROX(SUBST(x^3-3x,x,-9.92016))"},
                     502));
  EXPECT_EQ(sent([&] {
              set("txtX", "1,5");
              QTest::keyClick(find<QLineEdit>("txtX"), Qt::Key_Return);
            }),
            Requests({"SUBST(x^3-3x,x,1.5)", "APPROX(-9/8)"}, 2));
  openTab(window->tabParameter(), 3);
  auto* page = window->findChild<DifferentialPage*>();
  EXPECT_EQ(page->txt_y()->text(), QStringLiteral("x^3-3x"));
  EXPECT_EQ(sent([&] { click("cmdDiff"); }),
            Requests({"diff(x^3-3x,x)", "diff(x^3-3x,x,2)", "diff(x^3-3x,x,3)"}, 3));
  EXPECT_EQ(page->txt_y3str()->text(), QStringLiteral("6"));
  EXPECT_EQ(sent([&] { click("opty_str"); }, 1), Requests({"APPROX(SUBST(3*x^2-3,x,-10))"}, 502));
  EXPECT_EQ(window->sheet().terms().last(), QStringLiteral("3*x^2-3"));
  EXPECT_GT(count(kBlue), 300);
  EXPECT_EQ(sent([&] { click("opty_2str"); }, 1), Requests({"APPROX(SUBST(6*x,x,-10))"}, 502));
  EXPECT_EQ(sent([&] { click("cmdDiskussion"); }),
            Requests({"APPROX(SUBST(3*x^2-3,x,-10))", "APPROX(SUBST(3*x^2-3,x,-10))",
                      "APPROX(SUBST(3*x^2-3,x,-9.988249))"},
                     13641));
  ASSERT_GT(page->lstDisk()->count(), 7);
  EXPECT_EQ(page->lstDisk()->item(7)->text(), QStringLiteral("  TP: x(5)= 1,0  y(5)= -2,0"));

  openTab(window->tabParameter(), 4);
  EXPECT_EQ(text("txtInt"), QStringLiteral("6*x"));  // the term the field shows
  EXPECT_EQ(sent([&] { click("cmdInt"); }), Requests({"INT(6*x,x)"}, 1));
  EXPECT_EQ(text("txtIntSymb"), QStringLiteral("3*x^2 + C"));
  limits("-1,5", "1");
  EXPECT_EQ(sent([&] { click("cmdIntegral1"); }, 0).second, 552);
  EXPECT_EQ(engine.requests.mid(501, 4),
            QStringList({"APPROX(SUBST(6*x,x,9.999999))", "INT(6*x,x,-1.5,1)", "approx(-15/4)",
                         "APPROX(SUBST(6*x,x,-1.5))"}));
  EXPECT_EQ(text("txtIntegrand"), QStringLiteral("(6*x) dx = -3.75 FE"));
  EXPECT_GT(count(QColor(192, 0, 0)) + count(QColor(192, 255, 255)), 100);  // hatched
}

TEST_F(PagesTest, AreaBetweenTwoCurvesFindsTheLimitsInTheWindow) {
  const char* view[] = {"-2,7", "3,9", "-3", "5", "0,5", "1"};
  for (int i = 0; i < 6; ++i) set(qPrintable(QStringLiteral("txtKoordinaten(%1)").arg(i)), view[i]);
  QTest::keyClick(find<QLineEdit>("txtKoordinaten(0)"), Qt::Key_Return);
  enterTerm("x^2-1");
  enterTerm("x+1");
  openTab(window->tabParameter(), 4);
  EXPECT_EQ(sent([&] { click("cmdIntegral2"); }, 1),
            Requests({"APPROX(SUBST(x^2-1,x,-2.7))"}, 1444));
  const qsizetype integral = engine.requests.indexOf("INT((x+1)-(x^2-1),x,-1.000,2.000)");
  ASSERT_GT(integral, 0);
  EXPECT_EQ(engine.requests[integral + 1], "approx(9/2)");
  EXPECT_EQ(text("txtUntergrenze"), QStringLiteral("-1,000"));
  EXPECT_EQ(text("txtObergrenze"), QStringLiteral("2,000"));
  EXPECT_EQ(text("txtIntegral2"), QStringLiteral("((x+1)-(x^2-1)) dx = 4,500 FE"));
}

TEST_F(PagesTest, DglPageDrawsTheSlopeFieldAndSolutionCurves) {
  enterTerm("x^2");
  openTab(window->tabParameter(), 5);
  set("txtDGL1", "x-y");
  EXPECT_EQ(sent([&] { click("cmdDgl1"); }),
            Requests({"SUBST(x-y, x, -9)", "SUBST(-9-y, y, -8)", "APPROX(-1)"}, 969));
  EXPECT_GT(count(QColor(128, 128, 0)), 3000);  // the marks in the isocline swatch
  EXPECT_EQ(count(kRed), 0);                    // the curves gave way
  set("txtx0", "0");
  set("txty0", "1");
  EXPECT_EQ(sent([&] { click("Command5"); }),
            Requests({"SUBST(x-y, x, 0)", "SUBST(-y, y, 1)", "APPROX(-1)"}, 3000));
  EXPECT_GT(count(kBlue), 500);
  EXPECT_EQ(sent([&] { click("cmdDgl2"); }, 4),
            Requests({"SUBST(-2*ystr-5*y,x,0)", "SUBST(-2*ystr-5*y,y,0)", "SUBST(-2*ystr,ystr,1)",
                      "APPROX(-2)"},
                     2000));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PagesTest, HornerAndGaussTablesAreComputed) {
  openTab(window->tabMain(), 1);
  auto* horner = window->findChild<HornerPage*>();
  for (auto [col, value] : {std::pair{1, "1"}, {2, "-2"}, {3, "1"}})
    type(horner->grdHorner(), 1, col, value);
  horner->txt_xo()->setText(QStringLiteral("2"));
  click("cmdHorner");
  EXPECT_EQ(horner->grdHorner()->textAt(3, 3), QStringLiteral("1"));

  openTab(window->tabMain(), 2);
  auto* gauss = window->findChild<GaussPage*>();
  find<QRadioButton>(QStringLiteral("optStart"))->setChecked(true);
  const char* cells[2][3] = {{"2", "1", "5"}, {"1", "-1", "1"}};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) type(gauss->grdMatrix(), i + 1, j + 1, cells[i][j]);
  }
  click("cmdGauss");
  EXPECT_EQ(gauss->grdMatrix()->textAt(1, 2), QStringLiteral("1,0"));
}

TEST_F(PagesTest, InterpolationSeriesAndValueTablePagesComputeListAndDraw) {
  enterTerm("x/2");
  openTab(window->tabMain(), 3);
  auto* newton = window->findChild<NewtonPage*>();
  const char* points[3][2] = {{"-2", "1"}, {"0", "-1"}, {"3", "2,5"}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) type(newton->grdNewton(), i + 1, j + 1, points[i][j]);
  }
  click("cmdNewton");
  EXPECT_EQ(newton->txtNewton()->text(), QStringLiteral("1-1,0*(x+2)+0,433*(x+2)*(x+0)"));
  EXPECT_EQ(sent([&] { click("cmdPlotNewton"); }, 1),
            Requests({"APPROX(SUBST(1-1.0*(x+2)+0.433*(x+2)*(x+0),x,-10))"}, 502));
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(window->sheet().terms().last(), newton->txtNewton()->text());

  openTab(window->tabMain(), 4);
  auto* spline = window->findChild<SplinePage*>();
  find<QSpinBox>("updSpline")->setValue(5);
  grid("grdSpline", {{"-4", "0"}, {"-1", "2"}, {"0,5", "-1"}, {"2", "1,5"}, {"5", "0"}});
  find<ValueGrid>("grdSpline")->setCurrent(1, 1);
  click("cmdSplineKoeff");
  EXPECT_EQ(spline->grd_z()->textAt(1, 1), QStringLiteral("-0,1439"));
  const int black = count(Qt::black);
  // The start value, then the first sample, at the same x.
  const QString start = "APPROX(SUBST(((-0.1439*x-1.7273)*x-4.947)*x-1.3636,x,-4))";
  EXPECT_EQ(sent([&] { click("cmdPlotSpline"); }, 2), Requests({start, start}, 410));
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_GT(count(Qt::black), black);

  openTab(window->tabMain(), 1);
  openTab(window->tabMain(), 5);
  set("txtT_Funktion", "sin(x)");
  set("txtnTaylor", "5");
  EXPECT_EQ(sent([&] { click("cmdTaylor"); }), Requests({"TAYLOR(sin(x),x,0,5)"}, 1));
  EXPECT_EQ(text("txtTaylor"), QStringLiteral("x-x^3/6+x^5/120"));
  click("cmdPlotTaylor");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(window->sheet().terms().mid(4), QStringList({"sin(x)", "x-x^3/6+x^5/120"}));
  openTab(window->tabMain(), 5);
  click("cmdFourier");
  EXPECT_EQ(lastMessage(), QStringLiteral("Bitte geben Sie f(x) ein!"));
  for (auto [name, value] :
       {std::pair{"txtFourier", "x"}, {"txt_t1", "-3,14"}, {"txt_t2", "3,14"}, {"txtGrad", "3"}}) {
    set(name, value);
  }
  EXPECT_EQ(sent([&] { click("cmdFourier"); }, 1), Requests({"FOURIER(x, x,-3.14,3.14,3)"}, 3));
  EXPECT_TRUE(text("txtFourierReihe").startsWith(QStringLiteral("1.99898608523421*sin(")));

  openTab(window->tabMain(), 6);
  set("txtWtTerm", "x^2-1/x");
  set("txtWtVon", "-1");
  set("txtWtBis", "1");
  set("txtWtSchritt", "0,5");
  EXPECT_EQ(sent([&] { click("cmdWertetabelle"); }, 5),
            Requests({"APPROX(SUBST(x^2-1/x,x,-1))", "diff(x^2-1/x,x)", "diff(x^2-1/x,x,2)",
                      "diff(x^2-1/x,x,3)", "APPROX(SUBST(2*x+1/x^2,x,-1))"},
                     18));
}

}  // namespace
