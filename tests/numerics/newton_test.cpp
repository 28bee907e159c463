#include <gtest/gtest.h>

#include "numerics/newton.h"

namespace {

TEST(NewtonPolynomial, WritesTheTermAsAPupilReadsIt) {
  struct Case {
    QStringList xs, ys;
    const char* term;
  };
  const Case cases[] = {
      {{"1", "2", "4"}, {"2", "3", "1"}, "2+1,0*(x-1,0)-0,667*(x-1,0)*(x-2,0)"},
      {{"-1", "0", "1"}, {"0", "1", "0"}, "0+1,0*(x+1)-1,0*(x+1)*(x+0)"},
      {{"1", "3"}, {"1", "5"}, "1+2,0*(x-1,0)"},
      {{"1", "3"}, {"2,50", "2,5"}, "2,50+0,0*(x-1,0)"},  // first y as typed, +0,0
      {{"0,5", "1,5"}, {"0", "1"}, "0+1,0*(x-0,5)"},
  };
  for (const Case& c : cases) {
    std::optional<NewtonPolynomial> p = newtonPolynomial(c.xs, c.ys);
    ASSERT_TRUE(p.has_value()) << c.term;
    EXPECT_EQ(p->term.toStdString(), c.term);
  }
  std::optional<NewtonPolynomial> p = newtonPolynomial({"1", "2", "4"}, {"2", "3", "1"});
  EXPECT_DOUBLE_EQ(p->coefficients[1], 1);
  EXPECT_NEAR(p->coefficients[2], -2.0 / 3, 1e-12);
}

TEST(NewtonPolynomial, RefusesTablesItCannotInterpolate) {
  EXPECT_FALSE(newtonPolynomial({"1", "1"}, {"2", "3"}));      // equal x values
  EXPECT_FALSE(newtonPolynomial({"1", "2"}, {"2", ""}));       // empty y
  EXPECT_FALSE(newtonPolynomial({"1", "a"}, {"2", "3"}));      // x is no number
  EXPECT_FALSE(newtonPolynomial({"1", "2"}, {"1,2,3", "3"}));  // y is no number
}

}  // namespace
