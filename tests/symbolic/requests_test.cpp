#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "symbolic/ask.h"
#include "symbolic/number_format.h"
#include "symbolic/symbolic.h"

namespace {

TEST(CallContract, LongAnswerIsReportedAndFetchedWhole) {
  std::string request = "TAYLOR(exp(x),x,0,12)";
  std::string whole = ask(request);
  ASSERT_GT(whole.size(), 40u);
  for (int32_t capacity : {0, 1, 10, static_cast<int32_t>(whole.size())}) {
    std::vector<char> buffer(64, '#');
    EXPECT_EQ(symbolic_calculate(request.data(), buffer.data(), capacity),
              -static_cast<int32_t>(whole.size()));
    EXPECT_TRUE(capacity == 0 || buffer[0] == '\0') << capacity;
    for (size_t i = capacity; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], '#') << capacity;
  }
  std::vector<char> room(whole.size() + 1);
  ASSERT_EQ(symbolic_calculate(request.data(), room.data(), room.size()),
            static_cast<int32_t>(whole.size()));
  EXPECT_EQ(std::string(room.data()), whole);
  // Null buffers: an error text for no request, the length negated for no room.
  std::vector<char> buffer(200);
  const int32_t length = symbolic_calculate(nullptr, buffer.data(), buffer.size());
  EXPECT_EQ(length, static_cast<int32_t>(std::strlen(buffer.data())));
  EXPECT_TRUE(isError(buffer.data())) << buffer.data();
  std::string two = "APPROX(SUBST(x,x,2))";
  EXPECT_EQ(symbolic_calculate(two.data(), nullptr, 200), -1);
}

TEST(CallContract, LongRequestIsInterruptedAndTheEngineGoesOn) {
  symbolic_set_time_limit(300);
  auto start = std::chrono::steady_clock::now();
  std::string answer = ask("INT(sin(x)^300*cos(x)^300,x)");
  auto elapsed = std::chrono::steady_clock::now() - start;
  symbolic_set_time_limit(5000);
  EXPECT_EQ(answer, "Fehler: Zeitlimit überschritten");
  EXPECT_LT(elapsed, std::chrono::seconds(3));
  EXPECT_EQ(ask("INT(x^2,x,0,2)"), "8/3");
  EXPECT_EQ(ask("diff(x^3,x)"), "3*x^2");
}

// Deep trees would exhaust the stack in the recursive walks over a term.
TEST(CallContract, OverlongChainsAndSignRunsAreRefusedNotCrashed) {
  std::string sum;
  for (int i = 0; i < 900; ++i) sum += "x+";
  EXPECT_EQ(ask("diff(" + sum + "1,x)"), "900");
  EXPECT_EQ(ask("APPROX(SUBST(" + sum + "1,x,2))"), "1801");
  for (int i = 0; i < 20000; ++i) sum += "x+";
  for (const std::string& request :
       {"diff(" + sum + "1,x)", "APPROX(SUBST(" + sum + "1,x,2))",
        "diff(" + std::string(100000, '-') + "x,x)", "diff(" + std::string(100000, '+') + "x,x)",
        "APPROX(SUBST(2" + std::string(50000, 'x') + ",x,1))",
        "diff(x" + std::string(5000, '^') + ",x)"}) {
    EXPECT_TRUE(isError(ask(request))) << request.substr(0, 40);
  }
  EXPECT_EQ(ask("diff(x^3,x)"), "3*x^2");
}

// The same request from the compiled form of the term and from the algebra system.
std::pair<std::string, std::string> bothPaths(const std::string& request) {
  symbolic_set_fast_path(1);
  std::string fast = ask(request);
  symbolic_set_fast_path(0);
  std::string exact = ask(request);
  symbolic_set_fast_path(1);
  return {fast, exact};
}

