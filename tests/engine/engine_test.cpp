#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "engine/funktionswert.h"
#include "engine/notation.h"
#include "engine/number_text.h"
#include "engine/recording_engine.h"

namespace {

TEST(Engine, FetchesAnswersLongerThanTheCapacityWhole) {
  Engine engine;
  QString series = engine.request(QStringLiteral("FOURIER(x, x,-3.14,3.14,3)"), 50);
  EXPECT_GT(series.size(), 50);
  EXPECT_EQ(engine.antwortLaenge(), series.size());
  // The same answer as with room enough at once, and usable as a request.
  EXPECT_EQ(series, engine.request(QStringLiteral("FOURIER(x, x,-3.14,3.14,3)"), 4000));
  QString numeric =
      engine.request(QStringLiteral("APPROX(") + engine.request(series, 500) + QStringLiteral(")"),
                     Engine::kFourierCapacity);
  EXPECT_TRUE(numeric.startsWith(QStringLiteral("1.99898608523421*sin("))) << numeric.toStdString();
}

TEST(Engine, KeepsTheBuffersOfTheLastCall) {
  Engine engine;
  engine.request(QStringLiteral("APPROX(SUBST(x^2-2x,x,1.5))"));
  EXPECT_EQ(engine.eingabe(), "APPROX(SUBST(x^2-2x,x,1.5))");
  EXPECT_EQ(engine.antwortLaenge(), 5);
  EXPECT_EQ(std::string(engine.ausgabe().data(), 5), "-0.75");
}

TEST(Funktionswert, SendsTheEvaluationRequestInEngineNotation) {
  RecordingEngine engine;
  EXPECT_EQ(Funktionswert(engine, QStringLiteral("x^2-2x"), 1.5), -0.75);
  EXPECT_EQ(Funktionswert(engine, QStringLiteral("0,5x"), 0.1f), 0.05);
  EXPECT_EQ(Funktionswert(engine, QStringLiteral("x"), 1.5e-7f), 1.5e-7);
  EXPECT_EQ(Funktionswert(engine, QStringLiteral("x"), 2.0 / 3), 0.666666666666667);
  EXPECT_EQ(engine.requests, QStringList({
                                 QStringLiteral("APPROX(SUBST(x^2-2x,x,1.5))"),
                                 QStringLiteral("APPROX(SUBST(0.5x,x,0.1))"),
                                 QStringLiteral("APPROX(SUBST(x,x,1.5* 10 ^(-07)))"),
                                 QStringLiteral("APPROX(SUBST(x,x,0.666666666666667))"),
                             }));
}

TEST(Funktionswert, ReportsPointsWithoutRealValue) {
  Engine engine;
  const char* terms[] = {"1/x", "ln(x)", "sqrt(x-1)", "foo(x)", "x^^2", ""};
  for (const char* term : terms) {
    EXPECT_FALSE(Funktionswert(engine, QString::fromLatin1(term), 0.0).has_value()) << term;
  }
}

// A gap in the domain is no fault of the term; a refused term, or one that
// still depends on another name, has no value anywhere.
TEST(Funktionswert, TellsGapsFromTermsThatAreNoFunctionOfX) {
  Engine engine;
  for (const char* term : {"1/x", "ln(x)", "sqrt(x-1)", "sin(1/x)"}) {
    FunctionValue value = evaluateAt(engine, QString::fromLatin1(term), 0.0);
    EXPECT_FALSE(value.value.has_value() || value.termFaulty) << term;
  }
  for (const char* term : {"2y+1", "x*a", "-2*ystr-5*y", "x^^2", "foo(x)", ""}) {
    FunctionValue value = evaluateAt(engine, QString::fromLatin1(term), 1.0);
    EXPECT_TRUE(!value.value && value.termFaulty) << term;
  }
  EXPECT_EQ(evaluateAt(engine, QStringLiteral("x*pi"), 1.0f).value, 3.14159265358979);
}

// Engine answers read back as numbers through the user's notation.
TEST(Funktionswert, ReadsEveryAnswerFormBack) {
  Engine engine;
  struct Case {
    const char* term;
    double x;
    double expected;
  };
  const Case cases[] = {
      {"x*10^20", 1.5, 1.5e20}, {"x/10^9", -2.5, -2.5e-9}, {"1234567.25+x", 0, 1234567.25}};
  for (const Case& c : cases) {
    std::optional<double> value = Funktionswert(engine, QString::fromLatin1(c.term), c.x);
    ASSERT_TRUE(value.has_value()) << c.term;
    EXPECT_DOUBLE_EQ(*value, c.expected) << c.term;
  }
}

}  // namespace
