#include <gtest/gtest.h>

#include <cmath>

#include "ode/osculating_curve.h"
#include "ode/slope_field.h"
#include "qstring_print.h"

namespace {

// The drawings in a window, in world coordinates.
struct Window {
  WorldWindow world;
  OdeDrawing field(const char* f) const { return slopeField(engine, EngineTerm::asIs(f), world); }
  OdeDrawing euler(const char* f, float x0, const QString& y0) const {
    return eulerCurve(engine, EngineTerm::asIs(f), x0, y0, world);
  }
  OdeDrawing osculating(const char* f, float x0, float y0, const QString& slope0) const {
    return osculatingCurve(engine, EngineTerm::fromUser(f), x0, y0, slope0, world);
  }
  static inline Engine engine;
};

TEST(Ode, SlopeFieldStartsOneTickInsideAndDrawsUnitMarksAlongTheSlope) {
  const Window w;
  OdeDrawing xy = w.field("x*y");
  ASSERT_EQ(xy.lines.size(), 19 * 17);
  EXPECT_TRUE(xy.failure.isEmpty());
  EXPECT_EQ(xy.lines.front().center(), QPointF(-9, -8));
  EXPECT_EQ(xy.lines.back().center(), QPointF(9, 8));
  // On the x axis (x = -9, y = 0) the marks of x*y are horizontal; at (-9, 1) they fall by 9.
  EXPECT_EQ(xy.lines[8], QLineF(-9.5, 0, -8.5, 0));
  const QLineF steep = xy.lines[9];
  EXPECT_NEAR(steep.dy() / steep.dx(), -9, 1e-9);
  EXPECT_NEAR(steep.length(), 1, 1e-9);

  OdeDrawing flat = Window({.xmin = 0.5f, .ymin = -2.5f, .ymax = 2}).field("0");
  EXPECT_EQ(flat.lines.front(), QLineF(1, -1.5, 2, -1.5));
  EXPECT_EQ(flat.lines.size(), 8 * 3);  // 1,5 to 8,5 and -1,5 to 0,5
  EXPECT_EQ(flat.lines.back(), QLineF(8, 0.5, 9, 0.5));
  EXPECT_TRUE(Window({.xmin = 0, .xmax = 1.5f}).field("x").lines.isEmpty());
  // Up to 10000 marks are drawn; beyond, nothing but a message.
  OdeDrawing most = Window({.xmin = -50, .xmax = 51, .ymin = -50, .ymax = 51}).field("0");
  EXPECT_TRUE(most.lines.size() == 10000 && most.failure.isEmpty());
  OdeDrawing huge = Window({.xmin = -50, .xmax = 51, .ymin = -50, .ymax = 52}).field("0");
  EXPECT_TRUE(huge.lines.isEmpty() && !huge.failure.isEmpty());
}

TEST(Ode, EulerStepsAFiftiethOfATickBothWays) {
  const Window w;
  OdeDrawing curve = w.euler("0", 0, "1");
  EXPECT_TRUE(curve.failure.isEmpty());
  EXPECT_NEAR(curve.steps, 1001, 1);
  EXPECT_NEAR(Window({.xtic = 0.5f}).euler("0", 0, "1").steps, 2 * curve.steps, 4);
  // y' = y from (0; 1) follows e^x: after one unit about e (Euler lags a little).
  EXPECT_NEAR(w.euler("y", 0, "1").lines[49].p2().y(), std::exp(1.0), 0.03);
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
  const QPointF step = curve.lines.front().p2();
  EXPECT_NEAR(std::hypot(step.x(), step.y() - 0.5), 0.5, 1e-6);
  for (int i : {49, 99, 149}) {
    const QPointF p = curve.lines[i].p2();
    EXPECT_NEAR(p.y(), p.x() * p.x(), 0.05 * p.x() * p.x()) << i;
  }
  // A decimal comma is read; steps of (xmax - x0)/500, 0,028 from -4.
  OdeDrawing comma = w.osculating("-0,5*y", -4, 1, "0");
  EXPECT_EQ(comma.lines, w.osculating("-0.5*y", -4, 1, "0").lines);
  EXPECT_NEAR(comma.steps, 500, 1);
  EXPECT_NEAR(comma.lines[0].dx(), 0.028, 1e-6);
  EXPECT_FLOAT_EQ(comma.lines[0].p1().x(), -4);
  // Zero curvature steps along the tangent.
  OdeDrawing flat = w.osculating("-y", 0, 0, "0");
  EXPECT_GE(flat.steps, 499);
  EXPECT_EQ(flat.lines.back().p2().y(), 0);
  // A circle far smaller than a step: the curve ends at once, without a message.
  OdeDrawing tight = w.osculating("1000", 0, 0, "0");
  EXPECT_TRUE(tight.steps == 0 && tight.failure.isEmpty());
  EXPECT_FALSE(w.osculating("foo(y)", 0, 0, "1").failure.isEmpty());
}

}  // namespace
