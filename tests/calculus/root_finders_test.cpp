#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "calculus/root_finders.h"
#include "engine/funktionswert.h"
#include "engine/number_text.h"
#include "engine/recording_engine.h"


namespace {

// Brackets [a, b] with the term's own values, as the caller finds them.
std::optional<float> refine(RecordingEngine& engine, const char* term, float a, float b) {
  const QString text = QString::fromLatin1(term);
  float ya = float(*Funktionswert(engine, text, a)), yb = float(*Funktionswert(engine, text, b));
  EXPECT_LT(ya * yb, 0) << term;
  engine.requests.clear();
  return regulaFalsi(engine, text, a, ya, b, yb);
}

TEST(RegulaFalsi, WorkedExampleMovesOnlyTheLeftEnd) {
  RecordingEngine engine;
  float x1 = 1, y1 = -1, x2 = 2, y2 = 2;
  const std::optional<float> zero = regulaFalsi(engine, QStringLiteral("x^2-2"), x1, y1, x2, y2);
  ASSERT_TRUE(zero);
  EXPECT_EQ(numberText(*zero), QStringLiteral("1,414211"));
  ASSERT_EQ(engine.requests.size(), 7);
  EXPECT_EQ(engine.requests.mid(0, 3),
            QStringList({QStringLiteral("APPROX(SUBST(x^2-2,x,1.333333))"),
                         QStringLiteral("APPROX(SUBST(x^2-2,x,1.4))"),
                         QStringLiteral("APPROX(SUBST(x^2-2,x,1.411765))")}));
  EXPECT_EQ(x1, *zero);
  EXPECT_EQ(x2, 2.0f);
  EXPECT_EQ(y2, 2.0f);
}

TEST(RegulaFalsi, StopsAtOnceOnZeroOrWhenTheEngineGivesNoValue) {
  // The first trial point is 1: the zero of x-1, the pole of 1/(x-1).
  const std::tuple<const char*, std::optional<float>, qsizetype> cases[] = {
      {"x-1", 1.0f, 1}, {"1/(x-1)", std::nullopt, 1}, {"foo(x)", std::nullopt, 1}};
  for (const auto& [term, result, requests] : cases) {
    RecordingEngine engine;
    float x1 = 0, y1 = -1, x2 = 3, y2 = 2;
    EXPECT_EQ(regulaFalsi(engine, QString::fromLatin1(term), x1, y1, x2, y2), result) << term;
    EXPECT_EQ(engine.requests.size(), requests) << term;
  }
}

// The steep ones never get below 1e-05 in single precision (except 1,1,
// itself a 7-digit number); their shrinking end values still show a zero.
TEST(RegulaFalsi, FindsOrdinaryAndSteepZeros) {
  const std::tuple<const char*, float, float, double, double> cases[] = {
      {"x^3-2x-5", 2, 3, 2.0945515, 1e-6},
      {"sin(x)", 3.1f, 3.2f, std::numbers::pi, 1e-5},
      {"x^2-2", 0, 5, std::numbers::sqrt2, 1e-5},
      {"1000000*(x-1,1)", 1.09f, 1.11f, 1.1, 1e-6},
      {"1000000*(x-1,1234567)", 1.12f, 1.13f, 1.1234567, 1e-6},
      {"1000000*(x^3-2)", 1.2f, 1.3f, std::cbrt(2.0), 1e-6}};
  for (const auto& [term, a, b, root, tolerance] : cases) {
    RecordingEngine engine;
    const std::optional<float> zero = refine(engine, term, a, b);
    ASSERT_TRUE(zero) << term;
    EXPECT_NEAR(*zero, root, tolerance) << term;
  }
}

// Trial points creep towards the pole of 1/x until the pass bound; the others
// end as soon as a trial point lands on an end of the bracket.
TEST(RegulaFalsi, ReportsNoZeroAtPolesAndJumpsAndStillEnds) {
  const std::tuple<const char*, float, float, qsizetype> cases[] = {
      {"1/x", -0.0117f, 0.0118f, 1000}, {"1/x", -1000, 0.001f, 1000},
      {"tan(x)", 1.57f, 1.58f, 200},    {"tan(x)", 1, 2, 200},
      {"1/(x-2)^3", 1.5f, 2.25f, 200},  {"floor(x)-0,5", 0.99f, 1.01f, 200}};
  for (const auto& [term, a, b, maxRequests] : cases) {
    RecordingEngine engine;
    EXPECT_FALSE(refine(engine, term, a, b)) << term << " from " << a;
    EXPECT_LE(engine.requests.size(), maxRequests) << term << " from " << a;
  }
}

TEST(LeadingNumber, ReadsTheLeadingNumberWithDecimalPoint) {
  const std::pair<const char*, double> cases[] = {
      {"-0.75", -0.75}, {"1.5E-07", 1.5e-7}, {"2*x", 2}, {"undef", 0}, {"", 0},       {"1,5", 1},
      {"-.5", -0.5},    {"3E+2x", 300},      {"4E", 4},  {" 7", 7},    {"1E-999", 0}, {"-", 0},
      {"2.5e3", 2500}};
  for (const auto& [text, value] : cases) {
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(text)), value) << '"' << text << '"';
  }
}

