#include <gtest/gtest.h>

#include "numerics/spline.h"

namespace {

TEST(NaturalSpline, ThreePointsGiveTheTwoWorkedPieces) {
  auto pieces = naturalSpline({"0", "1", "2"}, {"0", "1", "0"});
  ASSERT_TRUE(pieces.has_value());
  ASSERT_EQ(pieces->size(), 2u);
  EXPECT_EQ((*pieces)[0].shown, (std::array<QString, 4>{"-0,5", "0,0", "1,5", "0,0"}));
  EXPECT_EQ((*pieces)[1].shown, (std::array<QString, 4>{"0,5", "-3,0", "4,5", "-1,0"}));
  EXPECT_EQ((*pieces)[0].term, QStringLiteral("((-0,5*x-0)*x+1,5)*x-0"));
  EXPECT_EQ((*pieces)[1].term, QStringLiteral("((0,5*x-3)*x+4,5)*x-1"));
}

TEST(NaturalSpline, PiecesMeetInThePointsWithSmoothJoins) {
  auto pieces = naturalSpline({"-2", "0", "1", "3", "4"}, {"1", "-1", "2", "0", "1"});
  ASSERT_TRUE(pieces.has_value());
  const double xs[] = {-2, 0, 1, 3, 4}, ys[] = {1, -1, 2, 0, 1};
  auto value = [](const SplinePiece& p, double x) {
    return ((p.coefficients[0] * x + p.coefficients[1]) * x + p.coefficients[2]) * x +
           p.coefficients[3];
  };
  auto slope = [](const SplinePiece& p, double x) {
    return (3 * p.coefficients[0] * x + 2 * p.coefficients[1]) * x + p.coefficients[2];
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(value((*pieces)[i], xs[i]), ys[i], 1e-5);
    EXPECT_NEAR(value((*pieces)[i], xs[i + 1]), ys[i + 1], 1e-5);
    if (i > 0) EXPECT_NEAR(slope((*pieces)[i - 1], xs[i]), slope((*pieces)[i], xs[i]), 1e-4);
  }
}

TEST(NaturalSpline, TwoPointsGiveTheLineAndBadTablesAreRefused) {
  auto line = naturalSpline({"1", "3"}, {"1", "5"});
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ((*line)[0].shown, (std::array<QString, 4>{"0,0", "0,0", "2,0", "-1,0"}));
  EXPECT_EQ((*line)[0].term, QStringLiteral("((0,0*x-0)*x+2)*x-1"));
  // The sign follows the value, the size the table: 0,00001 gives +0, 0 gives -0.
  auto tiny = naturalSpline({"0", "1"}, {"0", "0,00001"});
  EXPECT_EQ((*tiny)[0].term, QStringLiteral("((0,0*x-0)*x+0)*x-0"));
  EXPECT_FALSE(naturalSpline({"0", "0", "2"}, {"0", "1", "0"}));  // equal x values
  EXPECT_FALSE(naturalSpline({"0", "a"}, {"0", "1"}));
  EXPECT_FALSE(naturalSpline({"0"}, {"0"}));
}

}  // namespace
