#include <gtest/gtest.h>

#include "qstring_print.h"

#include "geometry/line_tools.h"

namespace {

const QString kWrongValues = QStringLiteral("Sie haben falsche Werte eingegeben!");
const QString kWrongValue = QStringLiteral("Sie haben einen falschen Werte eingegeben!");

template <typename Result>
QString text(const Outcome<Result>& outcome) {
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    return QStringLiteral("refused: ") + refusal->message;
  }
  if constexpr (std::is_same_v<Result, Midpoint>) {
    const Midpoint& m = std::get<Midpoint>(outcome);
    return m.xm + QStringLiteral(" | ") + m.ym;
  } else {
    return std::get<Result>(outcome);
  }
}

QString refused(const QString& message) {
  return QStringLiteral("refused: ") + message;
}

TEST(PointSlopeForm, SlopeAsTypedThenAPlainPositiveOrFormattedNegativeIntercept) {
  EXPECT_EQ(text(pointSlopeForm("1", "5", "2")), "2x+3");
  EXPECT_EQ(text(pointSlopeForm("4", "0", "0,5")), "0,5x-2,0");
  EXPECT_EQ(text(pointSlopeForm("0", "0", "2")), "2x+0");
  EXPECT_EQ(text(pointSlopeForm("-0", "-0", "2")), "2x+0");
  EXPECT_EQ(text(pointSlopeForm("3", "1", "0,1")), "0,1x+0,7");
  EXPECT_EQ(text(pointSlopeForm("1", "0", "0,3333")), "0,3333x-0,333");
  EXPECT_EQ(text(pointSlopeForm("2", "1", "1.5")), "1.5x-2,0");
}

TEST(PointSlopeForm, RefusesWhatIsNotANumber) {
  for (auto [x, y, m] : {std::tuple{"", "1", "2"}, std::tuple{"1", "a", "2"},
                         std::tuple{"1", "2", "1,2,3"}, std::tuple{"1", "2", "--"}}) {
    EXPECT_EQ(text(pointSlopeForm(x, y, m)), refused(kWrongValues)) << x << y << m;
  }
  EXPECT_TRUE(std::holds_alternative<Refusal>(pointSlopeForm("1E+300", "0", "-1E+300")));
}

TEST(TwoPointForm, SlopeAsNumberTextAndTheInterceptAlwaysFormatted) {
  EXPECT_EQ(text(twoPointForm("1", "2", "3", "6")), "2x+0,0");
  EXPECT_EQ(text(twoPointForm("0", "1", "2", "0")), "-0,5x+1,0");
  EXPECT_EQ(text(twoPointForm("0", "-1,5", "1", "0")), "1,5x-1,5");
  EXPECT_EQ(text(twoPointForm("0", "2", "3", "2")), "0x+2,0");
  EXPECT_EQ(text(twoPointForm("0", "0", "3", "1")), "0,3333333x+0,0");
}

TEST(TwoPointForm, RefusesNonNumbersFirstThenAVerticalLine) {
  EXPECT_EQ(text(twoPointForm("1", "2", "1", "6")), refused("keine Funktion!"));
  EXPECT_EQ(text(twoPointForm("1", "x", "1", "6")), refused(kWrongValues));
  // A single-precision reading overflows.
  EXPECT_EQ(text(twoPointForm("1", "2", "1E+39", "6")), refused(kWrongValues));
  EXPECT_TRUE(std::holds_alternative<Refusal>(twoPointForm("0", "0", "1E-30", "1E+30")));
}

TEST(OrthogonalSlope, MinusTheReciprocalWithUpToThreeDecimals) {
  EXPECT_EQ(text(orthogonalSlope("2")), "-0,5");
  EXPECT_EQ(text(orthogonalSlope("3")), "-0,333");
  EXPECT_EQ(text(orthogonalSlope("-4")), "0,25");
  EXPECT_EQ(text(orthogonalSlope("0,5")), "-2,0");
  EXPECT_EQ(text(orthogonalSlope("1E+300")), "0,0");
  EXPECT_EQ(text(orthogonalSlope("zwei")), refused(kWrongValue));
  // A horizontal line's perpendicular is vertical.
  EXPECT_TRUE(text(orthogonalSlope("0")).contains("keine Funktion"));
  EXPECT_TRUE(text(orthogonalSlope("-0")).contains("keine Funktion"));
}

TEST(IntersectionAngle, SignedDegreesWithTheOldConstantForPi) {
  EXPECT_EQ(text(intersectionAngle("1", "0")), "-45,00000005142°");
  EXPECT_EQ(text(intersectionAngle("0", "1")), "45,00000005142°");
  EXPECT_EQ(text(intersectionAngle("0", "0")), "0°");
  EXPECT_EQ(text(intersectionAngle("0", "0,5")), "26,565051207433°");
}

TEST(IntersectionAngle, PerpendicularLinesGiveNinetyDegreesEitherWay) {
  EXPECT_EQ(text(intersectionAngle("2", "-0,5")), "90°");
  EXPECT_EQ(text(intersectionAngle("-0,5", "2")), "90°");
  EXPECT_EQ(text(intersectionAngle("0,5", "-2")), "90°");
  // -1/m2 rounds away from m1 here, but 1 + m1 m2 vanishes all the same.
  EXPECT_EQ(text(intersectionAngle("3", "-0,33333334")), "90°");
  EXPECT_EQ(text(intersectionAngle("a", "2")), refused(kWrongValue));
  EXPECT_TRUE(std::holds_alternative<Refusal>(intersectionAngle("3E+38", "-3E+38")));
}

TEST(Segment, LengthAndMidpoint) {
  EXPECT_EQ(text(segmentLength("0", "3", "0", "4")), "5");
  EXPECT_EQ(text(segmentLength("0", "0,1", "0", "0")), "0,1");
  EXPECT_EQ(text(segmentLength("1", "1", "2", "2")), "0");
  EXPECT_EQ(text(segmentLength("1", "1", "2", "")), refused(kWrongValues));
  EXPECT_TRUE(std::holds_alternative<Refusal>(segmentLength("0", "1E+300", "0", "0")));

  EXPECT_EQ(text(segmentMidpoint("1", "3", "2", "6")), "2 | 4");
  EXPECT_EQ(text(segmentMidpoint("-1", "1", "0,5", "0,5")), "0 | 0,5");
  EXPECT_EQ(text(segmentMidpoint("1E+308", "1E+308", "0", "0,1")), "1E+308 | 0,05");
  EXPECT_EQ(text(segmentMidpoint("1", "3", "2", "y")), refused(kWrongValues));
}

}  // namespace
