#include "calculus/intersections.h"

#include <cmath>
#include <optional>
#include <tuple>

#include "engine/messages.h"

namespace {

RichText w(const QString& text) {
  return RichText::words(text);
}
EngineTerm raw(const QString& text) {
  return EngineTerm::asIs(text);
}

bool isZero(const EngineTerm& t) {
  return t.text() == QStringLiteral("0");
}

// The exact value of a term at an exact point, or nothing.
std::optional<EngineTerm> exactAt(Engine& engine, const EngineTerm& term, const EngineTerm& x) {
  const Rewritten r = exactValue(engine, term, x);
  if (!r.failure.isEmpty() || r.term.isEmpty()) return std::nullopt;
  return r.term;
}

std::optional<double> valueAt(Engine& engine, const EngineTerm& term, double x) {
  return Funktionswert(engine, term, x).value;
}

// A number written after an operator: parenthesized when it is a sum.
RichText factorText(const EngineTerm& number) {
  const RichText t = schoolTerm(number);
  if (t.plain.contains(' ')) return w(QStringLiteral("(")) + t + w(QStringLiteral(")"));
  return t;
}

StraightLine straightLine(Engine& engine, const QString& slope, const QString& intercept) {
  StraightLine line;
  for (auto [text, exact, value] :
       {std::tuple{&slope, &line.slope, &line.slopeValue},
        std::tuple{&intercept, &line.intercept, &line.interceptValue}}) {
    const Rewritten r = simplify(engine, raw(*text));
    *exact = r.failure.isEmpty() ? r.term : raw(*text);
    *value = approximateNumber(engine, *exact).value_or(NAN);
  }
  return line;
}

}  // namespace

Meeting Schnittpunkte(Engine& engine, const EngineTerm& f, const EngineTerm& g, double from,
                      double to) {
  Meeting out;
  if (f.isEmpty() || g.isEmpty()) {
    out.message = kNoTermMessage;
    return out;
  }
  const EngineTerm difference = raw('(' + f.text() + ")-(" + g.text() + ')');
  const Rewritten same = simplify(engine, difference);
  if (same.failure.isEmpty() && isZero(same.term)) {
    out.message = QStringLiteral(
        "Die beiden Graphen sind gleich: Sie haben unendlich viele gemeinsame Punkte.");
    return out;
  }
  const Solutions s = solve(engine, difference, EngineTerm::number(from), EngineTerm::number(to));
  if (!s.failure.isEmpty()) {
    out.message = QString(s.failure).remove(QStringLiteral("Fehler: "));
    return out;
  }
  const EngineTerm slope = derivative(engine, difference, 1);
  for (const Solution& one : s.solutions) {
    MeetingPoint p;
    p.xValue = one.value;
    const std::optional<double> fx = valueAt(engine, f, one.value);
    const std::optional<double> gx = valueAt(engine, g, one.value);
    if (!fx || !gx) continue;  // not where both graphs are
    p.yValue = *fx;
    if (!one.numeric()) {
      p.x = one.exact;
      if (const auto y = exactAt(engine, f, one.exact)) {
        p.y = *y;
        p.yValue = approximateNumber(engine, *y).value_or(*fx);
      }
      const auto s1 = exactAt(engine, slope, one.exact);
      p.touching = s1 && isZero(*s1);
    } else {
      const auto s1 = valueAt(engine, slope, one.value);
      p.touching = s1 && std::abs(*s1) < 1e-7;
    }
    out.points.push_back(p);
  }
  return out;
}

RichText meetingLine(const MeetingPoint& p, int number) {
  return pointText(QStringLiteral("S") + QString::number(number), p.x, p.xValue, p.y, p.yValue) +
         w(p.touching ? QStringLiteral(", Berührpunkt") : QString());
}

RichText lineText(const StraightLine& line) {
  const QString m = line.slope.text();
  RichText out;
  if (isZero(line.slope)) {
    return schoolTerm(line.intercept);
  } else if (m == QStringLiteral("1")) {
    out = w(QStringLiteral("x"));
  } else if (m == QStringLiteral("-1")) {
    out = w(QStringLiteral("−x"));
  } else if (isPlainNumber(line.slope)) {
    out = schoolTerm(line.slope) + w(QStringLiteral("x"));
  } else {
    out = factorText(line.slope) + w(QStringLiteral("·x"));
  }
  if (isZero(line.intercept)) return out;
  const bool below = line.interceptValue < 0;
  const EngineTerm magnitude = below ? raw("-(" + line.intercept.text() + ')') : line.intercept;
  RichText b = schoolTerm(magnitude);
  if (below && b.plain.startsWith(QChar(0x2212))) b = factorText(magnitude);  // keep it exact
  return out + w(below ? QStringLiteral(" − ") : QStringLiteral(" + ")) + b;
}

