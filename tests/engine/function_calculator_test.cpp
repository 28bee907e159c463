#include <gtest/gtest.h>

#include "engine/function_calculator.h"
#include "engine/recording_engine.h"

namespace {

TEST(FunctionCalculator, SendsBothRequestsAndShowsTheRoundedValue) {
  RecordingEngine engine;
  QString term = QStringLiteral("x^2-2x");
  QString x = QStringLiteral("1,5");
  CalculatorResult result = calculate(engine, term, x);
  EXPECT_EQ(engine.requests, QStringList({QStringLiteral("SUBST(x^2-2x,x,1.5)"),
                                          QStringLiteral("APPROX(-3/4)")}));
  EXPECT_EQ(result.caption, QStringLiteral("f(1,5) = "));
  EXPECT_EQ(result.result, QStringLiteral("-0,75"));
  EXPECT_FALSE(result.termMissing);
  EXPECT_EQ(term, QStringLiteral("x^2-2x"));
  EXPECT_EQ(x, QStringLiteral("1,5"));
}

TEST(FunctionCalculator, RoundsToTwoDecimalsHalfToEven) {
  Engine engine;
  struct Case {
    const char* term;
    const char* x;
    const char* shown;
  };
  const Case cases[] = {
      {"x", "0,125", "0,12"},     {"x", "0,375", "0,38"},   {"x", "-0,125", "-0,12"},
      {"x/4", "1", "0,25"},       {"x", "2,5", "2,5"},      {"x^2", "3", "9"},
      {"x", "1,5E-07", "0"},      {"x*10^8", "1,5", "150000000"},
      {"sin(x)", "1", "0,84"},    {"x/3", "2", "0,67"},
  };
  for (const Case& c : cases) {
    CalculatorResult result =
        calculate(engine, QString::fromLatin1(c.term), QString::fromLatin1(c.x));
    EXPECT_EQ(result.result.toStdString(), c.shown) << c.term << " at " << c.x;
  }
}

TEST(FunctionCalculator, ShowsUndefinedWhereThereIsNoValue) {
  Engine engine;
  const std::pair<const char*, const char*> cases[] = {
      {"x^2", ""}, {"1/x", "0"}, {"ln(x)", "-1"}, {"x^2", "a"}, {"foo(x)", "1"}};
  for (const auto& [term, x] : cases) {
    CalculatorResult result = calculate(engine, QString::fromLatin1(term), QString::fromLatin1(x));
    EXPECT_EQ(result.result, kUndefinedText) << term << " at '" << x << "'";
    EXPECT_EQ(result.caption, QStringLiteral("f(") + QString::fromLatin1(x) + QStringLiteral(") = "));
  }
}

TEST(FunctionCalculator, RefusesAnEmptyTermWithoutAsking) {
  RecordingEngine engine;
  CalculatorResult result = calculate(engine, QString(), QStringLiteral("1"));
  EXPECT_TRUE(result.termMissing);
  EXPECT_TRUE(engine.requests.isEmpty());
  EXPECT_EQ(kMissingTermMessage, QStringLiteral("Sie haben noch keine Funktionsgleichung eingegeben!"));
}

}  // namespace
