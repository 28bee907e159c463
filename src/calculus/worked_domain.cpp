// The domain of f, where f′ and f″ keep their signs, and how f behaves at
// the borders of its domain.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "calculus/worked_builder.h"

namespace worked {

void Builder::domain() {
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

bool Builder::definedAt(const Place& p) {
  if (p.exact.isEmpty()) return std::isfinite(valueAt(0, p.value));
  return !exactAt(0, p).isEmpty();
}

void Builder::pieces(const QList<Place>& borders) {
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

void Builder::signIntervals(int order, const QList<Place>& places, bool closed,
                            const QString& rising, const QString& falling) {
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
      line(w((signs[i] > 0 ? rising : falling) + QStringLiteral(" auf ")) + intervalText(parts[i]));
    }
  }
}

void Builder::monotony() {
  auto unknown = [this](const QString& failure) {
    line(w(QStringLiteral("Die Intervalle lassen sich nicht angeben: ") + failure));
  };
  section(QStringLiteral("Monotonie"));
  if (criticalFailure_.isEmpty()) {
    signIntervals(1, critical_, true, QStringLiteral("streng monoton steigend"),
                  QStringLiteral("streng monoton fallend"));
  } else {
    unknown(criticalFailure_);
  }
  section(QStringLiteral("Krümmung"));
  if (flexFailure_.isEmpty()) {
    signIntervals(2, flex_, false, QStringLiteral("linksgekrümmt"),
                  QStringLiteral("rechtsgekrümmt"));
  } else {
    unknown(flexFailure_);
  }
}

RichText Builder::limitLine(const Limit& l) {
  if (l.kind == Limit::Kind::None || l.kind == Limit::Kind::Failed)
    return w(QStringLiteral("f(x) hat keinen Grenzwert"));
  return w(QStringLiteral("f(x) → ")) + limitText(l);
}

RichText Builder::limitText(const Limit& l) {
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

void Builder::borders() {
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
      const Limit b =
          limit(engine_, EngineTerm::asIs('(' + f_.text() + ")-(" + m.value.text() + ")*x"), point);
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
    } else if (leftInfinite || rightInfinite) {  // e^(1/x) at 0: infinite from one side
      asymptote(w(QStringLiteral("senkrechte Asymptote x = ")) + at +
                w(leftInfinite ? QStringLiteral(" (von links)") : QStringLiteral(" (von rechts)")));
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

void Builder::asymptote(const RichText& text) {
  const QList<RichText>& lines = out_.sections.back().lines;
  if (std::none_of(lines.begin(), lines.end(),
                   [&](const RichText& l) { return l.plain == text.plain; }))
    line(text);
}

}  // namespace worked
