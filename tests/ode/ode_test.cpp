#include <gtest/gtest.h>

#include <cmath>

#include "engine/recording_engine.h"
#include "ode/osculating_curve.h"
#include "ode/slope_field.h"

namespace {

struct Window {
  ViewWindow view;
  PixelFrame frame;
  explicit Window(ViewWindow v = ViewWindow()) : view(v), frame(computePixelFrame(v, 600, 400)) {}
  // World point of a canvas point.
  QPointF world(const QPointF& p) const {
    return QPointF(view.xmin + (p.x() - frame.pixLinks) / frame.massX,
                   view.ymin + (p.y() - frame.pixUnten) / frame.massY);
  }
};

TEST(SlopeField, AsksThreeRequestsWithBlankSeparators) {
  RecordingEngine engine;
  EXPECT_EQ(slopeAt(engine, QStringLiteral("x*y"), QStringLiteral("1,5"), QStringLiteral("2")), 3.0);
  EXPECT_EQ(engine.requests,
            QStringList({"SUBST(x*y, x, 1.5)", "SUBST(3*y/2, y, 2)", "APPROX(3)"}));
}

TEST(SlopeField, GridStartsOneTickInsideAndStepsOneUnit) {
  Engine engine;
  Window w;
  OdeDrawing field = slopeField(engine, QStringLiteral("x*y"), w.view, w.frame);
  ASSERT_EQ(field.lines.size(), 19 * 17);
  EXPECT_TRUE(field.failure.isEmpty());
  QPointF first = w.world(field.lines.front().center());
  QPointF last = w.world(field.lines.back().center());
  EXPECT_NEAR(first.x(), -9, 1e-4);
  EXPECT_NEAR(first.y(), -8, 1e-4);
  EXPECT_NEAR(last.x(), 9, 1e-4);
  EXPECT_NEAR(last.y(), 8, 1e-4);

  ViewWindow shifted;
  shifted.xmin = 0.5f;
  Window s(shifted);
  OdeDrawing columns = slopeField(engine, QStringLiteral("0"), s.view, s.frame);
  EXPECT_NEAR(s.world(columns.lines.front().center()).x(), 1.5, 1e-4);
  EXPECT_EQ(columns.lines.size(), 8 * 17);  // 1,5 to 8,5

  ViewWindow narrow;
  narrow.xmin = 0;
  narrow.xmax = 1.5f;
  Window n(narrow);
  EXPECT_TRUE(slopeField(engine, QStringLiteral("x"), n.view, n.frame).lines.isEmpty());
}

TEST(SlopeField, MarksAreOneUnitLongAlongTheSlope) {
  Engine engine;
  Window w;
  for (const QLineF& mark : slopeField(engine, QStringLiteral("0"), w.view, w.frame).lines) {
    ASSERT_FLOAT_EQ(mark.y1(), mark.y2());
    ASSERT_NEAR(mark.dx(), w.frame.massX, 1e-3);
  }
  // On the axes the marks of x*y are horizontal.
  OdeDrawing field = slopeField(engine, QStringLiteral("x*y"), w.view, w.frame);
  const QLineF& onXAxis = field.lines[8];  // x = -9, y = 0
  EXPECT_NEAR(w.world(onXAxis.center()).y(), 0, 1e-4);
  EXPECT_FLOAT_EQ(onXAxis.y1(), onXAxis.y2());
}

TEST(SlopeField, RefusesAFieldWithTooManyMarks) {
  Engine engine;
  ViewWindow huge;
  huge.xmin = -1000;
  huge.xmax = 1000;
  Window w(huge);
  OdeDrawing field = slopeField(engine, QStringLiteral("x"), w.view, w.frame);
  EXPECT_TRUE(field.lines.isEmpty());
  EXPECT_FALSE(field.failure.isEmpty());
}

TEST(EulerCurve, StepsAFiftiethOfATickBothWays) {
  Engine engine;
  Window w;
  OdeDrawing curve = eulerCurve(engine, QStringLiteral("0"), 0, QStringLiteral("1"), w.view, w.frame);
  EXPECT_TRUE(curve.failure.isEmpty());
  EXPECT_GE(curve.steps, 1000);
  EXPECT_LE(curve.steps, 1002);
  ViewWindow fine;
  fine.xtic = 0.5f;
  Window f(fine);
  int halved = eulerCurve(engine, QStringLiteral("0"), 0, QStringLiteral("1"), f.view, f.frame).steps;
  EXPECT_NEAR(halved, 2 * curve.steps, 4);
  // y' = y from (0; 1) follows e^x: after one unit about e (Euler lags a little).
  OdeDrawing growth = eulerCurve(engine, QStringLiteral("y"), 0, QStringLiteral("1"), w.view, w.frame);
  EXPECT_NEAR(w.world(growth.lines[49].p2()).y(), std::exp(1.0), 0.03);
  // Starting at xmax: no forward steps, only backward ones.
  EXPECT_NEAR(eulerCurve(engine, QStringLiteral("0"), 10, QStringLiteral("0"), w.view, w.frame).steps,
              1000, 1);
}

TEST(EulerCurve, StopsWhereTheSlopeHasNoValue) {
  Engine engine;
  Window w;
  // sqrt(-x) has no value right of 0: about 50 steps from -1, then a message.
  OdeDrawing curve = eulerCurve(engine, QStringLiteral("sqrt(-x)"), -1, QStringLiteral("0"), w.view, w.frame);
  EXPECT_TRUE(curve.failure.startsWith(QStringLiteral("Die Steigung lässt sich im Punkt (")))
      << curve.failure.toStdString();
  EXPECT_GE(curve.steps, 50);  // what was computed before stays
  EXPECT_LE(curve.steps, 51);
}

TEST(SecondOrder, AsksFourRequestsWithTheTermInEngineNotation) {
  RecordingEngine engine;
  EXPECT_EQ(secondDerivativeAt(engine, QStringLiteral("-2*ystr-0,5*y"), QStringLiteral("0"),
                               QStringLiteral("2"), QStringLiteral("1")),
            -3.0f);
  ASSERT_EQ(engine.requests.size(), 4);
  EXPECT_EQ(engine.requests[0], QStringLiteral("SUBST(-2*ystr-0.5*y,x,0)"));
  EXPECT_TRUE(engine.requests[1].endsWith(QStringLiteral(",y,2)")));
  EXPECT_TRUE(engine.requests[2].endsWith(QStringLiteral(",ystr,1)")));
  EXPECT_TRUE(engine.requests[3].startsWith(QStringLiteral("APPROX(")));
}

TEST(SecondOrder, ConstantCurvatureTracesTheParabola) {
  Engine engine;
  Window w;
  OdeDrawing curve = osculatingCurve(engine, QStringLiteral("2"), 0, 0, QStringLiteral("0"), w.view, w.frame);
  EXPECT_TRUE(curve.failure.isEmpty());
  EXPECT_GE(curve.steps, 499);
  EXPECT_LE(curve.steps, 501);
  // The first circle has radius 0,5 around (0; 0,5): the first step lands on it.
  QPointF step = w.world(curve.lines.front().p2());
  EXPECT_NEAR(std::hypot(step.x() - 0, step.y() - 0.5), 0.5, 1e-4);
  for (int i : {49, 99, 149}) {
    QPointF p = w.world(curve.lines[i].p2());
    EXPECT_NEAR(p.y(), p.x() * p.x(), 0.05 * p.x() * p.x()) << i;
  }
}

TEST(SecondOrder, DecimalCommaGivesTheSameCurve) {
  Engine engine;
  Window w;
  OdeDrawing comma = osculatingCurve(engine, QStringLiteral("-0,5*y"), -10, 1, QStringLiteral("0"), w.view, w.frame);
  OdeDrawing point = osculatingCurve(engine, QStringLiteral("-0.5*y"), -10, 1, QStringLiteral("0"), w.view, w.frame);
  EXPECT_EQ(comma.lines, point.lines);
  EXPECT_NEAR(comma.steps, 500, 1);  // steps of 0,04 from xmin
}

TEST(SecondOrder, ZeroCurvatureStepsAlongTheTangentAndNoRealRootEnds) {
  Engine engine;
  Window w;
  OdeDrawing flat = osculatingCurve(engine, QStringLiteral("-y"), 0, 0, QStringLiteral("0"), w.view, w.frame);
  EXPECT_GE(flat.steps, 499);
  EXPECT_NEAR(w.world(flat.lines.back().p2()).y(), 0, 1e-5);
  // A circle far smaller than a step: the curve ends at once, without a message.
  OdeDrawing tight = osculatingCurve(engine, QStringLiteral("1000"), 0, 0, QStringLiteral("0"), w.view, w.frame);
  EXPECT_EQ(tight.steps, 0);
  EXPECT_TRUE(tight.failure.isEmpty());
  OdeDrawing faulty = osculatingCurve(engine, QStringLiteral("foo(y)"), 0, 0, QStringLiteral("1"), w.view, w.frame);
  EXPECT_FALSE(faulty.failure.isEmpty());
}

}  // namespace
