// The requests each calculator sends through the window, byte for byte: the
// first ones and how many, as recorded from the program before its request
// texts moved into one module.
#include <QSpinBox>

#include "ui/widgets/value_grid.h"
#include "ui/window_fixture.h"

namespace {

using Requests = std::pair<QStringList, qsizetype>;

class CalculatorRequestsTest : public WindowTest {
 protected:
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
      QTest::mouseClick(find<QLineEdit>(QLatin1String(name)), Qt::LeftButton);
      QTest::keyClicks(find<QLineEdit>(QLatin1String(name)), QLatin1String(text));
    }
  }
};

TEST_F(CalculatorRequestsTest, GraphsDerivativesDiscussionAndIntegrals) {
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
  EXPECT_EQ(sent([&] { click("cmdDiff"); }),
            Requests({"diff(x^3-3x,x)", "diff(x^3-3x,x,2)", "diff(x^3-3x,x,3)"}, 3));
  EXPECT_EQ(sent([&] { click("opty_str"); }, 1), Requests({"APPROX(SUBST(3*x^2-3,x,-10))"}, 502));
  EXPECT_EQ(sent([&] { click("opty_2str"); }, 1), Requests({"APPROX(SUBST(6*x,x,-10))"}, 502));
  EXPECT_EQ(sent([&] { click("cmdDiskussion"); }),
            Requests({"APPROX(SUBST(3*x^2-3,x,-10))", "APPROX(SUBST(3*x^2-3,x,-10))",
                      "APPROX(SUBST(3*x^2-3,x,-9.988249))"},
                     13641));
  openTab(window->tabParameter(), 4);
  EXPECT_EQ(sent([&] { click("cmdInt"); }), Requests({"INT(6*x,x)"}, 1));
  limits("-1,5", "1");
  EXPECT_EQ(sent([&] { click("cmdIntegral1"); }, 0).second, 552);
  EXPECT_EQ(engine.requests.mid(501, 4),
            QStringList({"APPROX(SUBST(6*x,x,9.999999))", "INT(6*x,x,-1.5,1)", "approx(-15/4)",
                         "APPROX(SUBST(6*x,x,-1.5))"}));
}

TEST_F(CalculatorRequestsTest, AreaBetweenTwoCurves) {
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
}

TEST_F(CalculatorRequestsTest, DifferentialEquations) {
  enterTerm("x^2");
  openTab(window->tabParameter(), 5);
  set("txtDGL1", "x-y");
  EXPECT_EQ(sent([&] { click("cmdDgl1"); }),
            Requests({"SUBST(x-y, x, -9)", "SUBST(-9-y, y, -8)", "APPROX(-1)"}, 969));
  set("txtx0", "0");
  set("txty0", "1");
  EXPECT_EQ(sent([&] { click("Command5"); }),
            Requests({"SUBST(x-y, x, 0)", "SUBST(-y, y, 1)", "APPROX(-1)"}, 3000));
  EXPECT_EQ(sent([&] { click("cmdDgl2"); }, 4),
            Requests({"SUBST(-2*ystr-5*y,x,0)", "SUBST(-2*ystr-5*y,y,0)", "SUBST(-2*ystr,ystr,1)",
                      "APPROX(-2)"},
                     2000));
}

TEST_F(CalculatorRequestsTest, InterpolationSeriesAndValueTable) {
  enterTerm("x/2");
  openTab(window->tabMain(), 3);
  grid("grdNewton", {{"-2", "1"}, {"0", "-1"}, {"3", "2,5"}});
  click("cmdNewton");
  EXPECT_EQ(sent([&] { click("cmdPlotNewton"); }, 1),
            Requests({"APPROX(SUBST(1-1.0*(x+2)+0.433*(x+2)*(x+0),x,-10))"}, 502));
  openTab(window->tabMain(), 4);
  find<QSpinBox>("updSpline")->setValue(5);
  grid("grdSpline", {{"-4", "0"}, {"-1", "2"}, {"0,5", "-1"}, {"2", "1,5"}, {"5", "0"}});
  find<ValueGrid>("grdSpline")->setCurrent(1, 1);
  click("cmdSplineKoeff");
  // The start value, then the first sample, at the same x.
  const QString start = "APPROX(SUBST(((-0.1439*x-1.7273)*x-4.947)*x-1.3636,x,-4))";
  EXPECT_EQ(sent([&] { click("cmdPlotSpline"); }, 2), Requests({start, start}, 410));

  openTab(window->tabMain(), 1);
  openTab(window->tabMain(), 5);
  set("txtT_Funktion", "sin(x)");
  set("txtnTaylor", "5");
  EXPECT_EQ(sent([&] { click("cmdTaylor"); }), Requests({"TAYLOR(sin(x),x,0,5)"}, 1));
  set("txtFourier", "x");
  set("txt_t1", "-3,14");
  set("txt_t2", "3,14");
  set("txtGrad", "3");
  EXPECT_EQ(sent([&] { click("cmdFourier"); }, 1), Requests({"FOURIER(x, x,-3.14,3.14,3)"}, 3));

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
