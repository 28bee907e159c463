#include "calculus/zero_steps.h"

#include <optional>

namespace {

RichText w(const QString& text) {
  return RichText::words(text);
}
RichText term(const EngineTerm& t) {
  return schoolTerm(t);
}
EngineTerm raw(const QString& text) {
  return EngineTerm::asIs(text);
}

constexpr int kMaxDegree = 6;

class Steps {
 public:
  Steps(Engine& engine) : engine_(engine) {}

  QList<RichText> of(const EngineTerm& f) {
    const QList<EngineTerm> factors = factorsWithX(factor(engine_, f).term);
    if (isPolynomial(f)) {
      polynomial(f);
    } else if (factors.size() > 1) {
      RichText product = w(QStringLiteral("Satz vom Nullprodukt: "));
      for (qsizetype i = 0; i < factors.size(); ++i)
        product += (i ? w(QStringLiteral(" oder ")) : RichText()) + term(factors[i]) +
                   w(QStringLiteral(" = 0"));
      lines_ << product;
      for (const EngineTerm& factor : factors) {
        if (factor.text().startsWith(QStringLiteral("exp(")))
          lines_ << term(factor) + w(QStringLiteral(" > 0 für alle x, also keine Lösung"));
      }
    }
    return lines_;
  }

 private:
  EngineTerm simplified(const QString& text) {
    const Rewritten r = simplify(engine_, raw(text));
    return r.failure.isEmpty() ? r.term : EngineTerm();
  }

  // The coefficients a0 … an of a polynomial, exact; empty above kMaxDegree.
  QList<EngineTerm> coefficients(const EngineTerm& p) {
    QList<EngineTerm> out;
    EngineTerm d = p;
    double factorial = 1;
    for (int k = 0; k <= kMaxDegree + 1; ++k) {
      if (k > 0) {
        d = derivative(engine_, p, k);
        factorial *= k;
      }
      const Rewritten a = exactValue(
          engine_, raw('(' + d.text() + ")/" + QString::number(factorial, 'f', 0)), raw("0"));
      if (!a.failure.isEmpty() || a.term.isEmpty()) return {};
      out << a.term;
      const EngineTerm rest = simplified(d.text());
      if (rest.isEmpty()) return {};
      if (k > 0 && !rest.text().contains('x')) break;
      if (k == 0 && !p.text().contains('x')) break;
    }
    if (out.size() > kMaxDegree + 1) return {};
    while (out.size() > 1 && out.back().text() == QStringLiteral("0")) out.removeLast();
    return out;
  }

  void polynomial(const EngineTerm& f) {
    QList<EngineTerm> a = coefficients(f);
    if (a.size() < 3) return;  // constant or linear: no method to name
    EngineTerm p = f;
    int lowest = 0;
    while (lowest < a.size() - 1 && a[lowest].text() == QStringLiteral("0")) ++lowest;
    if (lowest > 0) {
      const QString power = lowest == 1 ? QStringLiteral("x") : "x^" + QString::number(lowest);
      p = simplified('(' + f.text() + ")/" + power);
      if (p.isEmpty()) return;
      lines_ << w(QStringLiteral("Ausklammern: ")) + term(raw(power + "*(" + p.text() + ')')) +
                    w(QStringLiteral(" = 0"));
      lines_ << w(QStringLiteral("Satz vom Nullprodukt: ")) + term(raw(power)) +
                    w(QStringLiteral(" = 0 oder ")) + term(p) + w(QStringLiteral(" = 0"));
      a = a.mid(lowest);
    }
    const int degree = static_cast<int>(a.size()) - 1;
    if (degree == 2) {
      quadratic(a[2], a[1], a[0], QStringLiteral("x"));
    } else if (degree == 4 && a[1].text() == QStringLiteral("0") &&
               a[3].text() == QStringLiteral("0")) {
      lines_ << w(QStringLiteral("Substitution z = x²: ")) +
                    term(raw('(' + a[4].text() + ")*z^2+(" + a[2].text() + ")*z+(" + a[0].text() +
                             ')')) +
                    w(QStringLiteral(" = 0"));
      quadratic(a[4], a[2], a[0], QStringLiteral("z"));
      lines_ << w(QStringLiteral("Rücksubstitution: x² = z₁ und x² = z₂, also x = ±√z für z ≥ 0"));
    } else if (degree == 3) {
      division(p);
    }
  }

