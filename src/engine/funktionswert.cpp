#include "engine/funktionswert.h"

#include "engine/engine.h"
#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

template <typename Number>
FunctionValue evaluate(Engine& engine, const QString& term, Number x) {
  QString answer =
      engine.request(funktionswertAnfrage(komma2point(term), komma2point(numberText(x))));
  FunctionValue result;
  result.value = parseNumber(point2komma(answer));
  result.termFaulty = !result.value && answer.startsWith(QLatin1String("Fehler"));
  return result;
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
  QString answer = engine.request(funktionswertAnfrage(engineTerm, komma2point(numberText(x))));
  return parseNumber(point2komma(answer));
}