EngineTerm lineTerm(Engine& engine, const StraightLine& line) {
  const EngineTerm term = raw('(' + line.slope.text() + ")*x+(" + line.intercept.text() + ')');
  const Rewritten simple = simplify(engine, term);
  return simple.failure.isEmpty() ? simple.term : term;
}

Tangent Tangente(Engine& engine, const EngineTerm& f, const QString& typed) {
  Tangent t;
  const EngineTerm x0 = EngineTerm::fromUser(typed.trimmed());
  const std::optional<double> x0Value = approximateNumber(engine, x0);
  if (typed.trimmed().isEmpty() || !x0Value) {
    t.message = QStringLiteral("Die Stelle x0 = %1 ist keine Zahl.").arg(typed.trimmed());
    return t;
  }
  const EngineTerm slope = derivative(engine, f, 1);
  const auto y0 = exactAt(engine, f, x0);
  const auto m = exactAt(engine, slope, x0);
  const Limit left = limit(engine, slope, x0, Side::Left);
  const Limit right = limit(engine, slope, x0, Side::Right);
  const bool kink = left.kind == Limit::Kind::Value && right.kind == Limit::Kind::Value &&
                    !(left.value == right.value);
  if (!y0 || !m || kink) {
    t.message = QStringLiteral("f ist an der Stelle x0 = %1 nicht differenzierbar.")
                    .arg(schoolTerm(x0).plain);
    return t;
  }
  t.x0 = x0;
  t.y0 = *y0;
  t.x0Value = *x0Value;
  t.y0Value = approximateNumber(engine, *y0).value_or(NAN);
  // t(x) = m·(x − x0) + y0 and n(x) = −1/m·(x − x0) + y0
  t.tangent = straightLine(engine, m->text(),
                           '(' + y0->text() + ")-(" + m->text() + ")*(" + x0.text() + ')');
  if (isZero(*m)) {
    t.verticalNormal = true;
  } else {
    t.normal = straightLine(engine, "-1/(" + m->text() + ')',
                            '(' + y0->text() + ")+(" + x0.text() + ")/(" + m->text() + ')');
  }
  return t;
}

TangentsThrough TangentenDurchPunkt(Engine& engine, const EngineTerm& f, const QString& u,
                                    const QString& v, double from, double to) {
  TangentsThrough out;
  const EngineTerm pu = EngineTerm::fromUser(u.trimmed());
  const EngineTerm pv = EngineTerm::fromUser(v.trimmed());
  if (!approximateNumber(engine, pu) || !approximateNumber(engine, pv)) {
    out.message = QStringLiteral("Der Punkt P(%1 | %2) hat keine Zahlen als Koordinaten.")
                      .arg(u.trimmed(), v.trimmed());
    return out;
  }
  // The point of contact a: f′(a)·(u − a) + f(a) = v
  const EngineTerm slope = derivative(engine, f, 1);
  const EngineTerm equation =
      raw('(' + slope.text() + ")*((" + pu.text() + ")-x)+(" + f.text() + ")-(" + pv.text() + ')');
  Solutions s = solve(engine, equation);
  if (!s.failure.isEmpty() || s.general)
    s = solve(engine, equation, EngineTerm::number(from), EngineTerm::number(to));
  if (!s.failure.isEmpty()) {
    out.message = QString(s.failure).remove(QStringLiteral("Fehler: "));
    return out;
  }
  for (const Solution& a : s.solutions) {
    const QString at = a.numeric() ? QString::number(a.value, 'g', 17) : a.exact.text();
    const Tangent t = Tangente(engine, f, at);
    if (t.message.isEmpty()) out.tangents.push_back(t);
  }
  if (out.tangents.isEmpty()) {
    out.message = QStringLiteral("Durch P(%1 | %2) geht keine Tangente an den Graphen von f.")
                      .arg(schoolTerm(pu).plain, schoolTerm(pv).plain);
  }
  return out;
}

RichText tangentThroughLine(const Tangent& t, int number) {
  const QString n = QString::number(number);
  return w(QStringLiteral("t") + n + QStringLiteral("(x) = ")) + lineText(t.tangent) +
         w(QStringLiteral(" mit Berührpunkt ")) +
         pointText(QStringLiteral("B") + n, t.x0, t.x0Value, t.y0, t.y0Value);
}
