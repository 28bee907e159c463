#include "calculus/family.h"

#include <gtest/gtest.h>

namespace {

TEST(Family, OneParameterLetterIsReadTwoAreRefused) {
  const std::pair<const char*, QChar> cases[] = {
      {"x^3-t*x", 't'}, {"k*e^(k*x)", 'k'}, {"x^2-2x", QChar()}, {"e^x+pi", QChar()}};
  for (const auto& [term, letter] : cases) {
    const ParameterReading r = parameterOf(EngineTerm::fromUser(term));
    EXPECT_EQ(r.letter, letter) << term;
    EXPECT_TRUE(r.message.isEmpty()) << term;
  }
  const ParameterReading two = parameterOf(EngineTerm::fromUser("b*x^2+a"));
  EXPECT_TRUE(two.letter.isNull());
  EXPECT_EQ(two.message, "Der Term enthält mehrere Parameter (a, b); erlaubt ist einer.");
}

// By hand: x⁴ − 2t·x² has its minima at (±√t | −t²), so t = x² and y = −x⁴;
// x³ − t·x has its minimum at (√(t/3) | −2t/3·√(t/3)), so t = 3x² and y = −2x³.
TEST(Family, OrtskurveEliminatesTheParameter) {
  Engine engine;
  const Locus quartic =
      Ortskurve(engine, EngineTerm::asIs("sqrt(t)"), EngineTerm::asIs("-t^2"), 't');
  EXPECT_EQ(locusLine(quartic, QStringLiteral("Tiefpunkte")).plain,
            "Ortskurve der Tiefpunkte: y = −x⁴");
  const Locus cubic = Ortskurve(engine, EngineTerm::asIs("sqrt(t/3)"),
                                EngineTerm::asIs("(t/3)^(3/2)-t*sqrt(t/3)"), 't');
  ASSERT_TRUE(cubic.message.isEmpty());
  for (double x : {0.5, 1.3, 2.0})
    EXPECT_NEAR(Funktionswert(engine, cubic.term, x).value.value_or(NAN), -2 * x * x * x, 1e-9);
  const Locus vertical = Ortskurve(engine, EngineTerm::asIs("e"), EngineTerm::asIs("t/e"), 't');
  EXPECT_EQ(locusLine(vertical, QStringLiteral("Wendepunkte")).plain,
            "Ortskurve der Wendepunkte: x = e");
  const Locus none = Ortskurve(engine, EngineTerm::asIs("t+sin(t)"), EngineTerm::asIs("t"), 't');
  EXPECT_EQ(none.message, "Der Parameter lässt sich nicht eliminieren.");
}

}  // namespace
