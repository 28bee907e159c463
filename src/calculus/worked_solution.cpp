#include "calculus/worked_solution.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calculus/derivatives.h"
#include "calculus/zero_steps.h"
#include "engine/messages.h"

namespace {

const QString kPrime[] = {QString(), QStringLiteral("′"), QStringLiteral("″"), QStringLiteral("‴")};
const QString kSub[] = {QStringLiteral("₀"), QStringLiteral("₁"), QStringLiteral("₂"),
                        QStringLiteral("₃"), QStringLiteral("₄"), QStringLiteral("₅"),
                        QStringLiteral("₆"), QStringLiteral("₇"), QStringLiteral("₈"),
                        QStringLiteral("₉")};

RichText w(const QString& text) {
  return RichText::words(text);
}
RichText term(const EngineTerm& t) {
  return schoolTerm(t);
}

QString subscript(int n) {
  QString out;
  for (QChar c : QString::number(n)) out += kSub[c.unicode() - '0'];
  return out;
}

bool isZero(const EngineTerm& t) {
  return t.text() == QStringLiteral("0");
}

// A place on the x axis: exact where the engine wrote it so.
struct Place {
  EngineTerm exact;  // empty for a numeric one
  double value = 0;
};

RichText placeText(const Place& p) {
  if (p.exact.isEmpty()) return w(QStringLiteral("≈ ") + schoolNumber(p.value));
  RichText out = term(p.exact);
  if (!isPlainNumber(p.exact)) out += w(QStringLiteral(" ≈ ") + schoolNumber(p.value));
  return out;
}
RichText exactOrNumber(const Place& p) {
  return p.exact.isEmpty() ? w(schoolNumber(p.value)) : term(p.exact);
}

// An interval of the domain; a missing end is infinite.
struct Interval {
  std::optional<Place> lo, hi;
  bool loClosed = false, hiClosed = false;
};

RichText intervalText(const Interval& i) {
  RichText out = w(i.lo && i.loClosed ? QStringLiteral("[") : QStringLiteral("]"));
  out += i.lo ? exactOrNumber(*i.lo) : w(QStringLiteral("−∞"));
  out += w(QStringLiteral("; "));
  out += i.hi ? exactOrNumber(*i.hi) : w(QStringLiteral("∞"));
  out += w(i.hi && i.hiClosed ? QStringLiteral("]") : QStringLiteral("["));
  return out;
}

class Builder {
 public:
  Builder(Engine& engine, const EngineTerm& f, double from, double to)
      : engine_(engine), f_(f), from_(from), to_(to) {}

