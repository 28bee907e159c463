#include "calculus/value_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calculus/derivatives.h"
#include "engine/messages.h"
#include "engine/number_text.h"

namespace {

// How far a step count may miss a whole number and still count as one:
// 0,1 added thirty times is not quite 3. Far from 0 the rounding of the
// range itself counts too: 10000,0001 - 10000 is not quite 0,0001.
double stepTolerance(double von, double bis, double step) {
  constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
  return std::max(1e-9, 8 * kEpsilon * std::max(std::fabs(von), std::fabs(bis)) / step);
}

QString notANumber(const QString& field) {
  return QStringLiteral("Im Feld „%1“ steht keine Zahl.").arg(field);
}

std::optional<double> finite(std::optional<double> value) {
  return value && std::isfinite(*value) ? value : std::nullopt;
}

std::optional<double> fieldNumber(const QString& text) {
  return finite(parseNumber(text));
}

std::optional<double> valueAt(Engine& engine, const EngineTerm& term, double x) {
  return finite(Funktionswert(engine, term, x).value);
}

}  // namespace

std::variant<QList<ValueRow>, QString> Wertetabelle(Engine& engine,
                                                    const ValueTableFields& fields) {
  if (fields.term.trimmed().isEmpty()) return kNoTermMessage;
  std::optional<double> von = fieldNumber(fields.von);
  if (!von) return notANumber(QStringLiteral("von"));
  std::optional<double> bis = fieldNumber(fields.bis);
  if (!bis) return notANumber(QStringLiteral("bis"));
  std::optional<double> step = fieldNumber(fields.schritt);
  if (!step) return notANumber(QStringLiteral("Schrittweite"));
  if (*step <= 0) return QStringLiteral("Die Schrittweite muss größer als 0 sein.");
  if (*bis < *von) return QStringLiteral("„bis“ darf nicht kleiner als „von“ sein.");
  const double steps = (*bis - *von) / *step;
  const double tolerance = stepTolerance(*von, *bis, *step);
  if (!std::isfinite(steps) || steps + tolerance >= kMaxValueRows) {
    return QStringLiteral(
        "Die Tabelle hätte mehr als 10.000 Zeilen. Wählen Sie eine größere Schrittweite.");
  }
  if (*bis > *von && (*von + *step == *von || *bis - *step == *bis)) {
    // x would stand still from row to row
    return QStringLiteral("Die Schrittweite ist für diese Zahlen zu klein.");
  }

  const EngineTerm f = EngineTerm::fromUser(fields.term);
  const FunctionValue first = Funktionswert(engine, f, *von);
  if (first.termFaulty) {
    return QStringLiteral("Der Term im Feld „f(x) =“ lässt sich nicht berechnen.");
  }
  const Derivatives d = formDerivatives(engine, f);

  const int count = static_cast<int>(std::floor(steps + tolerance)) + 1;
  QList<ValueRow> rows;
  rows.reserve(count);
  for (int k = 0; k < count; ++k) {
    double x = *von + k * *step;
    // The ends are the numbers typed, not what the steps come to; a step
    // that nearly meets 0 is 0.
    if (k == count - 1 && std::fabs(x - *bis) <= tolerance * *step) x = *bis;
    if (k > 0 && std::fabs(x) <= 1e-9 * *step) x = 0;
    // f at von is known from the check of the term.
    rows.append({x, k == 0 ? finite(first.value) : valueAt(engine, f, x),
                 valueAt(engine, d.first, x), valueAt(engine, d.second, x)});
  }
  return rows;
}

QString valueCellText(std::optional<double> value) {
  if (!value) return kUndefinedText;
  if (*value == 0) return QStringLiteral("0");  // no "-0"
  return significantText(*value, 6);
}

QStringList valueRowTexts(const ValueRow& row) {
  return {valueCellText(row.x), valueCellText(row.f), valueCellText(row.f1), valueCellText(row.f2)};
}

QString valueTableText(const QList<ValueRow>& rows) {
  QString text = kValueTableHeadings.join(u'\t') + u'\n';
  for (const ValueRow& row : rows) text += valueRowTexts(row).join(u'\t') + u'\n';
  return text;
}
