#include <gtest/gtest.h>

#include "qstring_print.h"

#include "geometry/parabola_tools.h"

namespace {

QString text(const Outcome<QString>& outcome) {
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) return "refused: " + refusal->message;
  return std::get<QString>(outcome);
}

// "x1 ; x2 ; xs ; ys ; normal form"
QString text(const Outcome<QuadraticSolution>& outcome) {
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) return "refused: " + refusal->message;
  const QuadraticSolution& s = std::get<QuadraticSolution>(outcome);
  const QString separator = QStringLiteral(" ; ");
  return s.x1 + separator + s.x2 + separator + s.xs + separator + s.ys + separator + s.normalForm;
}

TEST(NormalForm, ExpandsTheVertexFormWithFormattedCoefficients) {
  EXPECT_EQ(text(normalForm("2", "1", "3")), "2x^2-4,0x+5,0");
  EXPECT_EQ(text(normalForm("1", "0", "0")), "1x^2+0,0x+0,0");
  EXPECT_EQ(text(normalForm("-1", "0", "0")), "-1x^2+0,0x+0,0");
  EXPECT_EQ(text(normalForm("0,5", "2", "-1")), "0,5x^2-2,0x+1,0");
  EXPECT_EQ(text(normalForm("1", "-1,2345", "0")), "1x^2+2,469x+1,524");
  EXPECT_EQ(text(normalForm("1", "", "0")), "refused: Sie haben falsche Werte eingegeben!");
  EXPECT_EQ(text(normalForm("a", "1", "0")), "refused: Sie haben falsche Werte eingegeben!");
  EXPECT_TRUE(std::holds_alternative<Refusal>(normalForm("1E+300", "1E+300", "0")));
}

TEST(SolveQuadratic, RealRootsSmallerFirstWithTheVertex) {
  EXPECT_EQ(text(solveQuadratic("1", "-3", "2")), "1,000 ; 2,000 ; 1,500 ; -0,250 ; 1x^2-3x+2");
  EXPECT_EQ(text(solveQuadratic("-2", "0", "8")), "-2,000 ; 2,000 ; 0,000 ; 8,000 ; -2x^2+0x+8");
  EXPECT_EQ(text(solveQuadratic("1", "2", "1")), "-1,000 ; -1,000 ; -1,000 ; 0,000 ; 1x^2+2x+1");
  EXPECT_EQ(text(solveQuadratic("0,5", "1,5", "-1")),
            "-3,562 ; 0,562 ; -1,500 ; -2,125 ; 0,5x^2+1,5x-1");
}

TEST(SolveQuadratic, ComplexRootsAsRealPartPlusMinusImaginaryPart) {
  EXPECT_EQ(text(solveQuadratic("1", "0", "1")),
            "0,000+1,000i ; 0,000-1,000i ; 0,000 ; 1,000 ; 1x^2+0x+1");
  EXPECT_EQ(text(solveQuadratic("1", "2", "5")),
            "-1,000+2,000i ; -1,000-2,000i ; -1,000 ; 4,000 ; 1x^2+2x+5");
}

TEST(SolveQuadratic, RefusesNonNumbersALinearEquationAndOverflow) {
  EXPECT_EQ(text(solveQuadratic("1", "b", "2")), "refused: Sie haben falsche Werte eingegeben!");
  EXPECT_TRUE(text(solveQuadratic("0", "2", "1")).contains("nicht quadratisch"));
  EXPECT_TRUE(std::holds_alternative<Refusal>(solveQuadratic("1E-300", "1E+300", "1")));
}

}  // namespace