  WorkedSolution run() {
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

 private:
  WorkedSolution failed(const QString& message) {
    out_.failure = message;
    return std::move(out_);
  }

  WorkedSection& section(const QString& heading) {
    out_.sections.push_back({heading, {}});
    return out_.sections.back();
  }
  void line(const RichText& text) { out_.sections.back().lines.push_back(text); }

  RichText fName(int order, const QString& at = QStringLiteral("x")) const {
    return w(QStringLiteral("f") + kPrime[order] + '(' + at + ')');
  }

  std::optional<double> number(const EngineTerm& t) { return approximateNumber(engine_, t); }
  double valueAt(int order, double x) {
    return Funktionswert(engine_, derivative_[order], x).value.value_or(NAN);
  }

  // The exact value of f⁽ⁿ⁾ at a place; empty where there is none.
  EngineTerm exactAt(int order, const Place& p) {
    if (p.exact.isEmpty()) return {};
    const Rewritten r = exactValue(engine_, derivative_[order], p.exact);
    return r.failure.isEmpty() ? r.term : EngineTerm();
  }
  // The value of f at a place, exact where possible.
  Place yAt(const Place& p) {
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

  // The zeros of g (those where f is defined, with `inDomain`): exact, or
  // numeric in [from, to] where the engine finds none exactly; a periodic g
  // adds its general solutions.
  struct Zeros {
    QList<Place> places;
    QList<EngineTerm> families;
    bool numeric = false;
  };
  Zeros zerosOf(const EngineTerm& g, bool inDomain = true) {
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
    if (!s.failure.isEmpty()) z.numeric = true;
    return z;
  }

  void listZeros(const Zeros& z, const QString& name) {
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
    if (z.places.isEmpty()) line(w(QStringLiteral("keine Lösung")));
    for (qsizetype i = 0; i < z.places.size(); ++i) {
      const QString index = z.places.size() > 1 ? subscript(static_cast<int>(i) + 1) : QString();
      line(w(name + index +
             (z.places[i].exact.isEmpty() ? QStringLiteral(" ") : QStringLiteral(" = "))) +
           placeText(z.places[i]));
    }
  }

  void addPoint(const QString& kind, const Place& x, const Place& y) {
    int n = 1;
    for (const WorkedPoint& p : out_.points)
      if (p.name.startsWith(kind) && p.name.mid(kind.size()).toInt() > 0) ++n;
    out_.points.push_back({kind == QStringLiteral("Sy") ? kind : kind + QString::number(n), x.exact,
                           y.exact, x.value, y.value});
  }

  // 1. f and its derivatives; a quotient keeps its denominator as a power.
  void functions() {
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

  // f⁽ⁿ⁾ over the smallest power of the denominator's base that leaves a
  // polynomial above it, as the quotient rule gives it after cancelling.
  EngineTerm overPower(const EngineTerm& d, const EngineTerm& denominator, int order) {
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

  // 2. The domain: from the places where a condition changes, the pieces
  // between them where f has a value.
  void domain() {
    section(QStringLiteral("Definitionsbereich"));
    const DomainConditions c = domainConditions(f_);
    QList<Place> borders, windowGaps;
    auto condition = [&](const QList<EngineTerm>& terms, const QString& relation) {
      for (const EngineTerm& t : terms) {
        line(w(QStringLiteral("Bedingung: ")) + term(t) + w(relation));
        const Zeros z = zerosOf(t, false);
        periodicGaps_ << z.families;
        (z.families.isEmpty() ? borders : windowGaps) << z.places;
      }
    };
    condition(c.nonZero, QStringLiteral(" ≠ 0"));
    condition(c.positive, QStringLiteral(" > 0"));
    condition(c.nonNegative, QStringLiteral(" ≥ 0"));
    std::sort(borders.begin(), borders.end(),
              [](const Place& a, const Place& b) { return a.value < b.value; });
    borders.erase(std::unique(borders.begin(), borders.end(),
                              [](const Place& a, const Place& b) {
                                return std::abs(a.value - b.value) < 1e-9;
                              }),
                  borders.end());
    pieces(borders);
    if (!periodicGaps_.isEmpty()) {
      gaps_ = windowGaps;  // the repeating gaps inside [from, to]
      RichText text = w(QStringLiteral("D = ℝ \\ {"));
      for (qsizetype i = 0; i < periodicGaps_.size(); ++i)
        text += (i ? w(QStringLiteral("; ")) : RichText()) + term(periodicGaps_[i]);
      line(text + w(QStringLiteral(" | k ∈ ℤ}")));
      periodic_ = true;
      return;
    }
    RichText text = w(QStringLiteral("D = "));
    if (domain_.size() == 1 && !domain_[0].lo && !domain_[0].hi) {
      text += w(QStringLiteral("ℝ"));
    } else if (domain_.isEmpty()) {
      text += w(QStringLiteral("{"));
      for (qsizetype i = 0; i < isolated_.size(); ++i)
        text += (i ? w(QStringLiteral("; ")) : RichText()) + exactOrNumber(isolated_[i]);
      text += w(QStringLiteral("}"));
    } else {
      for (qsizetype i = 0; i < domain_.size(); ++i)
        text += (i ? w(QStringLiteral(" ∪ ")) : RichText()) + intervalText(domain_[i]);
    }
    if (!gaps_.isEmpty()) {
      text += w(QStringLiteral(" \\ {"));
      for (qsizetype i = 0; i < gaps_.size(); ++i)
        text += (i ? w(QStringLiteral("; ")) : RichText()) + exactOrNumber(gaps_[i]);
      text += w(QStringLiteral("}"));
    }
    line(text);
  }

  bool definedAt(const Place& p) {
    if (p.exact.isEmpty()) return std::isfinite(valueAt(0, p.value));
    return !exactAt(0, p).isEmpty();
  }

  // The open pieces between the borders where f has a value, joined over
  // the borders where it has one too; a border without a value inside the
  // domain is a gap.
  void pieces(const QList<Place>& borders) {
    const qsizetype n = borders.size();
    auto sample = [&](qsizetype i) {  // a point of the open piece before borders[i]
      if (n == 0) return 0.5;
      if (i == 0) return borders[0].value - 1;
      if (i == n) return borders[n - 1].value + 1;
      return (borders[i - 1].value + borders[i].value) / 2;
    };
    QList<bool> piece, point;
    for (qsizetype i = 0; i <= n; ++i) piece << std::isfinite(valueAt(0, sample(i)));
    for (const Place& border : borders) point << definedAt(border);
    std::optional<Interval> open;
    for (qsizetype i = 0; i <= n; ++i) {
      if (piece[i] && !open) {
        open = Interval{};
        if (i > 0) open->lo = borders[i - 1], open->loClosed = point[i - 1];
      } else if (!piece[i] && open) {
        open->hi = borders[i - 1];
        open->hiClosed = true;  // an undefined border ended the piece before
        domain_.push_back(*open);
        open.reset();
      }
      if (i < n && !open && point[i] && !piece[i + 1]) isolated_ << borders[i];
      if (i == n || !open || point[i]) continue;
      if (piece[i + 1]) {
        gaps_ << borders[i];
      } else {
        open->hi = borders[i];
        domain_.push_back(*open);
        open.reset();
      }
    }
    if (open) domain_.push_back(*open);
  }

  // 3.
  void symmetry() {
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

  // 4.
  void yIntercept() {
    const Place zero{EngineTerm::asIs("0"), 0};
    if (!definedAt(zero)) return;
    section(QStringLiteral("Schnittpunkt mit der y-Achse"));
    const Place y = yAt(zero);
    line(w(QStringLiteral("f(0) = ")) + exactOrNumber(y) + w(QStringLiteral(" ⇒ Sy(0 | ")) +
         exactOrNumber(y) + w(QStringLiteral(")")));
    sy_ = y;
  }

  // 5.
  void zeros() {
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
      addPoint(QStringLiteral("N"), x,
               {x.exact.isEmpty() ? EngineTerm() : EngineTerm::asIs("0"), 0});
    }
    if (sy_) addPoint(QStringLiteral("Sy"), {EngineTerm::asIs("0"), 0}, *sy_);
  }

  // The sign of f⁽ⁿ⁾ left and right of a place, halfway to its neighbours.
  std::pair<double, double> signsAround(int order, const QList<Place>& places, qsizetype i) {
    const double x = places[i].value;
    const double left = i > 0 ? (places[i - 1].value + x) / 2 : x - 0.5;
    const double right = i + 1 < places.size() ? (places[i + 1].value + x) / 2 : x + 0.5;
    auto sign = [](double v) { return std::isfinite(v) ? (v > 0) - (v < 0) : 0; };
    return {sign(valueAt(order, std::max(left, x - 0.5))),
            sign(valueAt(order, std::min(right, x + 0.5)))};
  }

  RichText signWord(double v) { return w(v > 0 ? QStringLiteral(" > 0") : QStringLiteral(" < 0")); }

  // The necessary condition f⁽ⁿ⁾(x) = 0 with its solutions.
  Zeros necessary(int order) {
    line(w(QStringLiteral("notwendige Bedingung: ")) + fName(order) + w(QStringLiteral(" = 0")));
    line(fName(order) + w(QStringLiteral(" = ")) + term(shown_[order]) + w(QStringLiteral(" = 0")));
    const Zeros z = zerosOf(derivative_[order]);
    listZeros(z, QStringLiteral("x"));
    periodicSigns_ = periodicSigns_ || !z.families.isEmpty();
    return z;
  }

  // The next derivative at a candidate, "f″(1) = 6", exact where possible.
  struct Sufficient {
    RichText reason;
    double value = NAN;
    bool vanishes = true;  // 0, or no value: the sign change decides
  };
  Sufficient sufficient(int order, const Place& x) {
    Sufficient out;
    const EngineTerm exact = exactAt(order, x);
    out.value = exact.isEmpty() ? valueAt(order, x.value) : number(exact).value_or(NAN);
    out.vanishes =
        !std::isfinite(out.value) || (exact.isEmpty() ? std::abs(out.value) < 1e-9 : isZero(exact));
    out.reason =
        w(QStringLiteral("f") + kPrime[order] + '(') + exactOrNumber(x) + w(QStringLiteral(") = "));
    if (!out.vanishes)
      out.reason +=
          exact.isEmpty() ? w(QStringLiteral("≈ ") + schoolNumber(out.value)) : term(exact);
    return out;
  }

  // 6.
  void extrema() {
    section(QStringLiteral("Extrempunkte"));
    const Zeros z = necessary(1);
    critical_ = z.places;
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

  // 7.
  void inflections() {
    section(QStringLiteral("Wendepunkte"));
    const Zeros z = necessary(2);
    flex_ = z.places;
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

  // The pieces of the domain split at `places`, with the sign of f⁽ⁿ⁾ on each.
  void signIntervals(int order, const QList<Place>& places, bool closed, const QString& rising,
                     const QString& falling) {
    QList<Interval> domain = domain_;
    if (periodic_ || periodicSigns_) {
      Interval window;
      window.lo = Place{EngineTerm::number(from_), from_};
      window.hi = Place{EngineTerm::number(to_), to_};
      domain = {window};
      line(w(QStringLiteral("im Intervall [") + schoolNumber(from_) + QStringLiteral("; ") +
             schoolNumber(to_) + QStringLiteral("]:")));
    }
    QList<Place> cuts = places;
    cuts << gaps_;
    std::sort(cuts.begin(), cuts.end(),
              [](const Place& a, const Place& b) { return a.value < b.value; });
    for (const Interval& piece : domain) {
      QList<int> signs;
      const double lo = piece.lo ? piece.lo->value : -INFINITY;
      const double hi = piece.hi ? piece.hi->value : INFINITY;
      QList<Interval> parts;
      Interval current{piece.lo, {}, piece.loClosed && closed, false};
      int currentSign = 0;
      auto finish = [&](const std::optional<Place>& end, bool endClosed, double from, double to) {
        const double middle = std::isinf(from) ? (std::isinf(to) ? 0.5 : to - 1)
                                               : (std::isinf(to) ? from + 1 : (from + to) / 2);
        const double v = valueAt(order, middle);
        const int sign = std::isfinite(v) ? (v > 0) - (v < 0) : 0;
        if (sign != 0 && sign == currentSign && !parts.isEmpty()) {
          parts.back().hi = end;
          parts.back().hiClosed = endClosed;
        } else {
          Interval next = current;
          next.hi = end;
          next.hiClosed = endClosed;
          parts.push_back(next);
          signs.push_back(sign);
        }
        currentSign = sign;
      };
      double start = lo;
      for (const Place& cut : cuts) {
        if (cut.value <= lo + 1e-12 || cut.value >= hi - 1e-12) continue;
        const bool gap = std::any_of(gaps_.begin(), gaps_.end(), [&](const Place& g) {
          return std::abs(g.value - cut.value) < 1e-12;
        });
        if (gap) {
          finish(cut, false, start, cut.value);
          currentSign = 0;  // no piece runs over a gap
          current = Interval{cut, {}, false, false};
        } else {
          finish(cut, closed, start, cut.value);
          current = Interval{cut, {}, closed, false};
        }
        start = cut.value;
      }
      finish(piece.hi, piece.hiClosed && closed, start, hi);
      for (qsizetype i = 0; i < parts.size(); ++i) {
        if (signs[i] == 0) continue;
        line(w((signs[i] > 0 ? rising : falling) + QStringLiteral(" auf ")) +
             intervalText(parts[i]));
      }
    }
  }

  // 8.
  void monotony() {
    section(QStringLiteral("Monotonie"));
    signIntervals(1, critical_, true, QStringLiteral("streng monoton steigend"),
                  QStringLiteral("streng monoton fallend"));
    section(QStringLiteral("Krümmung"));
    signIntervals(2, flex_, false, QStringLiteral("linksgekrümmt"),
                  QStringLiteral("rechtsgekrümmt"));
  }

  // "f(x) → 0", or that f has no limit there.
  RichText limitLine(const Limit& l) {
    if (l.kind == Limit::Kind::None || l.kind == Limit::Kind::Failed)
      return w(QStringLiteral("f(x) hat keinen Grenzwert"));
    return w(QStringLiteral("f(x) → ")) + limitText(l);
  }

  RichText limitText(const Limit& l) {
    switch (l.kind) {
      case Limit::Kind::Value:
        return term(l.value);
      case Limit::Kind::PlusInfinity:
        return w(QStringLiteral("∞"));
      case Limit::Kind::MinusInfinity:
        return w(QStringLiteral("−∞"));
      default:
        return w(QStringLiteral("kein Grenzwert"));
    }
  }

  // 9.
  void borders() {
    section(QStringLiteral("Verhalten an den Rändern des Definitionsbereichs"));
    const bool polynomial = isPolynomial(f_);
    auto infinity = [&](bool plus) {
      const EngineTerm point = EngineTerm::asIs(plus ? "inf" : "-inf");
      const Limit l = limit(engine_, f_, point);
      const QString to = plus ? QStringLiteral("∞") : QStringLiteral("−∞");
      line(w(QStringLiteral("für x → ") + to + QStringLiteral(": ")) + limitLine(l));
      if (polynomial) return;
      if (l.kind == Limit::Kind::Value) {
        asymptote(w(QStringLiteral("waagerechte Asymptote y = ")) + term(l.value));
      } else if (l.kind == Limit::Kind::PlusInfinity || l.kind == Limit::Kind::MinusInfinity) {
        const Limit m = limit(engine_, EngineTerm::asIs('(' + f_.text() + ")/x"), point);
        if (m.kind != Limit::Kind::Value || isZero(m.value)) return;
        const Limit b = limit(
            engine_, EngineTerm::asIs('(' + f_.text() + ")-(" + m.value.text() + ")*x"), point);
        if (b.kind != Limit::Kind::Value) return;
        const EngineTerm oblique =
            EngineTerm::asIs('(' + m.value.text() + ")*x+(" + b.value.text() + ')');
        const Rewritten s = simplify(engine_, oblique);
        const DomainConditions c = domainConditions(f_);
        const Rewritten rest =
            simplify(engine_, EngineTerm::asIs('(' + f_.text() + ")-(" + oblique.text() + ')'));
        if (s.failure.isEmpty() && rest.failure.isEmpty() && c.positive.isEmpty() &&
            c.nonNegative.isEmpty() && !c.nonZero.isEmpty() &&
            std::all_of(c.nonZero.begin(), c.nonZero.end(), isPolynomial) && !dividedOnce_) {
          dividedOnce_ = true;
          line(w(QStringLiteral("Polynomdivision: f(x) = ")) +
               term(EngineTerm::asIs('(' + s.term.text() + ")+(" + rest.term.text() + ')')));
        }
        asymptote(w(QStringLiteral("schräge Asymptote y = ")) +
                  term(s.failure.isEmpty() ? s.term : oblique));
      }
    };
    if (!domain_.isEmpty() && !domain_.front().lo) infinity(false);
    if (!domain_.isEmpty() && !domain_.back().hi) infinity(true);
    for (const Place& gap : gaps_) {
      if (gap.exact.isEmpty()) continue;
      const Limit left = limit(engine_, f_, gap.exact, Side::Left);
      const Limit right = limit(engine_, f_, gap.exact, Side::Right);
      const RichText at = exactOrNumber(gap);
      line(w(QStringLiteral("für x → ")) + at + w(QStringLiteral(" von links: f(x) → ")) +
           limitText(left) + w(QStringLiteral(", von rechts: f(x) → ")) + limitText(right));
      const bool leftInfinite =
          left.kind == Limit::Kind::PlusInfinity || left.kind == Limit::Kind::MinusInfinity;
      const bool rightInfinite =
          right.kind == Limit::Kind::PlusInfinity || right.kind == Limit::Kind::MinusInfinity;
      if (leftInfinite && rightInfinite) {
        line(w(QStringLiteral("x = ")) + at +
             w(left.kind == right.kind ? QStringLiteral(": Polstelle ohne Vorzeichenwechsel")
                                       : QStringLiteral(": Polstelle mit Vorzeichenwechsel")));
        asymptote(w(QStringLiteral("senkrechte Asymptote x = ")) + at);
      } else if (left.kind == Limit::Kind::Value && right.kind == Limit::Kind::Value &&
                 left.value == right.value) {
        line(w(QStringLiteral("x = ")) + at +
             w(QStringLiteral(": hebbare Definitionslücke, Lücke (")) + at +
             w(QStringLiteral(" | ")) + term(left.value) + w(QStringLiteral(")")));
      }
    }
    for (const Interval& piece : domain_) {  // a border of the domain that is not in it
      for (const auto& [end, closed, side] : {std::tuple{piece.lo, piece.loClosed, Side::Right},
                                              std::tuple{piece.hi, piece.hiClosed, Side::Left}}) {
        if (!end || end->exact.isEmpty()) continue;
        if (closed) {
          line(w(QStringLiteral("Rand x = ")) + exactOrNumber(*end) + w(QStringLiteral(": f(")) +
               exactOrNumber(*end) + w(QStringLiteral(") = ")) + exactOrNumber(yAt(*end)));
          continue;
        }
        if (std::any_of(gaps_.begin(), gaps_.end(),
                        [&](const Place& g) { return std::abs(g.value - end->value) < 1e-12; }))
          continue;
        const Limit l = limit(engine_, f_, end->exact, side);
        line(w(QStringLiteral("für x → ")) + exactOrNumber(*end) +
             w(side == Side::Right ? QStringLiteral(" von rechts") : QStringLiteral(" von links")) +
             w(QStringLiteral(": f(x) → ")) + limitText(l));
        if (l.kind == Limit::Kind::PlusInfinity || l.kind == Limit::Kind::MinusInfinity)
          asymptote(w(QStringLiteral("senkrechte Asymptote x = ")) + exactOrNumber(*end));
      }
    }
  }

  // An asymptote found for both ends of the domain is named once.
  void asymptote(const RichText& text) {
    const QList<RichText>& lines = out_.sections.back().lines;
    if (std::none_of(lines.begin(), lines.end(),
                     [&](const RichText& l) { return l.plain == text.plain; }))
      line(text);
  }

  // 10.
  void result() {
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

  Engine& engine_;
  EngineTerm f_;
  double from_, to_;
  EngineTerm derivative_[4];
  EngineTerm shown_[4];  // as the pupil writes them
  WorkedSolution out_;
  QList<Interval> domain_;
  QList<Place> gaps_;      // inside the domain (the repeating ones inside [from, to])
  QList<Place> isolated_;  // single points of a domain without intervals
  QList<EngineTerm> periodicGaps_;
  bool periodic_ = false;       // gaps of the domain repeat
  bool dividedOnce_ = false;    // the division is shown for one end only
  bool periodicSigns_ = false;  // zeros of f′ or f″ repeat
  std::optional<Place> sy_;
  QList<Place> critical_, flex_;
};

}  // namespace

WorkedSolution Loesungsweg(Engine& engine, const EngineTerm& f, double from, double to) {
  return Builder(engine, f, from, to).run();
}

RichText pointLine(const WorkedPoint& p) {
  auto coordinate = [](const EngineTerm& exact, double value) {
    return exact.isEmpty() ? RichText::words(schoolNumber(value)) : schoolTerm(exact);
  };
  auto approximation = [&] {
    return RichText::words(QStringLiteral(" ≈ (") + schoolNumber(p.xValue) + QStringLiteral(" | ") +
                           schoolNumber(p.yValue) + QStringLiteral(")"));
  };
  if (p.x.isEmpty() && p.y.isEmpty()) return RichText::words(p.name) + approximation();
  RichText out = RichText::words(p.name + '(') + coordinate(p.x, p.xValue) +
                 RichText::words(QStringLiteral(" | ")) + coordinate(p.y, p.yValue) +
                 RichText::words(QStringLiteral(")"));
  const bool exact = !p.x.isEmpty() && !p.y.isEmpty();
  if (!exact || !isPlainNumber(p.x) || !isPlainNumber(p.y)) out += approximation();
  return out;
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
