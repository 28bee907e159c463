// The area two graphs enclose, split at their intersections.
#include <cmath>

#include "calculus/intersections.h"

namespace {

RichText w(const QString& text) {
  return RichText::words(text);
}
EngineTerm raw(const QString& text) {
  return EngineTerm::asIs(text);
}

// Exact answers longer than this come from numeric bounds and read worse
// than their value.
constexpr qsizetype kLongestExact = 60;

struct Bound {
  EngineTerm exact;
  double value = 0;
};

AreaPart part(Engine& engine, const EngineTerm& difference, const Bound& a, const Bound& b) {
  AreaPart p{a.exact, b.exact, a.value, b.value, {}, NAN};
  if (!a.exact.isEmpty() && !b.exact.isEmpty()) {
    const QString answer = definiteIntegralExact(engine, difference, a.exact, b.exact);
    const EngineTerm exact = raw(answer);
    const std::optional<double> value = approximateNumber(engine, exact);
    if (!answer.startsWith(QStringLiteral("Fehler")) && answer.size() <= kLongestExact && value) {
      p.integral = exact;
      p.value = *value;
      return p;
    }
  }
  const QString numeric = definiteIntegralAnswer(engine, difference, EngineTerm::number(a.value),
                                                 EngineTerm::number(b.value));
  p.value = approximateNumber(engine, raw(numeric)).value_or(NAN);
  return p;
}

}  // namespace

Area Flaeche(Engine& engine, const EngineTerm& f, const EngineTerm& g, double from, double to,
             const QString& lower, const QString& upper) {
  Area area;
  const bool typed = !lower.trimmed().isEmpty() && !upper.trimmed().isEmpty();
  Bound a, b;
  if (typed) {
    a.exact = EngineTerm::fromUser(lower.trimmed());
    b.exact = EngineTerm::fromUser(upper.trimmed());
    const std::optional<double> av = approximateNumber(engine, a.exact);
    const std::optional<double> bv = approximateNumber(engine, b.exact);
    if (!av || !bv || *av == *bv) {
      area.message = QStringLiteral("„von“ und „bis“ müssen zwei verschiedene Zahlen sein.");
      return area;
    }
    a.value = *av;
    b.value = *bv;
    if (a.value > b.value) std::swap(a, b);
    from = a.value;
    to = b.value;
  }
  const Meeting m = Schnittpunkte(engine, f, g, from, to);
  if (!m.message.isEmpty()) {
    area.message = m.message;
    return area;
  }
  QList<Bound> cuts;
  for (const MeetingPoint& p : m.points) cuts.push_back({p.x, p.xValue});
  if (typed) {
    const double eps = 1e-12 * (1 + std::abs(a.value) + std::abs(b.value));
    while (!cuts.isEmpty() && cuts.front().value <= a.value + eps) cuts.removeFirst();
    while (!cuts.isEmpty() && cuts.back().value >= b.value - eps) cuts.removeLast();
    cuts.prepend(a);
    cuts.append(b);
  } else if (cuts.size() < 2) {
    area.message = QStringLiteral(
        "Die beiden Graphen schließen im Fenster keine Fläche ein: Sie schneiden sich dort "
        "nicht zweimal.");
    return area;
  }
  const EngineTerm difference = raw('(' + f.text() + ")-(" + g.text() + ')');
  QString sum;
  bool exact = true;
  area.value = 0;
  for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
    const AreaPart p = part(engine, difference, cuts[i], cuts[i + 1]);
    area.parts.push_back(p);
    area.value += std::abs(p.value);
    exact = exact && !p.integral.isEmpty();
    sum += (i ? QStringLiteral("+") : QString()) + "abs(" + p.integral.text() + ')';
  }
  if (!std::isfinite(area.value)) {
    area.message = QStringLiteral("Die Fläche lässt sich nicht berechnen.");
    return area;
  }
  if (exact) {
    const Rewritten total = simplify(engine, raw(sum));
    if (total.failure.isEmpty()) area.exact = total.term;
  }
  return area;
}

RichText areaText(const Area& a) {
  const QString units = QStringLiteral(" FE");
  if (a.exact.isEmpty()) return w(QStringLiteral("A ≈ ") + schoolNumber(a.value) + units);
  RichText out = w(QStringLiteral("A = ")) + schoolTerm(a.exact);
  if (isPlainNumber(a.exact)) return out + w(units);
  const double thousandths = a.value * 1000;
  const bool terminates = std::abs(thousandths - std::round(thousandths)) < 1e-6;
  return out + w((terminates ? QStringLiteral(" = ") : QStringLiteral(" ≈ ")) +
                 schoolNumber(a.value) + units);
}

RichText areaPartLine(const AreaPart& p) {
  auto bound = [](const EngineTerm& exact, double value) {
    return exact.isEmpty() ? w(schoolNumber(value)) : schoolTerm(exact);
  };
  return w(QStringLiteral("∫ von ")) + bound(p.from, p.fromValue) + w(QStringLiteral(" bis ")) +
         bound(p.to, p.toValue) + w(QStringLiteral(": (f − g) dx ")) +
         (p.integral.isEmpty() ? w(QStringLiteral("≈ ") + schoolNumber(p.value))
                               : w(QStringLiteral("= ")) + schoolTerm(p.integral));
}