// Both paths must agree on whether a point has a real value and, where it does, to 12
// significant digits; on points in every number form the program sends, letter for letter.
TEST(FastPath, AgreesWithTheAlgebraSystem) {
  std::istringstream terms(
      "x^2-2x 3x^3-2x^2+x-7 (x-1)(x+2)(x-3) 0.5x^4-1.5x^2 x^7/5040 -x^2+4 1/x (x^2+1)/(x-1) "
      "1/(x^2-4) x/(x^2+1) (2x+1)/(x+0.5)^2 sin(x) cos(2x)+sin(x/2) tan(x) cot(x) "
      "sin(x)^2+cos(x)^2 x*sin(1/x) arcsin(x/5) acos(x/3) atan(x) e^x exp(-x^2) 2^x x*e^(-x) "
      "ln(x) log(x) ln(abs(x)) ln(x^2-1) sinh(x) cosh(x)-1 tanh(x) sqrt(x) sqrt(4-x^2) x^(1/3) "
      "x^0.5 abs(x-1) abs(x)^1.5 sqrt(abs(x)) sin(exp(x/4)) ln(1+sqrt(x^2+1)) "
      "exp(sin(x))*cos(x) x^x (1+1/x)^x sign(x)*x^2 sign(x)+x floor(x)+ceil(x/2) pi*x^2/e");
  int compared = 0;
  for (std::string term; terms >> term;) {
    for (double x = -6.3; x <= 6.3; x += 0.35, ++compared) {
      char point[32];
      std::snprintf(point, sizeof point, "%.2f", x);
      const std::string request = "APPROX(SUBST(" + term + ",x," + point + "))";
      const auto [fast, exact] = bothPaths(request);
      double a = symbolic::parseDecimal(fast), b = symbolic::parseDecimal(exact);
      ASSERT_EQ(std::isnan(a), std::isnan(b)) << request << ": " << fast << " vs " << exact;
      if (!std::isnan(a)) {
        EXPECT_LE(std::fabs(a - b), 1e-12 * std::max(1.0, std::fabs(b))) << request << ": " << fast;
      }
    }
  }
  EXPECT_GT(compared, 1500);
  for (const char* point :
       {"1.5", "-2.25", "1.5* 10 ^(-07)", "3.5* 10 ^(+12)", "1.5E-07", "+2", "7", ".5"}) {
    const auto [fast, exact] = bothPaths(std::string("APPROX(SUBST(x^2+1,x,") + point + "))");
    EXPECT_EQ(fast, exact) << point;
  }
  // A family's member, SUBST(term,t,value): one compiled term for every value, whose
  // letter stands for nothing else (the t of sqrt and tan stays a function).
  for (const char* family : {"x^3-t*x", "sqrt(x)-t*x", "tan(x)+t", "x^t", "(x-t)*e^x",
                             "a*sin(x)", "SUBST(x,t,2)*t"}) {
    const std::string letter = family[0] == 'a' ? "a" : "t";
    for (const char* value : {"-1.5", "0", "2", "0.5* 10 ^(-07)"}) {
      for (double x : {-2.5, -0.2, 0.0, 0.7, 3.1}) {
        char point[32];
        std::snprintf(point, sizeof point, "%.2f", x);
        const std::string request = std::string("APPROX(SUBST(SUBST(") + family + "," + letter +
                                    "," + value + "),x," + point + "))";
        const auto [fast, exact] = bothPaths(request);
        const double a = symbolic::parseDecimal(fast), b = symbolic::parseDecimal(exact);
        ASSERT_EQ(std::isnan(a), std::isnan(b)) << request << ": " << fast << " vs " << exact;
        if (!std::isnan(a)) {
          EXPECT_LE(std::fabs(a - b), 1e-12 * std::max(1.0, std::fabs(b))) << request;
        }
      }
    }
  }
}

