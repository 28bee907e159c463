#include "calculus/worked_solution.h"

#include <algorithm>
#include <cmath>

#include "calculus/derivatives.h"
#include "calculus/worked_builder.h"
#include "calculus/zero_steps.h"
#include "engine/messages.h"

namespace worked {

WorkedSolution Builder::run() {
  const FunctionValue probe = Funktionswert(engine_, f_, 0.5);
  if (probe.termFaulty) return failed(kTermErrorMessage);
  const Derivatives d = formDerivatives(engine_, f_);
  for (const EngineTerm* t : {&d.first, &d.second, &d.third}) {
    if (t->isEmpty() || t->text().startsWith(QStringLiteral("Fehler")))
      return failed(t->isEmpty() ? kTermErrorMessage : t->text());
  }
  derivative_[0] = f_;
  derivative_[1] = d.first;
  derivative_[2] = d.second;
  derivative_[3] = d.third;
  functions();
  domain();
  symmetry();
  yIntercept();
  zeros();
  extrema();
  inflections();
  monotony();
  borders();
  result();
  return std::move(out_);
}

WorkedSolution Builder::failed(const QString& message) {
  out_.failure = message;
  return std::move(out_);
}

WorkedSection& Builder::section(const QString& heading) {
  out_.sections.push_back({heading, {}});
  return out_.sections.back();
}

RichText Builder::fName(int order, const QString& at) const {
  return w(QStringLiteral("f") + kPrime[order] + '(' + at + ')');
}

double Builder::valueAt(int order, double x) {
  return Funktionswert(engine_, derivative_[order], x).value.value_or(NAN);
}

EngineTerm Builder::exactAt(int order, const Place& p) {
  if (p.exact.isEmpty()) return {};
  const Rewritten r = exactValue(engine_, derivative_[order], p.exact);
  return r.failure.isEmpty() ? r.term : EngineTerm();
}

Place Builder::yAt(const Place& p) {
  Place y;
  y.exact = exactAt(0, p);
  if (!y.exact.isEmpty() && number(y.exact)) {
    y.value = *number(y.exact);
  } else {
    y.exact = {};
    y.value = valueAt(0, p.value);
  }
  return y;
}

Builder::Zeros Builder::zerosOf(const EngineTerm& g, bool inDomain) {
  Zeros z;
  Solutions s = solve(engine_, g);
  if (!s.failure.isEmpty() || s.general) {
    if (s.general) {
      for (const Solution& family : s.solutions) z.families << family.exact;
    } else {
      z.numeric = true;
    }
    s = solve(engine_, g, EngineTerm::number(from_), EngineTerm::number(to_));
  }
  for (const Solution& one : s.solutions) {
    const Place place{one.exact, one.value};
    if (inDomain && !definedAt(place)) continue;  // a root of a negative number is no zero
    z.places.push_back(place);
    if (one.numeric()) z.numeric = true;
  }
  if (!s.failure.isEmpty()) {
    z.numeric = true;
    z.failure = QString(s.failure).remove(QStringLiteral("Fehler: "));
  }
  return z;
}

void Builder::listZeros(const Zeros& z, const QString& name) {
  if (!z.families.isEmpty()) {
    RichText general = w(QStringLiteral("allgemeine Lösung: "));
    for (qsizetype i = 0; i < z.families.size(); ++i) {
      if (i) general += w(QStringLiteral(" oder "));
      general += w(name + QStringLiteral(" = ")) + term(z.families[i]);
    }
    line(general + w(QStringLiteral(", k ∈ ℤ")));
    line(w(QStringLiteral("im Intervall [") + schoolNumber(from_) + QStringLiteral("; ") +
           schoolNumber(to_) + QStringLiteral("]:")));
  } else if (z.numeric) {
    line(w(QStringLiteral("nicht exakt lösbar, numerisch:")));
  }
  if (!z.failure.isEmpty()) {
    line(w(z.failure));
    return;
  }
  if (z.places.isEmpty()) line(w(QStringLiteral("keine Lösung")));
  for (qsizetype i = 0; i < z.places.size(); ++i) {
    const QString index = z.places.size() > 1 ? subscript(static_cast<int>(i) + 1) : QString();
    line(w(name + index +
           (z.places[i].exact.isEmpty() ? QStringLiteral(" ") : QStringLiteral(" = "))) +
         placeText(z.places[i]));
  }
}

void Builder::addPoint(const QString& kind, const Place& x, const Place& y) {
  int n = 1;
  for (const WorkedPoint& p : out_.points)
    if (p.name.startsWith(kind) && p.name.mid(kind.size()).toInt() > 0) ++n;
  out_.points.push_back({kind == QStringLiteral("Sy") ? kind : kind + QString::number(n), x.exact,
                         y.exact, x.value, y.value});
}

void Builder::functions() {
  section(QStringLiteral("Funktion und Ableitungen"));
  const DomainConditions c = domainConditions(f_);
  for (int order = 0; order <= 3; ++order) {
    EngineTerm shown = derivative_[order];
    if (order > 0 && c.nonZero.size() == 1 && c.positive.isEmpty() && c.nonNegative.isEmpty())
      shown = overPower(shown, c.nonZero.front(), order);
    shown_[order] = shown;
    line(fName(order) + w(QStringLiteral(" = ")) + term(shown));
  }
}

EngineTerm Builder::overPower(const EngineTerm& d, const EngineTerm& denominator, int order) {
  if (isPolynomial(d)) return d;  // nothing left to divide: (x²−1)/(x−1) has f′ = 1
  const EngineTerm q = powerBase(denominator);
  for (int m = 1; m <= 4 * (order + 1); ++m) {
    const QString power = '(' + q.text() + ")^" + QString::number(m);
    const Rewritten n = simplify(engine_, EngineTerm::asIs('(' + d.text() + ")*" + power));
    if (n.failure.isEmpty() && isPolynomial(n.term)) {
      const Rewritten top = simplify(engine_, n.term);
      const Rewritten bottom =
          simplify(engine_, EngineTerm::asIs(power));  // (x²−1)⁴, not ((x²−1)²)²
      if (!top.failure.isEmpty() || !bottom.failure.isEmpty()) return d;
      if (isZero(top.term)) return top.term;
      return EngineTerm::asIs('(' + top.term.text() + ")/(" + bottom.term.text() + ')');
    }
  }
  return d;
}

void Builder::symmetry() {
  section(QStringLiteral("Symmetrie"));
  if (periodic_ || !gaps_.isEmpty() || !domain_.isEmpty()) {
    const EngineTerm mirrored = substitute(engine_, f_, "x", EngineTerm::asIs("(-x)"));
    auto vanishes = [&](const char* op) {
      const Rewritten r = simplify(
          engine_, EngineTerm::asIs('(' + mirrored.text() + ')' + op + '(' + f_.text() + ')'));
      return r.failure.isEmpty() && isZero(r.term);
    };
    if (vanishes("-")) {
      line(w(QStringLiteral("achsensymmetrisch zur y-Achse, da f(−x) = f(x)")));
      return;
    }
    if (vanishes("+")) {
      line(w(QStringLiteral("punktsymmetrisch zum Ursprung, da f(−x) = −f(x)")));
      return;
    }
  }
  line(w(QStringLiteral("keine Symmetrie zum Koordinatensystem erkennbar")));
}

void Builder::yIntercept() {
  const Place zero{EngineTerm::asIs("0"), 0};
  if (!definedAt(zero)) return;
  section(QStringLiteral("Schnittpunkt mit der y-Achse"));
  const Place y = yAt(zero);
  line(w(QStringLiteral("f(0) = ")) + exactOrNumber(y) + w(QStringLiteral(" ⇒ Sy(0 | ")) +
       exactOrNumber(y) + w(QStringLiteral(")")));
  sy_ = y;
}

void Builder::zeros() {
  section(QStringLiteral("Nullstellen"));
  line(w(QStringLiteral("f(x) = 0")));
  for (const RichText& step : zeroSteps(engine_, f_)) line(step);
  const Zeros z = zerosOf(f_);
  listZeros(z, QStringLiteral("x"));
  for (const Place& x : z.places) {
    int multiplicity = 1;
    while (multiplicity < 4 && isZero(exactAt(multiplicity, x))) ++multiplicity;
    if (multiplicity == 2)
      line(w(QStringLiteral("x = ")) + exactOrNumber(x) +
           w(QStringLiteral(": doppelte Nullstelle: Berührpunkt")));
    if (multiplicity == 3)
      line(w(QStringLiteral("x = ")) + exactOrNumber(x) +
           w(QStringLiteral(": dreifache Nullstelle: Sattelpunkt")));
    if (multiplicity >= 4)
      line(w(QStringLiteral("x = ")) + exactOrNumber(x) +
           w(QStringLiteral(": mindestens vierfache Nullstelle")));
    addPoint(QStringLiteral("N"), x, {x.exact.isEmpty() ? EngineTerm() : EngineTerm::asIs("0"), 0});
  }
  if (sy_) addPoint(QStringLiteral("Sy"), {EngineTerm::asIs("0"), 0}, *sy_);
}

std::pair<double, double> Builder::signsAround(int order, const QList<Place>& places, qsizetype i) {
  const double x = places[i].value;
  const double left = i > 0 ? (places[i - 1].value + x) / 2 : x - 0.5;
  const double right = i + 1 < places.size() ? (places[i + 1].value + x) / 2 : x + 0.5;
  auto sign = [](double v) { return std::isfinite(v) ? (v > 0) - (v < 0) : 0; };
  return {sign(valueAt(order, std::max(left, x - 0.5))),
          sign(valueAt(order, std::min(right, x + 0.5)))};
}

Builder::Zeros Builder::necessary(int order) {
  line(w(QStringLiteral("notwendige Bedingung: ")) + fName(order) + w(QStringLiteral(" = 0")));
  line(fName(order) + w(QStringLiteral(" = ")) + term(shown_[order]) + w(QStringLiteral(" = 0")));
  const Zeros z = zerosOf(derivative_[order]);
  listZeros(z, QStringLiteral("x"));
  periodicSigns_ = periodicSigns_ || !z.families.isEmpty();
  return z;
}

Builder::Sufficient Builder::sufficient(int order, const Place& x) {
  Sufficient out;
  const EngineTerm exact = exactAt(order, x);
  out.value = exact.isEmpty() ? valueAt(order, x.value) : number(exact).value_or(NAN);
  out.vanishes =
      !std::isfinite(out.value) || (exact.isEmpty() ? std::abs(out.value) < 1e-9 : isZero(exact));
  out.reason =
      w(QStringLiteral("f") + kPrime[order] + '(') + exactOrNumber(x) + w(QStringLiteral(") = "));
  if (!out.vanishes)
    out.reason += exact.isEmpty() ? w(QStringLiteral("≈ ") + schoolNumber(out.value)) : term(exact);
  return out;
}

void Builder::extrema() {
  section(QStringLiteral("Extrempunkte"));
  const Zeros z = necessary(1);
  critical_ = z.places;
  criticalFailure_ = z.failure;
  if (z.places.isEmpty()) return;
  line(w(QStringLiteral("hinreichende Bedingung: f′(x) = 0 und f″(x) ≠ 0")));
  for (qsizetype i = 0; i < z.places.size(); ++i) {
    const Place& x = z.places[i];
    const RichText at = exactOrNumber(x);
    const Sufficient second = sufficient(2, x);
    QString kind;
    RichText reason = second.reason;
    if (!second.vanishes) {
      reason += signWord(second.value);
      kind = second.value < 0 ? QStringLiteral("HP") : QStringLiteral("TP");
    } else {
      const auto [left, right] = signsAround(1, z.places, i);
      reason += w(QStringLiteral("0, Vorzeichenwechsel von f′: "));
      if (left > 0 && right < 0) {
        reason += w(QStringLiteral("von + nach −"));
        kind = QStringLiteral("HP");
      } else if (left < 0 && right > 0) {
        reason += w(QStringLiteral("von − nach +"));
        kind = QStringLiteral("TP");
      } else {
        reason += w(QStringLiteral("keiner ⇒ kein Extremum (Sattelpunkt, siehe Wendepunkte)"));
      }
    }
    if (kind.isEmpty()) {
      line(reason);
      continue;
    }
    const Place y = yAt(x);
    line(reason + w(QStringLiteral(" ⇒ ") + kind + '(') + at + w(QStringLiteral(" | ")) +
         exactOrNumber(y) + w(QStringLiteral(")")));
    addPoint(kind, x, y);
  }
}

void Builder::inflections() {
  section(QStringLiteral("Wendepunkte"));
  const Zeros z = necessary(2);
  flex_ = z.places;
  flexFailure_ = z.failure;
  if (z.places.isEmpty()) return;
  line(w(QStringLiteral("hinreichende Bedingung: f″(x) = 0 und f‴(x) ≠ 0")));
  QList<std::pair<Place, Place>> saddles;
  for (qsizetype i = 0; i < z.places.size(); ++i) {
    const Place& x = z.places[i];
    const RichText at = exactOrNumber(x);
    const Sufficient third = sufficient(3, x);
    RichText reason = third.reason;
    if (!third.vanishes) {
      reason += w(QStringLiteral(" ≠ 0"));
    } else {
      const auto [left, right] = signsAround(2, z.places, i);
      if (left * right >= 0) {
        line(reason + w(QStringLiteral("0, kein Vorzeichenwechsel von f″ ⇒ kein Wendepunkt")));
        continue;
      }
      reason += w(QStringLiteral("0, Vorzeichenwechsel von f″"));
    }
    const Place y = yAt(x);
    const EngineTerm slope = exactAt(1, x);
    const bool saddle = slope.isEmpty() ? std::abs(valueAt(1, x.value)) < 1e-9 : isZero(slope);
    const QString kind = saddle ? QStringLiteral("SP") : QStringLiteral("WP");
    line(reason + w(QStringLiteral(" ⇒ ") + kind + '(') + at + w(QStringLiteral(" | ")) +
         exactOrNumber(y) + w(QStringLiteral(")")) +
         w(saddle ? QStringLiteral(", Sattelpunkt, da auch f′(") : QString()) +
         (saddle ? at + w(QStringLiteral(") = 0")) : RichText()));
    if (saddle) {
      saddles.push_back({x, y});
    } else {
      addPoint(kind, x, y);
    }
  }
  for (const auto& [x, y] : saddles) addPoint(QStringLiteral("SP"), x, y);
}

void Builder::result() {
  section(QStringLiteral("Ergebnis"));
  std::stable_sort(out_.points.begin(), out_.points.end(),
                   [](const WorkedPoint& a, const WorkedPoint& b) {
                     auto rank = [](const QString& name) {
                       const QString order[] = {"N", "Sy", "HP", "TP", "WP", "SP"};
                       for (int i = 0; i < 6; ++i)
                         if (name.startsWith(order[i]) && (i != 0 || name[1].isDigit())) return i;
                       return 6;
                     };
                     return rank(a.name) < rank(b.name);
                   });
  if (out_.points.isEmpty()) line(w(QStringLiteral("keine besonderen Punkte")));
  for (const WorkedPoint& p : out_.points) line(pointLine(p));
}

}  // namespace worked