TEST(Tiefpunkt, WorkedExampleNarrowsToTheMinimumOfXSquared) {
  RecordingEngine engine;
  double xa = -1, xm = 0.5, xb = 3;
  const double x = Tiefpunkt(engine, QStringLiteral("x^2"), xa, xm, xb);
  ASSERT_EQ(engine.requests.size(), 36);
  EXPECT_EQ(engine.requests[0], QStringLiteral("APPROX(SUBST(x^2,x,0.5))"));
  EXPECT_EQ(engine.requests[1], QStringLiteral("APPROX(SUBST(x^2,x,1.75))"));
  EXPECT_LT(xb - xa, 0.001);
  EXPECT_EQ(x, xm);
  EXPECT_TRUE(xa <= x && x <= xb);
  EXPECT_LT(std::fabs(x), 0.001);
}

TEST(Tiefpunkt, PlacesTheNewPointInTheLargerPartAndRightOnATie) {
  const std::tuple<double, double, double, const char*> cases[] = {
      {-1, 0.5, 2, "1.25"}, {-3, 0.5, 1, "-1.25"}, {-1, 0, 3, "1.5"}};
  for (const auto& [a, m, b, first] : cases) {
    RecordingEngine engine;
    double xa = a, xm = m, xb = b;
    Tiefpunkt(engine, QStringLiteral("x^2"), xa, xm, xb);
    EXPECT_EQ(engine.requests[1], QStringLiteral("APPROX(SUBST(x^2,x,%1))").arg(first));
  }
}

// Tiny values come back in E notation and must compare by their exponent.
TEST(Tiefpunkt, FindsMinimaOfOtherTerms) {
  const std::tuple<const char*, double, double, double, double> cases[] = {
      {"(x-0,3)^2/10^9", -2, 0, 5, 0.3},
      {"cos(x)", 2, 3, 4.5, std::numbers::pi},
      {"x^4-2x^2", 0.2, 0.5, 3, 1}};
  for (const auto& [term, a, m, b, minimum] : cases) {
    Engine engine;
    double xa = a, xm = m, xb = b;
    EXPECT_NEAR(Tiefpunkt(engine, QString::fromLatin1(term), xa, xm, xb), minimum, 0.001) << term;
  }
}

// Infinite or NaN ends and neighbouring doubles stop after one pass; a
// bracket too wide for 200 passes stops after them.
TEST(Tiefpunkt, EndsWhenTheBracketCannotShrink) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::tuple<double, double, double, qsizetype> cases[] = {
      {-inf, 0, 1, 2},
      {std::nan(""), 0, 1, 2},
      {1e13, 1e13 + 0.001953125, 1e13 + 0.00390625, 2},
      {-1e300, 0, 1e300, 400}};
  for (const auto& [a, m, b, requests] : cases) {
    RecordingEngine engine;
    double xa = a, xm = m, xb = b;
    Tiefpunkt(engine, QStringLiteral("x^2"), xa, xm, xb);
    EXPECT_EQ(engine.requests.size(), requests) << a << " " << b;
  }
}

}  // namespace