// Decimals are exact rationals, so SUBST answers feed later requests; pupils' spellings (any
// case, juxtaposition, ** and ^-1) are read. Angles with a large denominator stay as they are:
// Giac's simplify turned them into roots of unity of the denominator's degree (half a minute
// and 2 GB each, past the time limit, which does not reach into that computation). A Fourier
// series a0/2 + sum of a_k cos(k w x) + b_k sin(k w x), w = 2 pi / (t2 - t1), has the
// coefficients worked out by hand; over an undefined interval it is undefined (Giac's
// integrator used to recurse on these until the stack overflowed). Any request holding undef
// is undef.
TEST(Requests, AnswerTheProgramsRequestForms) {
  std::istringstream table(R"(
    APPROX(SUBST(x^2-2x,x,1.5))  -0.75               SUBST(x^2-2x,x,1.5)      -3/4
    APPROX(-3/4)                 -0.75               SUBST(x^2-2x,x,0.1)      -19/100
    diff(x^2-2x,x,2)             2                   diff(x^2-2x,x,3)         0
    diff(-x^2-2x,x)              -2*x-2              INT(x^2,x,0,2)           8/3
    approx(8/3)                  2.66666666666667    diff(0^x,x)              undef
    TAYLOR(sin(x),x,0,5)         x-x^3/6+x^5/120     TAYLOR(exp(x),x,0,3)     1+x+x^2/2+x^3/6
    APPROX(3)                    3                   APPROX(1.5*10^(-07))     1.5E-07
    APPROX(2.5*10^(+12))         2500000000000       APPROX(1*10^(20))        1E+20
    SUBST(x+y*ystr,x,1)          1+y*ystr            SUBST(1+y*ystr,ystr,0.5) 1+y/2
    APPROX(SUBST(SIN(x),x,1))    0.841470984807897   APPROX(SUBST(2x,x,3))    6
    APPROX(SUBST(Sin(x)+COS(x),x,0))  1              APPROX(SUBST(3sin(x),x,0))   0
    APPROX(SUBST(x(x+1),x,2))    6                   APPROX(SUBST(2(x+1),x,2))    6
    APPROX(SUBST((x+1)(x-1),x,3))  8                 APPROX(SUBST(2x^2,x,3))      18
    APPROX(SUBST(-x^2,x,3))      -9                  APPROX(SUBST(2^-1,x,0))      0.5
    APPROX(SUBST(x**2,x,3))      9                   APPROX(SUBST(X^2,X,3))       9
    APPROX(SUBST(e^x,x,1))       2.71828182845905    APPROX(SUBST(2e^x,x,0))      2
    APPROX(SUBST(PI*x,x,1))      3.14159265358979    APPROX(SUBST(ln(e),x,1))     1
    APPROX(SUBST(log(x),x,1000)) 3                   APPROX(SUBST(tan(x)*cot(x),x,1)) 1
    APPROX(SUBST(exp(x)+sqrt(x)+abs(x),x,4))    60.5981500331442
    APPROX(SUBST(arcsin(x)+acos(x),x,0.5))      1.5707963267949
    APPROX(SUBST(arctan(x),x,1))                0.785398163397448
    FOURIER(x,x,0,1,1)                          1/2-sin(2*pi*x)/pi
    FOURIER(x^2,x,-1,1,2)                       1/3-4*cos(pi*x)/pi^2+cos(2*pi*x)/pi^2
    FOURIER(x,x,-3.14,3.14,3)    157*sin(50*pi*x/157)/(25*pi)-157*sin(100*pi*x/157)/(50*pi)+157*sin(150*pi*x/157)/(75*pi)
    FOURIER(exp(x),x,0,1,1)      e-1+(2*e-2)*cos(2*pi*x)/(4*pi^2+1)+(-4*pi*e+4*pi)*sin(2*pi*x)/(4*pi^2+1)
    diff(x*sin(pi/5),x)                         sqrt(-2*sqrt(5)+10)/4
    diff(x*sin(2158*pi/20001707),x)             sin(2158*pi/20001707)
    INT(cos(x)*sin(2158*pi/20001707),x)         sin(2158*pi/20001707)*sin(x)
    diff(x*tan(2158*pi/20001707),x)             tan(2158*pi/20001707)
    diff(x*exp(i*2158*pi/20001707),x)           exp((2158*i)*pi/20001707)
    FOURIER(sin(2158*pi/20001707)*x,x,0,1,1)    sin(2158*pi/20001707)/2-sin(2158*pi/20001707)*sin(2*pi*x)/pi
    FOURIER(x,x,0infinity,0,3)   undef               FOURIER(x,x,undef,0,1)       undef
    FOURIER(1,x,0,undef,1)       undef               FOURIER(x,x,0,undef*y,1)     undef
    FOURIER(x,x,0,y^undef,1)     undef               2*FOURIER(x,x,0,undef,1)     undef
    FOURIER(x,x,0,infinity,1)    undef               FOURIER(x,x,undef,0,0)       undef
    diff(x*cos(undef),x)         undef               INT(x,x,0*infinity,0)        undef
    FOURIER(x,x,0,sign(infinity-infinity),1)    undef
    FOURIER(x,x,0,1+0*FOURIER(x,x,undef,0,1),1) undef
  )");
  int rows = 0;
  for (std::string request, answer; table >> request >> answer; ++rows) {
    EXPECT_EQ(ask(request), answer) << request;
  }
  EXPECT_EQ(rows, 61);
  // Blanks as the program writes them into requests, and trailing ones of a fixed-length buffer.
  EXPECT_EQ(ask("SUBST(x*y, x, 1.5)"), "3*y/2");
  EXPECT_EQ(ask("SUBST(3*y/2, y, 2)"), "3");
  EXPECT_EQ(ask("APPROX(1.5* 10 ^(-07))"), "1.5E-07");
  EXPECT_EQ(ask("APPROX(SUBST(x^2,x,3))          "), "9");
  // A Fourier series over [-100003.14, 5.395] has such angles in every coefficient.
  const std::string series = ask("FOURIER(x, x,-100003.14,41.5.13,3)");
  EXPECT_EQ(series.rfind("-19999549/400+", 0), 0u) << series;
  EXPECT_NE(series.find("sin(2158*pi/20001707)"), std::string::npos) << series;
  EXPECT_EQ(ask("2*FOURIER(x, x,-100003.14,41.5.13,3)"), "2*(" + series + ")");
}

