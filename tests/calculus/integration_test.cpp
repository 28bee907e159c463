#include <gtest/gtest.h>

#include "calculus/integration.h"
#include "engine/engine.h"

namespace {

TEST(Intersections, CountsCrossingsUpToThree) {
  Engine engine;
  struct Case {
    const char* difference;
    int count;
  };
  const Case cases[] = {
      {"(x^2+1)-(0)", 0},
      {"(x)-(1,5)", 1},
      {"(x+2)-(x^2)", 2},    // x = -1 and x = 2
      {"(x^3-4x)-(0)", 3},   // -2, 0 and 2: the scan stops at the third
      {"(sin(x))-(0)", 3},   // more than three: only three are searched
      {"(1/x)-(0)", 0},      // a pole is no crossing
  };
  for (const Case& c : cases) {
    Intersections found = findIntersections(engine, QString::fromUtf8(c.difference), -10, 10);
    EXPECT_TRUE(found.failure.isEmpty()) << c.difference;
    EXPECT_EQ(found.xs.size(), c.count) << c.difference;
  }
  Intersections parabola = findIntersections(engine, QStringLiteral("(x+2)-(x^2)"), -10, 10);
  ASSERT_EQ(parabola.xs.size(), 2);
  EXPECT_NEAR(parabola.xs[0], -1, 1e-5);
  EXPECT_NEAR(parabola.xs[1], 2, 1e-5);
}

TEST(Intersections, ReportsADifferenceWithoutValues) {
  Engine engine;
  Intersections found = findIntersections(engine, QStringLiteral("(sqrt(x))-(1)"), -10, 10);
  EXPECT_TRUE(found.failure.startsWith(QStringLiteral("Die Funktion lässt sich an der Stelle x = -10")));
}

TEST(Hatching, LinesRunFromTheAxisOrBetweenTheCurvesAtXticOver19) {
  Engine engine;
  ViewWindow view;  // -10..10, -9..9, tics 1
  PixelFrame frame = computePixelFrame(view, 600, 400);
  auto lines = std::get<QList<QLineF>>(hatchToAxis(engine, QStringLiteral("x^2"), 0, 2, view, frame));
  // 0, 1/19, ..., 2 up to rounding: 38 or 39 lines.
  EXPECT_GE(lines.size(), 38);
  EXPECT_LE(lines.size(), 39);
  EXPECT_FLOAT_EQ(lines.front().x1(), 294);
  EXPECT_FLOAT_EQ(lines.front().y1(), 196);  // the x axis
  EXPECT_NEAR(lines[19].x1(), 294 + 27.6, 1e-3);  // x = 1
  EXPECT_NEAR(lines[19].y2(), 196 + 64.0 / 3, 1e-3);  // y = 1

  // Between curves the loop runs a thirtieth of a tick past the upper limit.
  auto between = std::get<QList<QLineF>>(
      hatchBetween(engine, QStringLiteral("x+2"), QStringLiteral("x^2"), -1, 2, view, frame));
  EXPECT_EQ(between.size(), 58);  // -1 + 57/19 = 2.0 still below 2 + 1/30
  EXPECT_NEAR(between.front().y1(), 196 + 64.0 / 3, 1e-3);  // x^2 at -1
  EXPECT_NEAR(between.front().y2(), 196 + 64.0 / 3, 1e-3);  // x+2 at -1

  auto failed = hatchToAxis(engine, QStringLiteral("ln(x)"), -1, 1, view, frame);
  EXPECT_TRUE(std::holds_alternative<QString>(failed));
}

}  // namespace
