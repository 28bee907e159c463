#include "engine/engine.h"

#include <gtest/gtest.h>

#include "engine/function_calculator.h"
#include "engine/funktionswert.h"
#include "engine/recording_engine.h"
#include "qstring_print.h"

namespace {

TEST(Engine, FetchesAnswersLongerThanTheCapacityWhole) {
  Engine engine;
  const QString request = QStringLiteral("FOURIER(x, x,-3.14,3.14,3)");
  QString series = engine.request(request, 50);
  EXPECT_GT(series.size(), 50);
  // The same answer as with room enough at once, and usable as a request.
  EXPECT_EQ(series, engine.request(request, 4000));
  QString numeric = engine.request("APPROX(" + engine.request(series, 500) + ")", 500);
  EXPECT_TRUE(numeric.startsWith("1.99898608523421*sin(")) << numeric.toStdString();
}

// The point's number text has the precision of its type; answers in E notation read back.
TEST(Funktionswert, SendsTheEvaluationRequestInEngineNotationAndReadsTheAnswer) {
  RecordingEngine engine;
  EXPECT_EQ(Funktionswert(engine, "x^2-2x", 1.5), -0.75);
  EXPECT_EQ(Funktionswert(engine, "0,5x", 0.1f), 0.05);
  EXPECT_EQ(Funktionswert(engine, "x", 1.5e-7f), 1.5e-7);
  EXPECT_EQ(Funktionswert(engine, "x", 2.0 / 3), 0.666666666666667);
  EXPECT_EQ(
      engine.requests,
      QStringList({"APPROX(SUBST(x^2-2x,x,1.5))", "APPROX(SUBST(0.5x,x,0.1))",
                   "APPROX(SUBST(x,x,1.5* 10 ^(-07)))", "APPROX(SUBST(x,x,0.666666666666667))"}));
  EXPECT_DOUBLE_EQ(*Funktionswert(engine, "x*10^20", 1.5), 1.5e20);
  EXPECT_DOUBLE_EQ(*Funktionswert(engine, "x/10^9", -2.5), -2.5e-9);
  EXPECT_DOUBLE_EQ(*Funktionswert(engine, "1234567.25+x", 0.0), 1234567.25);
  EXPECT_EQ(evaluateAt(engine, "x*pi", 1.0f).value, 3.14159265358979);
}

// A gap in the domain is no fault of the term; a refused term, or one that
// still depends on another name, has no value anywhere.
TEST(Funktionswert, TellsGapsFromTermsThatAreNoFunctionOfX) {
  Engine engine;
  for (const char* term : {"1/x", "ln(x)", "sqrt(x-1)", "sin(1/x)"}) {
    const FunctionValue value = evaluateAt(engine, term, 0.0);
    EXPECT_FALSE(value.value || value.termFaulty) << term;
    EXPECT_FALSE(Funktionswert(engine, term, 0.0f)) << term;
  }
  for (const char* term : {"2y+1", "x*a", "-2*ystr-5*y", "x^^2", "foo(x)", ""}) {
    const FunctionValue value = evaluateAt(engine, term, 1.0);
    EXPECT_TRUE(!value.value && value.termFaulty) << term;
    EXPECT_FALSE(Funktionswert(engine, term, 1.0)) << term;
  }
}

TEST(FunctionCalculator, SendsBothRequestsAndShowsTheValueRoundedHalfToEven) {
  RecordingEngine recording;
  const QString term = "x^2-2x", x = "1,5";
  CalculatorResult result = calculate(recording, term, x);
  EXPECT_EQ(recording.requests, QStringList({"SUBST(x^2-2x,x,1.5)", "APPROX(-3/4)"}));
  EXPECT_EQ(std::tuple(result.caption, result.result, result.termMissing),
            std::tuple(QString("f(1,5) = "), QString("-0,75"), false));
  EXPECT_EQ(std::pair(term, x), std::pair(QString("x^2-2x"), QString("1,5")));

  const char* undefined = "nicht definiert";
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"x", "0,125", "0,12"},     {"x", "0,375", "0,38"},
      {"x", "-0,125", "-0,12"},   {"x/4", "1", "0,25"},
      {"x", "2,5", "2,5"},        {"x^2", "3", "9"},
      {"x", "1,5E-07", "0"},      {"x*10^8", "1,5", "150000000"},
      {"sin(x)", "1", "0,84"},    {"x/3", "2", "0,67"},
      {"x^2", "", undefined},     {"1/x", "0", undefined},
      {"ln(x)", "-1", undefined}, {"x^2", "a", undefined},
      {"foo(x)", "1", undefined}};
  for (const auto& [f, at, shown] : cases) {
    result = calculate(recording, f, at);
    EXPECT_EQ(result.result, shown) << f << " at '" << at << "'";
    EXPECT_EQ(result.caption, "f(" + QString(at) + ") = ");
  }
  recording.requests.clear();
  EXPECT_TRUE(calculate(recording, QString(), "1").termMissing);
  EXPECT_TRUE(recording.requests.isEmpty());
}

}  // namespace