  // A zero found by trying, the division by its linear factor, and the
  // quadratic left.
  void division(const EngineTerm& p) {
    const Solutions s = solve(engine_, p);
    for (const Solution& one : s.solutions) {
      if (one.numeric() || !isPlainNumber(one.exact) || one.exact.text().contains('.')) continue;
      const QString linear = "x-(" + one.exact.text() + ')';
      const EngineTerm q = simplified('(' + p.text() + ")/(" + linear + ')');
      if (q.isEmpty() || !isPolynomial(q)) return;
      lines_ << w(QStringLiteral("Nullstelle durch Probieren: x = ")) + term(one.exact);
      const EngineTerm shownLinear = simplified(linear);
      lines_ << w(QStringLiteral("Polynomdivision: (")) + term(p) + w(QStringLiteral(") : (")) +
                    term(shownLinear) + w(QStringLiteral(") = ")) + term(q);
      const QList<EngineTerm> a = coefficients(q);
      if (a.size() == 3) quadratic(a[2], a[1], a[0], QStringLiteral("x"));
      return;
    }
  }

  void quadratic(const EngineTerm& a, const EngineTerm& b, const EngineTerm& c, const QString& v) {
    const QString name = v + QStringLiteral("₁,₂");
    EngineTerm discriminant;
    if (b.text() == QStringLiteral("0")) {
      const EngineTerm square = simplified("-(" + c.text() + ")/(" + a.text() + ')');
      if (square.isEmpty()) return;
      lines_ << term(raw(v + "^2")) + w(QStringLiteral(" = ")) + term(square);
      const std::optional<double> s = approximateNumber(engine_, square);
      if (s && *s < 0) {
        lines_ << w(QStringLiteral("Ein Quadrat ist nie negativ: keine Lösung"));
      } else {
        lines_ << w(v + QStringLiteral(" = ±")) + term(raw("sqrt(" + square.text() + ')'));
      }
      return;
    }
    if (a.text() == QStringLiteral("1")) {
      lines_ << w(QStringLiteral("pq-Formel mit p = ")) + term(b) + w(QStringLiteral(", q = ")) +
                    term(c) + w(QStringLiteral(":"));
      discriminant = simplified("((" + b.text() + ")/2)^2-(" + c.text() + ')');
      const EngineTerm half = simplified("-(" + b.text() + ")/2");
      if (discriminant.isEmpty() || half.isEmpty()) return;
      lines_ << w(name + QStringLiteral(" = −p/2 ± √((p/2)² − q) = ")) + term(half) +
                    w(QStringLiteral(" ± ")) + term(raw("sqrt(" + discriminant.text() + ')'));
    } else {
      lines_ << w(QStringLiteral("abc-Formel mit a = ")) + term(a) + w(QStringLiteral(", b = ")) +
                    term(b) + w(QStringLiteral(", c = ")) + term(c) + w(QStringLiteral(":"));
      discriminant = simplified('(' + b.text() + ")^2-4*(" + a.text() + ")*(" + c.text() + ')');
      const EngineTerm minusB = simplified("-(" + b.text() + ')');
      const EngineTerm twoA = simplified("2*(" + a.text() + ')');
      if (discriminant.isEmpty() || minusB.isEmpty() || twoA.isEmpty()) return;
      lines_ << w(name + QStringLiteral(" = (−b ± √(b² − 4ac))/(2a) = (")) + term(minusB) +
                    w(QStringLiteral(" ± ")) + term(raw("sqrt(" + discriminant.text() + ')')) +
                    w(QStringLiteral(")/")) +
                    (isPlainNumber(twoA)
                         ? term(twoA)
                         : w(QStringLiteral("(")) + term(twoA) + w(QStringLiteral(")")));
    }
    const std::optional<double> d = approximateNumber(engine_, discriminant);
    if (d && *d < 0)
      lines_ << w(QStringLiteral("Der Term unter der Wurzel ist negativ: keine Lösung"));
  }

  Engine& engine_;
  QList<RichText> lines_;
};

}  // namespace

QList<RichText> zeroSteps(Engine& engine, const EngineTerm& f) {
  return Steps(engine).of(f);
}
