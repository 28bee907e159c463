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
      const QList<EngineTerm> z = quadratic(a[4], a[2], a[0], QStringLiteral("z"));
      if (z.isEmpty()) return;
      lines_ << w(QStringLiteral("z₁ = ")) + term(z[0]) + w(QStringLiteral(", z₂ = ")) + term(z[1]);
      for (const EngineTerm& square : z) back(square);
    } else if (degree == 3) {
      division(p);
    }
  }

  // Rücksubstitution: x² = z gives ±√z where z ≥ 0.
  void back(const EngineTerm& z) {
    RichText line = w(QStringLiteral("Rücksubstitution: x² = ")) + term(z);
    const std::optional<double> value = approximateNumber(engine_, z);
    if (value && *value < 0) {
      lines_ << line + w(QStringLiteral(": keine Lösung"));
      return;
    }
    const EngineTerm root = simplified("sqrt(" + z.text() + ')');
    if (root.isEmpty()) return;
    lines_ << line +
                  w(root.text() == QStringLiteral("0") ? QStringLiteral(" ⇒ x = ")
                                                       : QStringLiteral(" ⇒ x = ±")) +
                  term(root);
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

  // The pq- or abc-Formel (or v² = … without a linear term); returns the
  // real solutions, smaller first.
  QList<EngineTerm> quadratic(const EngineTerm& a, const EngineTerm& b, const EngineTerm& c,
                              const QString& v) {
    const QString name = v + QStringLiteral("₁,₂");
    if (b.text() == QStringLiteral("0")) {
      const EngineTerm square = simplified("-(" + c.text() + ")/(" + a.text() + ')');
      if (square.isEmpty()) return {};
      lines_ << term(raw(v + "^2")) + w(QStringLiteral(" = ")) + term(square);
      const std::optional<double> s = approximateNumber(engine_, square);
      if (s && *s < 0) {
        lines_ << w(QStringLiteral("Ein Quadrat ist nie negativ: keine Lösung"));
        return {};
      }
      const EngineTerm root = simplified("sqrt(" + square.text() + ')');
      if (root.isEmpty()) return {};
      lines_ << w(v + QStringLiteral(" = ±")) + term(root);
      return {simplified("-(" + root.text() + ')'), root};
    }
    EngineTerm discriminant, middle, denominator;
    RichText formula;
    if (a.text() == QStringLiteral("1")) {
      lines_ << w(QStringLiteral("pq-Formel mit p = ")) + term(b) + w(QStringLiteral(", q = ")) +
                    term(c) + w(QStringLiteral(":"));
      discriminant = simplified("((" + b.text() + ")/2)^2-(" + c.text() + ')');
      middle = simplified("-(" + b.text() + ")/2");
      denominator = raw("1");
      formula = w(name + QStringLiteral(" = −p/2 ± √((p/2)² − q) = "));
    } else {
      lines_ << w(QStringLiteral("abc-Formel mit a = ")) + term(a) + w(QStringLiteral(", b = ")) +
                    term(b) + w(QStringLiteral(", c = ")) + term(c) + w(QStringLiteral(":"));
      discriminant = simplified('(' + b.text() + ")^2-4*(" + a.text() + ")*(" + c.text() + ')');
      middle = simplified("-(" + b.text() + ')');
      denominator = simplified("2*(" + a.text() + ')');
      formula = w(name + QStringLiteral(" = (−b ± √(b² − 4ac))/(2a) = "));
    }
    if (discriminant.isEmpty() || middle.isEmpty() || denominator.isEmpty()) return {};
    const std::optional<double> d = approximateNumber(engine_, discriminant);
    const EngineTerm root =
        d && *d >= 0 ? simplified("sqrt(" + discriminant.text() + ')') : EngineTerm();
    const RichText radical =
        root.isEmpty() ? term(raw("sqrt(" + discriminant.text() + ')')) : term(root);
    if (denominator.text() == QStringLiteral("1")) {
      lines_ << formula + term(middle) + w(QStringLiteral(" ± ")) + radical;
    } else {
      lines_ << formula + w(QStringLiteral("(")) + term(middle) + w(QStringLiteral(" ± ")) +
                    radical + w(QStringLiteral(")/")) +
                    (isPlainNumber(denominator)
                         ? term(denominator)
                         : w(QStringLiteral("(")) + term(denominator) + w(QStringLiteral(")")));
    }
    if (d && *d < 0) {
      lines_ << w(QStringLiteral("Der Term unter der Wurzel ist negativ: keine Lösung"));
      return {};
    }
    if (root.isEmpty()) return {};
    QList<EngineTerm> solutions;
    for (const char* sign : {"-", "+"}) {
      solutions << simplified("((" + middle.text() + ')' + sign + '(' + root.text() + "))/(" +
                              denominator.text() + ')');
    }
    const std::optional<double> first = approximateNumber(engine_, solutions[0]);
    const std::optional<double> second = approximateNumber(engine_, solutions[1]);
    if (first && second && *first > *second) std::swap(solutions[0], solutions[1]);
    return solutions;
  }

  Engine& engine_;
  QList<RichText> lines_;
};

}  // namespace

QList<RichText> zeroSteps(Engine& engine, const EngineTerm& f) {
  return Steps(engine).of(f);
}
