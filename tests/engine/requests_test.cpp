#include "engine/requests.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/recording_engine.h"
#include "qstring_print.h"

namespace {

EngineTerm user(const char* text) {
  return EngineTerm::fromUser(QString::fromUtf8(text));
}
EngineTerm as(const char* text) {
  return EngineTerm::asIs(QString::fromUtf8(text));
}

// The user's text is converted once; engine texts and answers pass unchanged.
TEST(Requests, UserTextsBecomeEngineNotationOnlyThroughFromUser) {
  EXPECT_EQ(user("0,5x+1,5E-07").text(), "0.5x+1.5* 10 ^(-07)");
  EXPECT_EQ(EngineTerm::number(2.0 / 3).text(), "0.666666666666667");
  EXPECT_EQ(EngineTerm::number(1.5e-20).text(), "1.5* 10 ^(-20)");
  EXPECT_EQ(as("-0.5*x+1.25").forUser(), "-0,5*x+1,25");
}

// The Fourier coefficients come back as a request: sent back unchanged, and
// its answer approximated, every step with the larger answer room. (The
// other forms' texts are checked where the pages send them.)
TEST(Requests, TheFourierAnswerIsSentBackThenApproximated) {
  RecordingEngine engine;
  fourierAnswer(engine, as("x"), user("-3,14"), user("3,14"), "1");
  Engine direct;
  const QString coefficients = direct.request("FOURIER(x, x,-3.14,3.14,1)", 500);
  const QString series = direct.request(coefficients, 500);
  EXPECT_EQ(engine.requests,
            QStringList({"FOURIER(x, x,-3.14,3.14,1)", coefficients, "APPROX(" + series + ")"}));
}

// Besides a number only "undef" speaks of the point; any other answer marks the term.
TEST(Requests, FunktionswertTellsGapsFromTermsThatAreNoFunctionOfX) {
  Engine engine;
  EXPECT_EQ(Funktionswert(engine, user("0,5x"), 0.1f).value, 0.05);
  EXPECT_EQ(Funktionswert(engine, as("x"), 1.5e-7f).value, 1.5e-7);
  EXPECT_DOUBLE_EQ(*Funktionswert(engine, as("x*10^20"), 1.5).value, 1.5e20);
  for (const char* term : {"1/x", "ln(x)", "sqrt(x-1)"}) {
    const FunctionValue value = Funktionswert(engine, as(term), 0.0);
    EXPECT_FALSE(value.value || value.termFaulty) << term;
  }
  for (const char* term : {"2y+1", "x^^2", "foo(x)", ""}) {
    const FunctionValue value = Funktionswert(engine, as(term), 1.0);
    EXPECT_TRUE(!value.value && value.termFaulty) << term;
  }
}
// The analysis tools' forms: the texts sent and the answers read, the exact
// solutions checked against their values worked out here.
TEST(Requests, SolutionsLimitsAndExactValuesAreReadFromTheirAnswers) {
  RecordingEngine engine;
  const Solutions quadratic = solve(engine, as("x^2-2x-1=0"));
  EXPECT_EQ(engine.requests.front(), "SOLVE(x^2-2x-1=0,x)");
  ASSERT_EQ(quadratic.solutions.size(), 2);
  EXPECT_EQ(quadratic.solutions[1].exact.text(), "sqrt(2)+1");
  EXPECT_NEAR(quadratic.solutions[0].value, 1 - std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(quadratic.solutions[1].value, 1 + std::sqrt(2.0), 1e-12);
  EXPECT_FALSE(quadratic.general || quadratic.solutions[0].numeric());

  const Solutions fixedPoint = solve(engine, as("cos(x)=x"), as("-5"), as("5"));
  EXPECT_EQ(engine.requests.last(), "SOLVE(cos(x)=x,x,-5,5)");
  ASSERT_EQ(fixedPoint.solutions.size(), 1);
  EXPECT_TRUE(fixedPoint.solutions[0].numeric());
  const double x = fixedPoint.solutions[0].value;
  EXPECT_NEAR(std::cos(x), x, 1e-12);
  EXPECT_TRUE(solve(engine, as("sin(x)=1/2")).general);
  EXPECT_TRUE(solve(engine, as("x^2+1")).solutions.isEmpty());
  EXPECT_TRUE(solve(engine, as("cos(x)=x")).failure.startsWith("Fehler"));

  const Limit e = limit(engine, as("(1+1/x)^x"), as("inf"));
  EXPECT_EQ(std::pair(e.kind, e.value.text()), std::pair(Limit::Kind::Value, QString("e")));
  EXPECT_EQ(limit(engine, as("1/x"), as("0"), Side::Left).kind, Limit::Kind::MinusInfinity);
  EXPECT_EQ(limit(engine, as("1/x"), as("0"), Side::Right).kind, Limit::Kind::PlusInfinity);
  EXPECT_EQ(limit(engine, as("1/x"), as("0")).kind, Limit::Kind::None);
  EXPECT_EQ(engine.requests.mid(engine.requests.size() - 4, 3),
            QStringList({"LIMIT((1+1/x)^x,x,inf)", "LIMIT(1/x,x,0,-1)", "LIMIT(1/x,x,0,1)"}));
  EXPECT_EQ(exactValue(engine, as("x^2-2*x"), as("1+sqrt(2)")).term.text(), "1");
  EXPECT_TRUE(exactValue(engine, as("ln(x)"), as("-1")).term.isEmpty());
  EXPECT_EQ(factor(engine, as("x^3-3x+2")).term.text(), "(x-1)^2*(x+2)");
  EXPECT_EQ(simplify(engine, as("(x^2-1)/(x-1)")).term.text(), "x+1");
  EXPECT_EQ(engine.requests.mid(engine.requests.size() - 4),
            QStringList({"VALUE(x^2-2*x,x,1+sqrt(2))", "VALUE(ln(x),x,-1)", "FACTOR(x^3-3x+2)",
                         "SIMPLIFY((x^2-1)/(x-1))"}));
  EXPECT_EQ(simplify(engine, as("x+1e1111^41111111")).failure, "Fehler: Zahl zu groß");
}

}  // namespace
