#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "symbolic/ask.h"
#include "symbolic/number_format.h"

namespace {

// Each term is evaluated at many points twice: from its compiled form and by
// the algebra system with exact substitution. Both must agree on whether the
// point has a real value and, where it does, to 12 significant digits.
TEST(FastPath, AgreesWithTheAlgebraSystem) {
  const char* terms[] = {
      // polynomials
      "x^2-2x", "3x^3-2x^2+x-7", "(x-1)(x+2)(x-3)", "0.5x^4-1.5x^2", "x^7/5040", "-x^2+4",
      // rational functions with poles
      "1/x", "(x^2+1)/(x-1)", "1/(x^2-4)", "x/(x^2+1)", "(2x+1)/(x+0.5)^2",
      // trigonometric
      "sin(x)", "cos(2x)+sin(x/2)", "tan(x)", "cot(x)", "sin(x)^2+cos(x)^2", "x*sin(1/x)",
      "arcsin(x/5)", "acos(x/3)", "atan(x)",
      // exponential and logarithmic
      "e^x", "exp(-x^2)", "2^x", "x*e^(-x)", "ln(x)", "log(x)", "ln(abs(x))", "ln(x^2-1)",
      "sinh(x)", "cosh(x)-1", "tanh(x)",
      // roots and abs
      "sqrt(x)", "sqrt(4-x^2)", "x^(1/3)", "x^0.5", "abs(x-1)", "abs(x)^1.5", "sqrt(abs(x))",
      // nested and mixed
      "sin(exp(x/4))", "ln(1+sqrt(x^2+1))", "exp(sin(x))*cos(x)", "x^x", "(1+1/x)^x",
      "sign(x)*x^2", "floor(x)+ceil(x/2)", "pi*x^2/e",
  };
  int compared = 0;
  for (const char* term : terms) {
    for (double x = -6.3; x <= 6.3; x += 0.35) {
      char point[32];
      std::snprintf(point, sizeof point, "%.2f", x);
      std::string request = "APPROX(SUBST(" + std::string(term) + ",x," + point + "))";
      symbolic_set_fast_path(1);
      std::string fast = ask(request);
      symbolic_set_fast_path(0);
      std::string exact = ask(request);
      double a = symbolic::parseDecimal(fast), b = symbolic::parseDecimal(exact);
      ASSERT_EQ(std::isnan(a), std::isnan(b)) << request << ": " << fast << " vs " << exact;
      if (!std::isnan(a)) {
        EXPECT_LE(std::fabs(a - b), 1e-12 * std::max(1.0, std::fabs(b)))
            << request << ": " << fast << " vs " << exact;
      }
      ++compared;
    }
  }
  symbolic_set_fast_path(1);
  EXPECT_GT(compared, 1500);
}

// The point in every number form the program sends.
TEST(FastPath, ReadsEveryNumberFormOfThePoint) {
  const char* points[] = {"1.5", "-2.25", "1.5* 10 ^(-07)", "3.5* 10 ^(+12)", "1.5E-07", "+2",
                          "7", ".5"};
  for (const char* point : points) {
    std::string request = std::string("APPROX(SUBST(x^2+1,x,") + point + "))";
    symbolic_set_fast_path(1);
    std::string fast = ask(request);
    symbolic_set_fast_path(0);
    EXPECT_EQ(fast, ask(request)) << request;
  }
  symbolic_set_fast_path(1);
}

}  // namespace
