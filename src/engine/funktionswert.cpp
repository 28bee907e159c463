#include "engine/funktionswert.h"

#include "engine/engine.h"
#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

template <typename Number>
std::optional<double> evaluate(Engine& engine, const QString& term, Number x) {
  QString answer =
      engine.request(funktionswertAnfrage(komma2point(term), komma2point(numberText(x))));
  return parseNumber(point2komma(answer));
}

}  // namespace

QString funktionswertAnfrage(const QString& engineTerm, const QString& numberText) {
  return QStringLiteral("APPROX(SUBST(") + engineTerm + QStringLiteral(",x,") + numberText +
         QStringLiteral("))");
}

std::optional<double> Funktionswert(Engine& engine, const QString& term, double x) {
  return evaluate(engine, term, x);
}

std::optional<double> Funktionswert(Engine& engine, const QString& term, float x) {
  return evaluate(engine, term, x);
}