WorkedSolution Loesungsweg(Engine& engine, const EngineTerm& f, double from, double to) {
  const ParameterReading parameter = parameterOf(f);
  if (!parameter.message.isEmpty()) {
    WorkedSolution refused;
    refused.failure = parameter.message;
    return refused;
  }
  if (!parameter.letter.isNull())
    return worked::familySolution(engine, f, parameter.letter, from, to);
  return worked::Builder(engine, f, from, to).run();
}

bool ParameterInterval::contains(double t) const {
  return (t > lo || (loClosed && t == lo)) && (t < hi || (hiClosed && t == hi));
}

bool WorkedPoint::existsFor(double t) const {
  return exists.isEmpty() || std::any_of(exists.begin(), exists.end(),
                                         [t](const ParameterInterval& i) { return i.contains(t); });
}

RichText pointLine(const WorkedPoint& p) {
  return pointText(p.name, p.x, p.xValue, p.y, p.yValue);
}

QString plainText(const WorkedSolution& solution) {
  if (!solution.failure.isEmpty()) return solution.failure + '\n';
  QString out;
  for (const WorkedSection& s : solution.sections) {
    out += s.heading + '\n';
    for (const RichText& line : s.lines) out += QStringLiteral("  ") + line.plain + '\n';
    out += '\n';
  }
  return out;
}

QString htmlText(const WorkedSolution& solution) {
  if (!solution.failure.isEmpty()) return "<p>" + solution.failure.toHtmlEscaped() + "</p>";
  QString out;
  for (const WorkedSection& s : solution.sections) {
    out += QStringLiteral("<h3>") + s.heading.toHtmlEscaped() + QStringLiteral("</h3><p>");
    for (qsizetype i = 0; i < s.lines.size(); ++i)
      out += (i ? QStringLiteral("<br>") : QString()) + s.lines[i].html;
    out += QStringLiteral("</p>");
  }
  return out;
}
