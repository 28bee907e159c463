#include "engine/school_notation.h"

#include <gtest/gtest.h>

namespace {

TEST(SchoolNotation, EngineAnswersReadAsInTheTextbook) {
  const std::pair<const char*, const char*> cases[] = {
      {"3*x^2-3", "3x² − 3"},
      {"-x+1", "1 − x"},
      {"-x^3+3*x", "−x³ + 3x"},
      {"-sqrt(2)+1", "1 − √2"},
      {"sqrt(2)+1", "1 + √2"},
      {"2*sqrt(2)+2", "2 + 2·√2"},
      {"sqrt(2)-1", "√2 − 1"},
      {"x+1", "x + 1"},
      {"-5*pi/2", "−5π/2"},
      {"2*pi", "2π"},
      {"(-x^2-4)/(x^2-4)^2", "−(x² + 4)/(x² − 4)²"},
      {"-16*x/(x^4-8*x^2+16)", "−16x/(x⁴ − 8x² + 16)"},
      {"x*(x+2)*exp(x)", "x·(x + 2)·eˣ"},
      {"exp(-x)", "e⁻ˣ"},
      {"exp(-x^2)", "e^(−x²)"},
      {"2/3*x^(3/2)", "2/3·x^(3/2)"},
      {"3*sqrt(x)/2", "3/2·√x"},
      {"pi/2+k*pi", "π/2 + k·π"},
      {"-1/e", "−1/e"},
      {"e*x", "e·x"},
      {"4*t*x", "4t·x"},
      {"1.5*x-0.25", "1,5x − 0,25"},
      {"ln(x)+1", "ln(x) + 1"},
      {"sqrt(x+1)", "√(x + 1)"},
      {"sqrt(x^3)", "x^(3/2)"},
      {"sqrt(x^2)", "√(x²)"},
      {"sqrt(x^3.5)", "√(x^3,5)"},
      {"(x-1)^2*(x+2)", "(x − 1)²·(x + 2)"},
      {"x^(-1)", "x⁻¹"},
      {"(-x)^3", "(−x)³"},
      {"1.5e-07", "1,5·10⁻⁷"},
  };
  for (const auto& [engine, school] : cases)
    EXPECT_EQ(schoolTerm(EngineTerm::asIs(engine)).plain, QString::fromUtf8(school)) << engine;

  const RichText root = schoolTerm(EngineTerm::asIs("x^2*sqrt(x+1)"));
  EXPECT_EQ(root.html, QStringLiteral("x<sup>2</sup>·√<span style=\"text-decoration: "
                                      "overline\">x + 1</span>"));
  EXPECT_EQ(schoolTerm(EngineTerm::asIs("a<b")).plain, QStringLiteral("a<b"));
  EXPECT_EQ(RichText::words("a<b").html, QStringLiteral("a&lt;b"));
}

TEST(SchoolNotation, NumbersAndTheirApproximations) {
  EXPECT_EQ(schoolNumber(2.41421356), QStringLiteral("2,414"));
  EXPECT_EQ(schoolNumber(-4.0), QStringLiteral("−4"));
  EXPECT_EQ(schoolNumber(-0.0001), QStringLiteral("0"));
  EXPECT_EQ(schoolNumber(0.5), QStringLiteral("0,5"));
  EXPECT_TRUE(isPlainNumber(EngineTerm::asIs("-2.5")));
  EXPECT_TRUE(isPlainNumber(EngineTerm::asIs("17")));
  for (const char* exact : {"1/2", "sqrt(2)", "-", "1.2.3", "pi"})
    EXPECT_FALSE(isPlainNumber(EngineTerm::asIs(exact))) << exact;
}

TEST(SchoolNotation, DomainConditionsAndPolynomials) {
  auto texts = [](const QList<EngineTerm>& terms) {
    QStringList out;
    for (const EngineTerm& t : terms) out << t.text();
    return out.join(';');
  };
  DomainConditions c = domainConditions(EngineTerm::fromUser("ln(x)/(x^2-4)+sqrt(3-x)+x^(-2)"));
  EXPECT_EQ(texts(c.positive), QStringLiteral("x"));
  EXPECT_EQ(texts(c.nonZero), QStringLiteral("((x)^(2))-(4);x"));
  EXPECT_EQ(texts(c.nonNegative), QStringLiteral("(3)-(x)"));
  c = domainConditions(EngineTerm::fromUser("x^(1/3)+x^(3/2)+tan(x)+2^x+x/3"));
  EXPECT_EQ(texts(c.nonNegative), QStringLiteral("x"));
  EXPECT_EQ(texts(c.nonZero), QStringLiteral("cos(x)"));
  EXPECT_TRUE(c.positive.isEmpty());
  EXPECT_FALSE(domainConditions(EngineTerm::fromUser("x+")).readable);

  for (const char* p : {"x^3-3x", "(x-1)^2*(x+2)/4", "pi*x^2", "5"})
    EXPECT_TRUE(isPolynomial(EngineTerm::fromUser(p))) << p;
  for (const char* q : {"1/x", "x^(-1)", "sqrt(x)", "sin(x)", "x^x", "x^0.5"})
    EXPECT_FALSE(isPolynomial(EngineTerm::fromUser(q))) << q;
}

}  // namespace
