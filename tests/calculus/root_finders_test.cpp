#include <gtest/gtest.h>

#include <cmath>

#include "calculus/root_finders.h"
#include "engine/funktionswert.h"
#include "engine/number_text.h"
#include "engine/recording_engine.h"

namespace {

// The zero as shown (or "none") and the requests taken from [a, b] and the term's own end values.
std::pair<std::string, qsizetype> refine(const char* term, float a, float b) {
  RecordingEngine engine;
  const QString text = QString::fromLatin1(term);
  float ya = float(*Funktionswert(engine, text, a)), yb = float(*Funktionswert(engine, text, b));
  engine.requests.clear();
  const std::optional<float> zero = regulaFalsi(engine, text, a, ya, b, yb);
  return {zero ? numberText(*zero).toStdString() : "none", engine.requests.size()};
}

// Tiefpunkt of `term` from the bracket (a, m, b): the minimum and the requests.
std::pair<double, QStringList> minimum(const char* term, double a, double m, double b) {
  RecordingEngine engine;
  return {Tiefpunkt(engine, QString::fromLatin1(term), a, m, b), engine.requests};
}

TEST(RegulaFalsi, WorkedExampleMovesOnlyTheLeftEnd) {
  RecordingEngine engine;
  float x1 = 1, y1 = -1, x2 = 2, y2 = 2;
  const std::optional<float> zero = regulaFalsi(engine, QStringLiteral("x^2-2"), x1, y1, x2, y2);
  EXPECT_EQ(numberText(zero.value_or(0)), "1,414211");
  EXPECT_EQ(engine.requests.size(), 7);
  EXPECT_EQ(engine.requests.mid(0, 3),
            QStringList({"APPROX(SUBST(x^2-2,x,1.333333))", "APPROX(SUBST(x^2-2,x,1.4))",
                         "APPROX(SUBST(x^2-2,x,1.411765))"}));
  EXPECT_EQ(std::tuple(x1, x2, y2), std::tuple(zero.value_or(0), 2.0f, 2.0f));
}

// The first trial point is 1: the zero of x-1, the pole of 1/(x-1). Steep zeros stay above 1e-05
// in single precision (not 1,1, a 7-digit number) but their end values shrink. Trial points creep
// towards the pole of 1/x until the pass bound; at other poles and jumps they soon hit an end.
TEST(RegulaFalsi, FindsOrdinaryAndSteepZerosButNoneAtPolesOrJumps) {
  const std::tuple<const char*, float, float, const char*, qsizetype> cases[] = {
      {"x-1", 0, 3, "1", 1},
      {"1/(x-1)", 0, 2, "none", 1},
      {"1000000*(x-1,1)", 1.09f, 1.11f, "1,1", 200},
      {"1000000*(x-1,1234567)", 1.12f, 1.13f, "1,123457", 200},
      {"1000000*(x^3-2)", 1.2f, 1.3f, "1,259921", 200},
      {"1/x", -0.0117f, 0.0118f, "none", 1000},
      {"1/x", -1000, 0.001f, "none", 1000},
      {"tan(x)", 1.57f, 1.58f, "none", 200},
      {"tan(x)", 1, 2, "none", 200},
      {"1/(x-2)^3", 1.5f, 2.25f, "none", 200},
      {"floor(x)-0,5", 0.99f, 1.01f, "none", 200}};
  for (const auto& [term, a, b, zero, maxRequests] : cases) {
    const auto [shown, requests] = refine(term, a, b);
    EXPECT_EQ(shown, zero) << term << " from " << a;
    EXPECT_LE(requests, maxRequests) << term << " from " << a;
  }
}

TEST(LeadingNumber, ReadsTheLeadingNumberWithDecimalPoint) {
  const std::pair<const char*, double> cases[] = {
      {"-.5", -0.5}, {"1.5E-07", 1.5e-7}, {"2.5e3", 2500}, {"3E+2x", 300}, {"4E", 4}, {"2*x", 2},
      {"1,5", 1},    {" 7", 7},           {"1E-999", 0},   {"undef", 0},   {"", 0},   {"-", 0}};
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(text)), value) << '"' << text << '"';
}

// Tiny values come back in E notation and must compare by their exponent.
TEST(Tiefpunkt, NarrowsTheBracketToTheMinimum) {
  RecordingEngine engine;
  double xa = -1, xm = 0.5, xb = 3;
  const double x = Tiefpunkt(engine, QStringLiteral("x^2"), xa, xm, xb);
  EXPECT_EQ(engine.requests.size(), 36);
  EXPECT_TRUE(x == xm && xa <= x && x <= xb && xb - xa < 0.001) << xa << " " << xb;
  EXPECT_NEAR(x, 0, 0.001);
  EXPECT_NEAR(minimum("(x-0,3)^2/10^9", -2, 0, 5).first, 0.3, 0.001);
  EXPECT_NEAR(minimum("x^4-2x^2", 0.2, 0.5, 3).first, 1, 0.001);
}

TEST(Tiefpunkt, PlacesTheNewPointInTheLargerPartAndRightOnATie) {
  EXPECT_EQ(minimum("x^2", -1, 0.5, 3).second.value(1), "APPROX(SUBST(x^2,x,1.75))");
  EXPECT_EQ(minimum("x^2", -3, 0.5, 1).second.value(1), "APPROX(SUBST(x^2,x,-1.25))");
  EXPECT_EQ(minimum("x^2", -1, 0.5, 2).second.value(1), "APPROX(SUBST(x^2,x,1.25))");  // a tie
}

// Infinite or NaN ends and neighbouring doubles stop after one pass; a
// bracket too wide for 200 passes stops after them.
TEST(Tiefpunkt, EndsWhenTheBracketCannotShrink) {
  EXPECT_EQ(minimum("x^2", -INFINITY, 0, 1).second.size(), 2);
  EXPECT_EQ(minimum("x^2", NAN, 0, 1).second.size(), 2);
  EXPECT_EQ(minimum("x^2", 1e13, 1e13 + 0.001953125, 1e13 + 0.00390625).second.size(), 2);
  EXPECT_EQ(minimum("x^2", -1e300, 0, 1e300).second.size(), 400);
}

}  // namespace
