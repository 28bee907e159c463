#include "calculus/intersections.h"

#include <gtest/gtest.h>

namespace {

// Intersections worked out by hand, with their lines.
TEST(MeetingPoints, SchoolCasesExactNumericTouchingAndNone) {
  Engine engine;
  const struct {
    const char *f, *g;
    QStringList lines;
    QList<std::pair<double, double>> points;
  } cases[] = {
      {"x^2",
       "2x+1",
       {"S1(1 − √2 | 3 − 2·√2) ≈ (−0,414 | 0,172)", "S2(1 + √2 | 3 + 2·√2) ≈ (2,414 | 5,828)"},
       {{-0.41421356, 0.17157288}, {2.41421356, 5.82842712}}},
      {"x^2", "2x-1", {"S1(1 | 1), Berührpunkt"}, {{1, 1}}},
      {"x^2", "-x^2+4x-2", {"S1(1 | 1), Berührpunkt"}, {{1, 1}}},  // two parabolas touching
      {"x^2", "-x^2+2", {"S1(−1 | 1)", "S2(1 | 1)"}, {{-1, 1}, {1, 1}}},
      {"1/x", "x", {"S1(−1 | −1)", "S2(1 | 1)"}, {{-1, -1}, {1, 1}}},  // not at the pole 0
      {"e^x",
       "x+2",
       {"S1 ≈ (−1,841 | 0,159)", "S2 ≈ (1,146 | 3,146)"},
       {{-1.84140566, 0.15859434}, {1.14619322, 3.14619322}}},
      {"sin(x)", "x/3", {}, {{-2.27886266, -0.75962089}, {0, 0}, {2.27886266, 0.75962089}}},
      {"x^3-x", "0", {"S1(−1 | 0)", "S2(0 | 0)", "S3(1 | 0)"}, {{-1, 0}, {0, 0}, {1, 0}}},
      {"x^2+1", "x", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.f);
    const Meeting m =
        Schnittpunkte(engine, EngineTerm::fromUser(c.f), EngineTerm::fromUser(c.g), -10, 10);
    EXPECT_TRUE(m.message.isEmpty()) << m.message.toStdString();
    ASSERT_EQ(m.points.size(), c.points.size());
    for (qsizetype i = 0; i < c.points.size(); ++i) {
      EXPECT_NEAR(m.points[i].xValue, c.points[i].first, 1e-7);
      EXPECT_NEAR(m.points[i].yValue, c.points[i].second, 1e-7);
      if (!c.lines.isEmpty()) {
        EXPECT_EQ(meetingLine(m.points[i], static_cast<int>(i) + 1).plain, c.lines[i]);
      }
    }
  }
  const Meeting same =
      Schnittpunkte(engine, EngineTerm::fromUser("x^2"), EngineTerm::fromUser("x*x"), -10, 10);
  EXPECT_TRUE(same.points.isEmpty());
  EXPECT_EQ(same.message,
            "Die beiden Graphen sind gleich: Sie haben unendlich viele gemeinsame Punkte.");
}

TEST(Tangents, TextbookLinesAndPointsWithoutDerivative) {
  Engine engine;
  const struct {
    const char *f, *x0, *tangent, *normal;
    double m, b;  // the tangent's slope and intercept, by hand
  } cases[] = {
      {"x^2", "2", "4x − 4", "−1/4·x + 9/2", 4, -4},
      {"e^x", "1", "e·x", nullptr, 2.718281828, 0},
      {"ln(x)", "1", "x − 1", "−x + 1", 1, -1},
      {"sqrt(x)", "4", "1/4·x + 1", "−4x + 18", 0.25, 1},
      {"sin(x)", "pi", "−x + π", "x − π", -1, 3.141592654},
      {"x^3-3x", "0", "−3x", "1/3·x", -3, 0},  // the inflection tangent
      {"x^2", "0", "0", nullptr, 0, 0},        // horizontal: the normal is x = 0
      {"0,5x^2", "1,5", "3/2·x − 9/8", nullptr, 1.5, -1.125},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.f);
    const Tangent t = Tangente(engine, EngineTerm::fromUser(c.f), QString::fromUtf8(c.x0));
    ASSERT_TRUE(t.message.isEmpty()) << t.message.toStdString();
    EXPECT_EQ(lineText(t.tangent).plain, QString::fromUtf8(c.tangent));
    if (c.normal) {
      EXPECT_EQ(lineText(t.normal).plain, QString::fromUtf8(c.normal));
    }
    EXPECT_NEAR(t.tangent.slopeValue, c.m, 1e-8);
    EXPECT_NEAR(t.tangent.interceptValue, c.b, 1e-8);
    // The tangent touches f at x0, the normal stands on it.
    EXPECT_NEAR(t.tangent.slopeValue * t.x0Value + t.tangent.interceptValue, t.y0Value, 1e-9);
    if (!t.verticalNormal) {
      EXPECT_NEAR(t.tangent.slopeValue * t.normal.slopeValue, -1, 1e-9);
    }
    EXPECT_EQ(t.verticalNormal, c.m == 0);
  }
  EXPECT_EQ(Tangente(engine, EngineTerm::fromUser("abs(x)"), "0").message,
            "f ist an der Stelle x0 = 0 nicht differenzierbar.");
  EXPECT_EQ(Tangente(engine, EngineTerm::fromUser("ln(x)"), "-1").message,
            "f ist an der Stelle x0 = −1 nicht differenzierbar.");
  EXPECT_EQ(Tangente(engine, EngineTerm::fromUser("x^2"), "zwei").message,
            "Die Stelle x0 = zwei ist keine Zahl.");
}

