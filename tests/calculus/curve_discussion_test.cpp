#include <gtest/gtest.h>

#include <cmath>

#include "calculus/curve_discussion.h"
#include "calculus/derivatives.h"
#include "engine/engine.h"
#include "engine/number_text.h"
#include "engine/recording_engine.h"

namespace {

QStringList discuss(Engine& engine, const QString& f, float xmin = -10, float xmax = 10) {
  Derivatives d = formDerivatives(engine, f);
  return Kurvendiskussion(engine, {f, d.first, d.second}, xmin, xmax);
}

QStringList discuss(const char* f) {
  Engine engine;
  return discuss(engine, QString::fromUtf8(f));
}

TEST(Derivatives, AreAskedOfTheTermItself) {
  RecordingEngine engine;
  Derivatives d = formDerivatives(engine, QStringLiteral("x^2-2x"));
  EXPECT_EQ(engine.requests, QStringList({"diff(x^2-2x,x)", "diff(x^2-2x,x,2)", "diff(x^2-2x,x,3)"}));
  EXPECT_EQ(d.first, QStringLiteral("2*x-2"));
  EXPECT_EQ(d.second, QStringLiteral("2"));
  EXPECT_EQ(d.third, QStringLiteral("0"));
}

TEST(CurveDiscussion, ListsZerosAndTheMinimumOfAParabola) {
  EXPECT_EQ(discuss("x^2-2x-3"),
            QStringList({"Nullstellen:", "  N:  x(1)= -1,0", "  N:  x(2)= 3,0", "", "Extrema:",
                         "  TP: x(3)= 1,0  y(3)= -4,0", "", "Wendepunkte:"}));
}

TEST(CurveDiscussion, ListsTouchingZeroOnceAmongZeros) {
  EXPECT_EQ(discuss("x^2-2x+1"),
            QStringList({"Nullstellen:", "  BP: x(1)= 1,0", "", "Extrema:",
                         "  TP: x(2)= 1,0  y(2)= 0,0", "", "Wendepunkte:"}));
}

TEST(CurveDiscussion, NumbersRunOnAcrossSectionsForACubic) {
  // x^3-3x: zeros at -1.732, 0, 1.732; maximum at -1, minimum at 1; inflection at 0.
  EXPECT_EQ(discuss("x^3-3x"),
            QStringList({"Nullstellen:", "  N:  x(1)= -1,732", "  N:  x(2)= 0,0", "  N:  x(3)= 1,732",
                         "", "Extrema:", "  HP: x(4)= -1,0  y(4)= 2,0", "  TP: x(5)= 1,0  y(5)= -2,0",
                         "", "Wendepunkte:", "  WP: x(6)= 0,0  y(6)= 0,0"}));
}

TEST(CurveDiscussion, FeaturelessOrSampledZerosGiveOnlyTheHeadings) {
  const QStringList headings = {"Nullstellen:", "", "Extrema:", "", "Wendepunkte:"};
  EXPECT_EQ(discuss("exp(x)"), headings);
  // The zero of x+10 is the first sample itself: its product is 0, no sign change.
  EXPECT_EQ(discuss("x+10"), headings);
}

TEST(CurveDiscussion, ListsRealZerosButNoPoles) {
  EXPECT_EQ(discuss("1/x"), QStringList({"Nullstellen:", "", "Extrema:", "", "Wendepunkte:"}));
  // tan has zeros at the multiples of pi and poles between them.
  QStringList tan = discuss("tan(x)");
  int zeros = 0;
  for (const QString& line : tan) {
    if (!line.startsWith(QStringLiteral("  N:"))) continue;
    ++zeros;
    double x = parseNumber(line.section(QStringLiteral("= "), 1)).value_or(NAN);
    EXPECT_NEAR(x / M_PI, std::round(x / M_PI), 0.001) << line.toStdString();
  }
  EXPECT_EQ(zeros, 7);
  // A steep zero is still one.
  EXPECT_TRUE(discuss("1000000*(x-1.1)").contains(QStringLiteral("  N:  x(1)= 1,1")));
}

// An engine that cannot evaluate f itself: points that need f's value are
// left out rather than listed with a value of an earlier point.
class NoValuesOfF : public Engine {
 public:
  QString request(const QString& text, int32_t capacity = kCapacity) override {
    if (text.startsWith(QStringLiteral("APPROX(SUBST(x^2-2x+1,"))) return QStringLiteral("undef");
    return Engine::request(text, capacity);
  }
};

TEST(CurveDiscussion, PointsWithoutValuesAreLeftOut) {
  NoValuesOfF engine;
  EXPECT_EQ(discuss(engine, QStringLiteral("x^2-2x+1")),
            QStringList({"Nullstellen:", "", "Extrema:", "", "Wendepunkte:"}));
}

// y is not x: the term has no value anywhere, and its scans stop at once.
TEST(CurveDiscussion, ATermOfAnotherVariableIsNotScanned) {
  RecordingEngine engine;
  EXPECT_EQ(discuss(engine, QStringLiteral("x*y-1")),
            QStringList({"Nullstellen:", "", "Extrema:", "", "Wendepunkte:"}));
  // f'' = 0 is scanned as usual; f and f' = y are asked once each.
  EXPECT_LT(engine.requests.filter(QStringLiteral("y")).size(), 10);
}

TEST(CurveDiscussion, ProgressCountsTheStepsOfEachScan) {
  Engine engine;
  Derivatives d = formDerivatives(engine, QStringLiteral("x^2"));
  int scans[5] = {0, 0, 0, 0, 0};
  int last = 0;
  Kurvendiskussion(engine, {QStringLiteral("x^2"), d.first, d.second}, -10, 10,
                   [&](int scan, int step) {
                     scans[scan] = step;
                     last = step;
                   });
  for (int scan = 1; scan <= 4; ++scan) {
    EXPECT_GE(scans[scan], 1702);
    EXPECT_LE(scans[scan], 1703);
  }
  EXPECT_EQ(last, scans[4]);
}

}  // namespace
