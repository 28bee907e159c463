#include "engine/function_calculator.h"

#include "engine/engine.h"
#include "engine/notation.h"
#include "engine/number_text.h"

CalculatorResult calculate(Engine& engine, const QString& term, const QString& xText) {
  CalculatorResult outcome;
  if (term.isEmpty()) {
    outcome.termMissing = true;
    return outcome;
  }
  QString substituted =
      engine.request(QStringLiteral("SUBST(") + komma2point(term) + QStringLiteral(",x,") +
                     komma2point(xText) + QStringLiteral(")"));
  QString value = engine.request(QStringLiteral("APPROX(") + substituted + QStringLiteral(")"));
  std::optional<double> number = parseNumber(point2komma(value));

  outcome.caption = QStringLiteral("f(") + xText + QStringLiteral(") = ");
  outcome.result = number ? numberText(roundHalfEven(*number, 2)) : kUndefinedText;
  return outcome;
}
