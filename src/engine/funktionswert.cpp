#include "engine/funktionswert.h"

#include "engine/engine.h"
#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

FunctionValue readValue(const QString& answer) {
  FunctionValue result;
  result.value = parseNumber(point2komma(answer));
  // Besides a number, only "undef" is an answer about the value. A refusal
  // ("Fehler: ...") or an expression that still holds a name (2y+1 at x = 1
  // gives 2*y+1) means the term is no function of x: it has no value anywhere.
  result.termFaulty = !result.value && answer != QLatin1String("undef");
  return result;
}

template <typename Number>
FunctionValue evaluate(Engine& engine, const QString& term, Number x) {
  return readValue(
      engine.request(funktionswertAnfrage(komma2point(term), komma2point(numberText(x)))));
}

}  // namespace

QString funktionswertAnfrage(const QString& engineTerm, const QString& numberText) {
  return QStringLiteral("APPROX(SUBST(") + engineTerm + QStringLiteral(",x,") + numberText +
         QStringLiteral("))");
}

std::optional<double> Funktionswert(Engine& engine, const QString& term, double x) {
  return evaluate(engine, term, x).value;
}

std::optional<double> Funktionswert(Engine& engine, const QString& term, float x) {
  return evaluate(engine, term, x).value;
}

FunctionValue evaluateAt(Engine& engine, const QString& term, double x) {
  return evaluate(engine, term, x);
}

FunctionValue evaluateAt(Engine& engine, const QString& term, float x) {
  return evaluate(engine, term, x);
}

std::optional<double> engineTermValue(Engine& engine, const QString& engineTerm, float x) {
  return engineTermAt(engine, engineTerm, x).value;
}

FunctionValue engineTermAt(Engine& engine, const QString& engineTerm, float x) {
  return readValue(engine.request(funktionswertAnfrage(engineTerm, komma2point(numberText(x)))));
}
