#include "engine/function_calculator.h"

#include "engine/number_text.h"
#include "engine/requests.h"

CalculatorResult calculate(Engine& engine, const QString& term, const QString& xText) {
  CalculatorResult outcome;
  if (term.isEmpty()) {
    outcome.termMissing = true;
    return outcome;
  }
  const EngineTerm substituted =
      substitute(engine, EngineTerm::fromUser(term), "x", EngineTerm::fromUser(xText));
  std::optional<double> number = approximateNumber(engine, substituted);

  outcome.caption = QStringLiteral("f(") + xText + QStringLiteral(") = ");
  outcome.result = number ? numberText(roundHalfEven(*number, 2)) : kUndefinedText;
  return outcome;
}