TEST(Tangents, ThroughAnOutsidePointTwoOneOrNone) {
  Engine engine;
  // x² through P(1 | −3): a² − 2a − 3 = 0 gives the contacts −1 and 3.
  TangentsThrough two =
      TangentenDurchPunkt(engine, EngineTerm::fromUser("x^2"), "1", "-3", -10, 10);
  ASSERT_EQ(two.tangents.size(), 2);
  EXPECT_EQ(tangentThroughLine(two.tangents[0], 1).plain,
            "t1(x) = −2x − 1 mit Berührpunkt B1(−1 | 1)");
  EXPECT_EQ(tangentThroughLine(two.tangents[1], 2).plain,
            "t2(x) = 6x − 9 mit Berührpunkt B2(3 | 9)");
  const TangentsThrough one =
      TangentenDurchPunkt(engine, EngineTerm::fromUser("e^x"), "0", "0", -10, 10);
  ASSERT_EQ(one.tangents.size(), 1);
  EXPECT_EQ(tangentThroughLine(one.tangents[0], 1).plain,
            "t1(x) = e·x mit Berührpunkt B1(1 | e) ≈ (1 | 2,718)");
  const TangentsThrough none =
      TangentenDurchPunkt(engine, EngineTerm::fromUser("x^2"), "0", "1", -10, 10);
  EXPECT_TRUE(none.tangents.isEmpty());
  EXPECT_EQ(none.message, "Durch P(0 | 1) geht keine Tangente an den Graphen von f.");
}

// Areas by hand: ∫(x² − x − 2) over [−1; 2] = −9/2, ∫(4 − x²) over [−2; 2] = 32/3,
// x³ − x has parts 1/4 and −1/4, x from −1 to 2 has −1/2 and 2.
TEST(AreaBetween, SplitAtIntersectionsEachPartPositive) {
  Engine engine;
  const struct {
    const char *f, *g, *lower, *upper, *text;
    double value;
    int parts;
  } cases[] = {
      {"x^2", "x+2", "", "", "A = 9/2 = 4,5 FE", 4.5, 1},
      {"x^3-x", "0", "", "", "A = 1/2 = 0,5 FE", 0.5, 2},
      {"4-x^2", "0", "", "", "A = 32/3 ≈ 10,667 FE", 32.0 / 3, 1},
      {"x", "0", "-1", "2", "A = 5/2 = 2,5 FE", 2.5, 2},
      {"e^x", "x+2", "", "", "A ≈ 1,949 FE", 1.9490909274, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.f);
    const Area a = Flaeche(engine, EngineTerm::fromUser(c.f), EngineTerm::fromUser(c.g), -10, 10,
                           c.lower, c.upper);
    ASSERT_TRUE(a.message.isEmpty()) << a.message.toStdString();
    EXPECT_EQ(areaText(a).plain, QString::fromUtf8(c.text));
    EXPECT_NEAR(a.value, c.value, 1e-8);
    EXPECT_EQ(a.parts.size(), c.parts);
  }
  const Area parabola =
      Flaeche(engine, EngineTerm::fromUser("x^2"), EngineTerm::fromUser("x+2"), -10, 10);
  EXPECT_EQ(areaPartLine(parabola.parts[0]).plain, "∫ von −1 bis 2: (f − g) dx = −9/2");
  EXPECT_FALSE(Flaeche(engine, EngineTerm::fromUser("x^2+1"), EngineTerm::fromUser("x"), -10, 10)
                   .message.isEmpty());
  EXPECT_EQ(Flaeche(engine, EngineTerm::fromUser("x"), EngineTerm::fromUser("0"), -10, 10, "1", "1")
                .message,
            "„von“ und „bis“ müssen zwei verschiedene Zahlen sein.");
}

}  // namespace
