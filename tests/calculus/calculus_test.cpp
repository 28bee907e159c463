#include "calculus/curve_discussion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calculus/derivatives.h"
#include "calculus/integration.h"
#include "calculus/root_finders.h"
#include "engine/number_text.h"
#include "engine/recording_engine.h"
#include "qstring_print.h"

namespace {

QStringList discuss(Engine& engine, const QString& f) {
  const EngineTerm term = EngineTerm::asIs(f);
  Derivatives d = formDerivatives(engine, term);
  return Kurvendiskussion(engine, {term, d.first, d.second}, -10, 10).lines;
}

EngineTerm user(const char* text) {
  return EngineTerm::fromUser(QString::fromUtf8(text));
}

QStringList discuss(const char* f) {
  Engine engine;
  return discuss(engine, f);
}

const QStringList kHeadings = {"Nullstellen:", "", "Extrema:", "", "Wendepunkte:"};

TEST(Antiderivative, GetsItsConstantUnlessTheEngineFails) {
  Engine engine;
  EXPECT_EQ(antiderivative(engine, user("x^2")), "x^3/3 + C");
  EXPECT_EQ(antiderivative(engine, user("exp(x^2)")), "Fehler: keine elementare Stammfunktion");
}

// Points are numbered on across the sections. The zero of x+10 is the first sample itself:
// its product is 0, no sign change. A pole is no zero.
TEST(CurveDiscussion, ListsZerosExtremaAndInflectionPoints) {
  const std::pair<const char*, QStringList> cases[] = {
      {"x^2-2x-3",
       {"Nullstellen:", "  N:  x(1)= -1,0", "  N:  x(2)= 3,0", "",
        "Extrema:", "  TP: x(3)= 1,0  y(3)= -4,0", "", "Wendepunkte:"}},
      {"x^2-2x+1",
       {"Nullstellen:", "  BP: x(1)= 1,0", "", "Extrema:", "  TP: x(2)= 1,0  y(2)= 0,0", "",
        "Wendepunkte:"}},
      {"x^3-3x",
       {"Nullstellen:", "  N:  x(1)= -1,732", "  N:  x(2)= 0,0", "  N:  x(3)= 1,732", "",
        "Extrema:", "  HP: x(4)= -1,0  y(4)= 2,0", "  TP: x(5)= 1,0  y(5)= -2,0", "",
        "Wendepunkte:", "  WP: x(6)= 0,0  y(6)= 0,0"}},
      {"x+10", kHeadings},
      {"1/x", kHeadings}};
  for (const auto& [f, lines] : cases) EXPECT_EQ(discuss(f), lines) << f;
}

// An engine that cannot evaluate f itself: points that need f's value are
// left out rather than listed with a value of an earlier point.
class NoValuesOfF : public Engine {
 public:
  std::string_view requestBytes(std::string_view text, int32_t capacity = kCapacity) override {
    if (text.starts_with("APPROX(SUBST(x^2-2x+1,")) return "undef";
    return Engine::requestBytes(text, capacity);
  }
};

TEST(CurveDiscussion, LeavesOutPointsWithoutValuesAndDoesNotScanATermOfAnotherVariable) {
  NoValuesOfF noValues;
  EXPECT_EQ(discuss(noValues, "x^2-2x+1"), kHeadings);
  // y is not x: the term has no value anywhere; f and f' = y are asked once each.
  RecordingEngine engine;
  EXPECT_EQ(discuss(engine, "x*y-1"), kHeadings);
  EXPECT_LT(engine.requests.filter("y").size(), 10);
}

// At most three crossings are searched; a pole is none.
TEST(Intersections, FindsUpToThreeCrossingsOrNamesWhereTheDifferenceHasNoValue) {
  Engine engine;
  const std::pair<const char*, std::vector<double>> cases[] = {
      {"(x)-(1,5)", {1.5}},
      {"(x+2)-(x^2)", {-1, 2}},
      {"(x^3-4x)-(0)", {-2, 0, 2}},
      {"(sin(x))-(0)", {-3 * M_PI, -2 * M_PI, -M_PI}},
      {"(1/x)-(0)", {}}};
  for (const auto& [difference, xs] : cases) {
    Intersections found = findIntersections(engine, user(difference), -10, 10);
    EXPECT_TRUE(found.failure.isEmpty()) << difference;
    ASSERT_EQ(found.xs.size(), qsizetype(xs.size())) << difference;
    for (size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(found.xs[i], xs[i], 1e-4) << difference;
  }
  EXPECT_TRUE(findIntersections(engine, user("(sqrt(x))-(1)"), -10, 10)
                  .failure.startsWith("Die Funktion lässt sich an der Stelle x = -10"));
}

// World lines x-tic/19 apart; the page passes the window's x-tic.
TEST(Hatching, LinesRunFromTheAxisOrBetweenTheCurvesInSteps) {
  Engine engine;
  auto lines = std::get<QList<QLineF>>(hatchToAxis(engine, user("x^2"), 0, 2, 1.0 / 19));
  // 0, 1/19, ..., 2 up to rounding: 38 or 39 lines.
  EXPECT_GE(lines.size(), 38);
  EXPECT_LE(lines.size(), 39);
  EXPECT_EQ(lines.front(), QLineF(0, 0, 0, 0));
  EXPECT_NEAR(lines[19].x1(), 1, 1e-12);
  EXPECT_NEAR(lines[19].y2(), 1, 1e-6);
  EXPECT_EQ(lines[19].y1(), 0);  // from the x axis
  // Between curves the loop runs the overshoot past the upper limit.
  auto between = std::get<QList<QLineF>>(
      hatchBetween(engine, user("x+2"), user("x^2"), -1, 2, 1.0 / 19, 1.0 / 30));
  EXPECT_EQ(between.size(), 58);  // -1 + 57/19 = 2.0 still below 2 + 1/30
  EXPECT_EQ(between.front(), QLineF(-1, 1, -1, 1));
  EXPECT_NEAR(between[38].y1(), 1, 1e-6);  // x^2 at 1
  EXPECT_NEAR(between[38].y2(), 3, 1e-6);  // x+2 at 1
  EXPECT_TRUE(std::holds_alternative<QString>(hatchToAxis(engine, user("ln(x)"), -1, 1, 0.1)));
}

TEST(RegulaFalsi, WorkedExampleMovesOnlyTheLeftEnd) {
  RecordingEngine engine;
  float x1 = 1, y1 = -1, x2 = 2, y2 = 2;
  const std::optional<float> zero = regulaFalsi(engine, user("x^2-2"), x1, y1, x2, y2);
  EXPECT_EQ(numberText(zero.value_or(0)), "1,414211");
  EXPECT_EQ(engine.requests.size(), 7);
  EXPECT_EQ(engine.requests.mid(0, 3),
            QStringList({"APPROX(SUBST(x^2-2,x,1.333333))", "APPROX(SUBST(x^2-2,x,1.4))",
                         "APPROX(SUBST(x^2-2,x,1.411765))"}));
  EXPECT_EQ(std::tuple(x1, x2, y2), std::tuple(zero.value_or(0), 2.0f, 2.0f));
}

// The zero as shown (or "none") and at most how many requests it takes from [a, b]. The first
// trial point is 1: the zero of x-1, the pole of 1/(x-1). Steep zeros stay above 1e-05 in single
// precision (not 1,1, a 7-digit number) but their end values shrink. Trial points creep towards
// the pole of 1/x until the pass bound; at other poles and jumps they soon hit an end.
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
  for (auto [term, a, b, shown, maxRequests] : cases) {
    RecordingEngine engine;
    const EngineTerm f = user(term);
    float ya = float(*Funktionswert(engine, f, a).value);
    float yb = float(*Funktionswert(engine, f, b).value);
    engine.requests.clear();
    const std::optional<float> zero = regulaFalsi(engine, f, a, ya, b, yb);
    EXPECT_EQ(zero ? numberText(*zero) : "none", shown) << term << " from " << a;
    EXPECT_LE(engine.requests.size(), maxRequests) << term << " from " << a;
  }
}

// Each new point goes into the middle of the larger part of the bracket: for
// x^2 on [-1; 1] from 0,5 that is -0,25 left of it, then 0,125 right of it.
TEST(Tiefpunkt, PlacesEachPointInTheLargerPartUntilTheBracketIsNarrow) {
  RecordingEngine engine;
  double xa = -1, xm = 0.5, xb = 1;
  const double minimum = Tiefpunkt(engine, user("x^2"), xa, xm, xb);
  ASSERT_GE(engine.requests.size(), 4);
  EXPECT_EQ(engine.requests.mid(0, 4),
            QStringList({"APPROX(SUBST(x^2,x,0.5))", "APPROX(SUBST(x^2,x,-0.25))",
                         "APPROX(SUBST(x^2,x,-0.25))", "APPROX(SUBST(x^2,x,0.125))"}));
  EXPECT_LT(xb - xa, 0.001);
  EXPECT_TRUE(xa <= 0 && 0 <= xb);
  EXPECT_NEAR(minimum, 0, 0.001);
  EXPECT_EQ(minimum, xm);
  // The minimum of (x-3)^2+1 on [0; 10], the middle point starting at 1.
  xa = 0, xm = 1, xb = 10;
  EXPECT_NEAR(Tiefpunkt(engine, user("(x-3)^2+1"), xa, xm, xb), 3, 0.001);
}

}  // namespace
