#include <gtest/gtest.h>

#include <cmath>

#include "engine/recording_engine.h"
#include "ode/osculating_curve.h"
#include "ode/slope_field.h"
#include "qstring_print.h"

namespace {

// A 600 x 400 canvas showing `view`, and the drawings on it.
struct Window {
  ViewWindow view;
  PixelFrame frame;
  explicit Window(ViewWindow v = {}) : view(v), frame(computePixelFrame(v, 600, 400)) {}
  // World point of a canvas point.
  QPointF world(const QPointF& p) const {
    return QPointF(view.xmin + (p.x() - frame.pixLinks) / frame.massX,
                   view.ymin + (p.y() - frame.pixUnten) / frame.massY);
  }
  OdeDrawing field(const QString& f) const { return slopeField(engine, f, view, frame); }
  OdeDrawing euler(const QString& f, float x0, const QString& y0) const {
    return eulerCurve(engine, f, x0, y0, view, frame);
  }
  OdeDrawing osculating(const QString& f, float x0, float y0, const QString& slope0) const {
    return osculatingCurve(engine, f, x0, y0, slope0, view, frame);
  }
  static inline Engine engine;
};

TEST(OdeRequests, SlopeAsksThreeWithBlanksSecondDerivativeFourInEngineNotation) {
  RecordingEngine engine;
  EXPECT_EQ(slopeAt(engine, "x*y", "1,5", "2"), 3.0);
  EXPECT_EQ(secondDerivativeAt(engine, "-2*ystr-0,5*y", "0", "2", "1"), -3.0f);
  EXPECT_EQ(engine.requests, QStringList({"SUBST(x*y, x, 1.5)", "SUBST(3*y/2, y, 2)", "APPROX(3)",
                                          "SUBST(-2*ystr-0.5*y,x,0)", "SUBST(-2*ystr-y/2,y,2)",
                                          "SUBST(-2*ystr-1,ystr,1)", "APPROX(-3)"}));
}

TEST(Ode, SlopeFieldStartsOneTickInsideAndDrawsUnitMarksAlongTheSlope) {
  const Window w;
  OdeDrawing xy = w.field("x*y");
  ASSERT_EQ(xy.lines.size(), 19 * 17);
  EXPECT_TRUE(xy.failure.isEmpty());
  EXPECT_NEAR(QLineF(w.world(xy.lines.front().center()), {-9, -8}).length(), 0, 1e-4);
  EXPECT_NEAR(QLineF(w.world(xy.lines.back().center()), {9, 8}).length(), 0, 1e-4);
  // On the x axis (x = -9, y = 0) the marks of x*y are horizontal; at (-9, 1) they fall by 9.
  EXPECT_NEAR(w.world(xy.lines[8].center()).y(), 0, 1e-4);
  EXPECT_FLOAT_EQ(xy.lines[8].y1(), xy.lines[8].y2());
  const QLineF steep(w.world(xy.lines[9].p1()), w.world(xy.lines[9].p2()));
  EXPECT_NEAR(steep.dy() / steep.dx(), -9, 1e-3);
  EXPECT_NEAR(steep.length(), 1, 1e-3);

  const Window shifted(ViewWindow{.xmin = 0.5f});
  OdeDrawing flat = shifted.field("0");
  EXPECT_NEAR(shifted.world(flat.lines.front().center()).x(), 1.5, 1e-4);
  EXPECT_EQ(flat.lines.size(), 8 * 17);  // 1,5 to 8,5
  for (const QLineF& mark : flat.lines) {
    ASSERT_FLOAT_EQ(mark.y1(), mark.y2());
    ASSERT_NEAR(mark.dx(), shifted.frame.massX, 1e-3);
  }
  EXPECT_TRUE(Window({.xmin = 0, .xmax = 1.5f}).field("x").lines.isEmpty());
  // Too many marks: nothing but a message.
  OdeDrawing huge = Window({.xmin = -1000, .xmax = 1000}).field("x");
  EXPECT_TRUE(huge.lines.isEmpty() && !huge.failure.isEmpty());
}

TEST(Ode, EulerStepsAFiftiethOfATickBothWays) {
  const Window w;
  OdeDrawing curve = w.euler("0", 0, "1");
  EXPECT_TRUE(curve.failure.isEmpty());
  EXPECT_NEAR(curve.steps, 1001, 1);
  EXPECT_NEAR(Window({.xtic = 0.5f}).euler("0", 0, "1").steps, 2 * curve.steps, 4);
  // y' = y from (0; 1) follows e^x: after one unit about e (Euler lags a little).
  EXPECT_NEAR(w.world(w.euler("y", 0, "1").lines[49].p2()).y(), std::exp(1.0), 0.03);
  // Starting at xmax: no forward steps, only backward ones.
  EXPECT_NEAR(w.euler("0", 10, "0").steps, 1000, 1);
  // sqrt(-x) has no value right of 0: about 50 steps from -1 stay, then a message.
  OdeDrawing stopped = w.euler("sqrt(-x)", -1, "0");
  EXPECT_TRUE(stopped.failure.startsWith("Die Steigung lässt sich im Punkt ("))
      << stopped.failure.toStdString();
  EXPECT_NEAR(stopped.steps, 50.5, 0.5);
}

TEST(Ode, OsculatingCirclesTraceTheCurveAndStopWhereTheyCannot) {
  const Window w;
  // Constant curvature 2 from (0; 0) with slope 0 traces x^2; the first circle has radius
  // 0,5 around (0; 0,5), and the first step lands on it.
  OdeDrawing curve = w.osculating("2", 0, 0, "0");
  EXPECT_TRUE(curve.failure.isEmpty());
  EXPECT_NEAR(curve.steps, 500, 1);
  const QPointF step = w.world(curve.lines.front().p2());
  EXPECT_NEAR(std::hypot(step.x(), step.y() - 0.5), 0.5, 1e-4);
  for (int i : {49, 99, 149}) {
    const QPointF p = w.world(curve.lines[i].p2());
    EXPECT_NEAR(p.y(), p.x() * p.x(), 0.05 * p.x() * p.x()) << i;
  }
  // A decimal comma is read; steps of 0,04 from xmin.
  OdeDrawing comma = w.osculating("-0,5*y", -10, 1, "0");
  EXPECT_EQ(comma.lines, w.osculating("-0.5*y", -10, 1, "0").lines);
  EXPECT_NEAR(comma.steps, 500, 1);
  // Zero curvature steps along the tangent.
  OdeDrawing flat = w.osculating("-y", 0, 0, "0");
  EXPECT_GE(flat.steps, 499);
  EXPECT_NEAR(w.world(flat.lines.back().p2()).y(), 0, 1e-5);
  // A circle far smaller than a step: the curve ends at once, without a message.
  OdeDrawing tight = w.osculating("1000", 0, 0, "0");
  EXPECT_TRUE(tight.steps == 0 && tight.failure.isEmpty());
  EXPECT_FALSE(w.osculating("foo(y)", 0, 0, "1").failure.isEmpty());
}

}  // namespace