// Neither "undef" nor an error text may read as a number, and nothing worse
// than such a text may come back.
TEST(Requests, AnswerNonNumbersWhereThereIsNoRealValue) {
  std::istringstream requests(
      "APPROX(SUBST(1/x,x,0)) APPROX(SUBST(sqrt(x),x,-1)) APPROX(SUBST(ln(x),x,0)) "
      "APPROX(SUBST(ln(x),x,-2)) APPROX(SUBST(foo(x),x,1)) APPROX(SUBST(x^^2,x,1)) "
      "APPROX(SUBST(2*(x,x,1)) APPROX(SUBST(x^2,x,)) APPROX(SUBST(0^x,x,0)) "
      "APPROX(SUBST(x^(1/3),x,-8)) APPROX(SUBST(asin(x),x,2)) APPROX(SUBST(exp(x),x,1000)) "
      "APPROX(SUBST(y,x,1)) APPROX(SUBST(x,x,1e99999)) APPROX() SUBST(x,2,3) diff(x^2,x,-1) "
      "TAYLOR(sin(x),x,0,n) system(1) APPROX(SUBST(x;x,1)) APPROX(SUBST(x,x,1)");
  int asked = 0;
  for (std::string request; asked == 0 || requests >> request; ++asked) {  // "" first
    const std::string answer = ask(request);
    EXPECT_TRUE(!answer.empty() && std::isnan(symbolic::parseDecimal(answer)))
        << request << " -> " << answer;
  }
  EXPECT_EQ(asked, 22);
}

}  // namespace
