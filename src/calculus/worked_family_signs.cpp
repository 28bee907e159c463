// The family's monotony and curvature intervals and its behaviour at the
// borders of the domain, case by case in the cells of t: the borders of the
// domain and the zeros of f′ (f″) are terms in t whose order does not change
// inside a cell; the sign of f′ (f″) between them is decided at the cell's
// test value, or at the cut value itself.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

#include "calculus/worked_family.h"

namespace worked {
namespace {

// A test value of t as an exact number, for exact values at the borders.
EngineTerm rational(double tau) {
  const long long n = std::llround(tau * 1024);
  return EngineTerm::asIs(n % 1024 == 0 ? QString::number(n / 1024)
                                        : QString::number(n) + QStringLiteral("/1024"));
}

bool infinite(const Limit& l) {
  return l.kind == Limit::Kind::PlusInfinity || l.kind == Limit::Kind::MinusInfinity;
}

RichText joined(const QList<RichText>& parts) {
  RichText out;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i) out += w(i + 1 == parts.size() ? QStringLiteral(" und ") : QStringLiteral(", "));
    out += parts[i];
  }
  return out;
}

}  // namespace

// The borders of the domain: the solutions of its conditions, as terms in t.
bool Family::solveBorders() {
  const DomainConditions c = domainConditions(f_);
  for (const QList<EngineTerm>* list : {&c.nonZero, &c.positive, &c.nonNegative}) {
    for (const EngineTerm& one : *list) {
      const Solutions s = solve(engine_, one);
      if (!s.failure.isEmpty() || s.general) return false;
      for (const Solution& b : s.solutions) {
        if (b.numeric() && hasT(one)) return false;
        if (!b.numeric() && !domainConditions(b.exact).readable) return false;
        borderTerms_ << (b.numeric() ? EngineTerm::number(b.value) : b.exact);
      }
      if (s.solutions.isEmpty() && hasT(one)) {  // none for every t, or only none found
        for (double tau : {-2.0, -0.5, 0.5, 2.0})
          if (!solve(engine_, putT(one, EngineTerm::number(tau))).solutions.isEmpty()) return false;
      }
    }
  }
  return true;
}

// The cut values where a border stops existing or meets another border or a
// candidate.
void Family::borderCuts(const QList<Candidate>& candidates) {
  for (qsizetype i = 0; i < borderTerms_.size(); ++i) {
    const EngineTerm& b = borderTerms_[i];
    cutsOfConditions(b);
    auto meets = [&](const EngineTerm& other) {
      cutsOf(simplified(EngineTerm::asIs('(' + b.text() + ")-(" + other.text() + ')')));
    };
    for (qsizetype j = 0; j < i; ++j) meets(borderTerms_[j]);
    for (const Candidate& c : candidates) meets(c.x);
  }
}

int Family::sideOf(const QList<Cell>& cells, qsizetype i) const {
  if (cells[i].point) return 0;
  if (i > 0 && cells[i - 1].value >= 0) return 1;
  if (i + 1 < cells.size() && cells[i + 1].value <= 0) return -1;
  return 0;
}

double Family::valueIn(const Cell& cell, int order, double x) {
  if (cell.point) return Funktionswert(engine_, putT(d_[order], cell.exact), x).value.value_or(NAN);
  return value(d_[order], cell.value, x);
}

// The borders in one cell, in their order, and the pieces of the domain
// between them: a piece goes on over a border where f has a value on both
// sides and at the border.
Family::Layout Family::layout(const Cell& cell, int side) {
  Layout l;
  l.tau = cell.point ? cell.exact : rational(cell.value);
  l.f = putT(f_, l.tau);
  for (qsizetype i = 0; i < borderTerms_.size(); ++i) {
    Spot s;
    s.border = true;
    s.index = static_cast<int>(i);
    const EngineTerm exact = withT(borderTerms_[i], l.tau);
    s.v = approximateNumber(engine_, exact).value_or(NAN);
    if (!std::isfinite(s.v)) continue;
    if (std::any_of(l.borders.begin(), l.borders.end(),
                    [&](const Spot& o) { return std::abs(o.v - s.v) < 1e-9; }))
      continue;
    s.x = cell.point ? exact : onSide(borderTerms_[i], side);
    const Rewritten y = exactValue(engine_, l.f, exact);
    s.defined = y.failure.isEmpty() && !y.term.isEmpty();
    l.borders << s;
  }
  std::sort(l.borders.begin(), l.borders.end(),
            [](const Spot& a, const Spot& b) { return a.v < b.v; });
  const qsizetype n = l.borders.size();
  auto sample = [&](qsizetype i) {  // a point of the open piece before borders[i]
    if (n == 0) return 0.5;
    if (i == 0) return l.borders[0].v - 1;
    if (i == n) return l.borders[n - 1].v + 1;
    return (l.borders[i - 1].v + l.borders[i].v) / 2;
  };
  QList<bool> piece;
  for (qsizetype i = 0; i <= n; ++i) piece << std::isfinite(valueIn(cell, 0, sample(i)));
  std::optional<Piece> open;
  for (qsizetype i = 0; i <= n; ++i) {
    if (piece[i] && !open) {
      open = Piece{};
      if (i > 0) open->lo = static_cast<int>(i - 1), open->loClosed = l.borders[i - 1].defined;
    }
    if (i == n || !open) continue;
    if (piece[i + 1] && l.borders[i].defined) continue;
    open->hi = static_cast<int>(i);
    open->hiClosed = l.borders[i].defined;
    l.pieces << *open;
    open.reset();
  }
  if (open) l.pieces << *open;
  return l;
}

// "streng monoton fallend auf ]−∞; −√t], …" for one cell.
RichText Family::signCell(int order, const Cell& cell, const CellOutcome& outcome, int side,
                          bool window) {
  const Layout l = layout(cell, side);
  if (l.pieces.isEmpty()) return w(QStringLiteral("f ist auf keinem Intervall definiert"));
  if (outcome.everywhere)
    return fName(order) + w(order == 1 ? QStringLiteral(" = 0 für alle x: f ist konstant")
                                       : QStringLiteral(" = 0 für alle x: keine Krümmung"));
  QList<Spot> inner;
  for (const Found& f : outcome.found) {
    Spot s;
    s.v = f.xValue;
    // At a cut value the generic term where the candidate has one: its value
    // there, and a line shared with the cells beside it.
    const bool generic = f.index >= 0 && !f.x.text().contains(QStringLiteral("abs("));
    s.x = cell.point ? (generic || f.shown.isEmpty() ? f.x : f.shown) : onSide(f.x, side);
    inner << s;
  }
  for (const Spot& b : l.borders)
    if (b.defined) inner << b;  // f′ may change its sign where it has no value
  std::sort(inner.begin(), inner.end(), [](const Spot& a, const Spot& b) { return a.v < b.v; });
  const bool closed = order == 1;
  const QString rising =
      order == 1 ? QStringLiteral("streng monoton steigend") : QStringLiteral("linksgekrümmt");
  const QString falling =
      order == 1 ? QStringLiteral("streng monoton fallend") : QStringLiteral("rechtsgekrümmt");
  QList<RichText> texts;
  for (const Piece& p : l.pieces) {
    std::optional<Spot> lo = p.lo < 0 ? std::nullopt : std::optional<Spot>(l.borders[p.lo]);
    std::optional<Spot> hi = p.hi < 0 ? std::nullopt : std::optional<Spot>(l.borders[p.hi]);
    bool loClosed = p.loClosed, hiClosed = p.hiClosed;
    if (window) {  // the zeros of f′ (f″) repeat: the piece inside [from, to]
      if (!lo || lo->v < from_) lo = Spot{EngineTerm::number(from_), from_}, loClosed = false;
      if (!hi || hi->v > to_) hi = Spot{EngineTerm::number(to_), to_}, hiClosed = false;
      if (lo->v >= hi->v) continue;
    }
    struct Part {
      std::optional<Spot> lo, hi;
      bool loClosed, hiClosed;
      int sign;
    };
    QList<Part> parts;
    std::optional<Spot> start = lo;
    bool startClosed = loClosed && closed;
    int current = 0;
    auto finish = [&](const std::optional<Spot>& end, bool endClosed) {
      const double a = start ? start->v : -INFINITY, b = end ? end->v : INFINITY;
      const double middle =
          std::isinf(a) ? (std::isinf(b) ? 0.5 : b - 1) : (std::isinf(b) ? a + 1 : (a + b) / 2);
      const int sign = signOf(valueIn(cell, order, middle));
      if (sign != 0 && sign == current && !parts.isEmpty()) {
        parts.back().hi = end;
        parts.back().hiClosed = endClosed;
      } else {
        parts << Part{start, end, startClosed, endClosed, sign};
      }
      current = sign;
    };
    for (const Spot& s : inner) {
      if ((lo && s.v <= lo->v + 1e-12) || (hi && s.v >= hi->v - 1e-12)) continue;
      if (start && std::abs(s.v - start->v) < 1e-12) continue;
      finish(s, closed);
      start = s;
      startClosed = closed;
    }
    finish(hi, hiClosed && closed);
    for (const Part& part : parts) {
      if (part.sign == 0) continue;
      RichText text = w((part.sign > 0 ? rising : falling) + QStringLiteral(" auf ") +
                        (part.lo && part.loClosed ? QStringLiteral("[") : QStringLiteral("]")));
      text += part.lo ? term(part.lo->x) : w(QStringLiteral("−∞"));
      text += w(QStringLiteral("; "));
      text += part.hi ? term(part.hi->x) : w(QStringLiteral("∞"));
      text += w(part.hi && part.hiClosed ? QStringLiteral("]") : QStringLiteral("["));
      texts << text;
    }
  }
  return texts.isEmpty() ? fName(order) + w(QStringLiteral(" ≠ 0 auf keinem Intervall"))
                         : joined(texts);
}

// One of the sections Monotonie and Krümmung.
void Family::signs(int order) {
  section(order == 1 ? QStringLiteral("Monotonie") : QStringLiteral("Krümmung"));
  const Kept& k = kept_[order];
  if (!k.done || !k.a.failure.isEmpty() || !bordersKnown_) {
    line(w(QStringLiteral("Die Intervalle lassen sich nicht allgemein in Abhängigkeit von ") +
           QString(t_) + QStringLiteral(" angeben.")));
    return;
  }
  cuts_ = k.cuts;
  const qsizetype before = cuts_.size();
  borderCuts(k.a.candidates);
  // Where the factor without x vanishes the signs change: −2t/x³ at t = 0.
  // The denominators are cleared by an even power first.
  EngineTerm cleared = d_[order];
  for (const EngineTerm& one : domainConditions(d_[order]).nonZero)
    cleared = EngineTerm::asIs('(' + cleared.text() + ")*(" + one.text() + ")^6");
  const Rewritten factored = factor(engine_, simplified(cleared));
  if (factored.failure.isEmpty()) {
    QStringList parts;
    for (const EngineTerm& one : factorsWithX(factored.term)) parts << '(' + one.text() + ')';
    cutsOf(parts.isEmpty() ? factored.term
                           : simplified(EngineTerm::asIs('(' + factored.term.text() + ")/(" +
                                                         parts.join('*') + ')')));
  }
  const QList<Cell> all = cells();
  QList<CellOutcome> outcomes = k.a.outcomes;
  if (cuts_.size() != before) {
    outcomes.clear();
    for (const Cell& cell : all)
      outcomes << (cell.point ? atCut(order, k.a.candidates, cell)
                              : inInterval(order, k.a.candidates, cell.value));
  }
  if (k.a.window)
    line(w(QStringLiteral("im Intervall [") + schoolNumber(from_) + QStringLiteral("; ") +
           schoolNumber(to_) + QStringLiteral("]:")));
  QList<RichText> texts;
  for (qsizetype i = 0; i < all.size(); ++i)
    texts << signCell(order, all[i], outcomes[i], sideOf(all, i), k.a.window);
  groupedLines(all, texts, {}, false);
}

// "−∞", "0", or why there is no generic value: the limit at the cell's value
// of t, with the generic limit's term where both agree there.
QString Family::limitWords(const Limit& l, const Limit& generic, const Cell& cell, int side,
                           EngineTerm* value, const std::function<Limit()>& elsewhere) {
  switch (l.kind) {
    case Limit::Kind::PlusInfinity:
      return QStringLiteral("∞");
    case Limit::Kind::MinusInfinity:
      return QStringLiteral("−∞");
    case Limit::Kind::Value:
      break;
    default:
      return QString();
  }
  // The value at the test value of t is a number: the generic term where it
  // agrees there, the number itself where a second t of the cell gives it too.
  // A cut value keeps its exact number unless the generic term agrees.
  const double here = approximateNumber(engine_, l.value).value_or(NAN);
  auto same = [&](double v) { return std::abs(v - here) < 1e-6 * (1 + std::abs(here)); };
  if (cell.point) {
    const bool agrees = generic.kind == Limit::Kind::Value &&
                        !generic.value.text().contains(QStringLiteral("abs(")) &&
                        same(this->value(generic.value, cell.value));
    *value = agrees ? generic.value : l.value;
    return QString();
  }
  if (generic.kind == Limit::Kind::Value) {
    if (same(this->value(generic.value, std::llround(cell.value * 1024) / 1024.0)))
      *value = hasT(generic.value) ? onSide(generic.value, side) : generic.value;
  } else {
    const Limit other = elsewhere();
    if (other.kind == Limit::Kind::Value &&
        same(approximateNumber(engine_, other.value).value_or(NAN)))
      *value = l.value;
  }
  return value->isEmpty() ? QStringLiteral("?") : QString();
}

// The oblique asymptote y = m·x + b at ±∞ in one cell: m and b as limits at
// the cell's value of t, written as the generic terms where they agree there.
EngineTerm Family::obliqueLine(const EngineTerm& fc, const EngineTerm& point, const Cell& cell,
                               int side) {
  auto line = [&](const EngineTerm& g) -> std::optional<std::pair<EngineTerm, EngineTerm>> {
    const Limit m = limit(engine_, EngineTerm::asIs('(' + g.text() + ")/x"), point);
    if (m.kind != Limit::Kind::Value || isZero(m.value)) return std::nullopt;
    const Limit b =
        limit(engine_, EngineTerm::asIs('(' + g.text() + ")-(" + m.value.text() + ")*x"), point);
    if (b.kind != Limit::Kind::Value) return std::nullopt;
    return std::pair{m.value, b.value};
  };
  const auto here = line(fc);
  if (!here) return {};
  auto written = [&](const EngineTerm& m, const EngineTerm& b) {
    return simplified(EngineTerm::asIs('(' + m.text() + ")*x+(" + b.text() + ')'));
  };
  if (cell.point) return written(here->first, here->second);
  auto& generic = generic_[point.text() == QStringLiteral("inf") ? 1 : 0];
  if (!generic) generic = line(f_);
  if (!*generic) return {};
  const double tau = std::llround(cell.value * 1024) / 1024.0;
  for (const auto& [mine, theirs] :
       {std::pair{here->first, (*generic)->first}, std::pair{here->second, (*generic)->second}}) {
    const double v = approximateNumber(engine_, mine).value_or(NAN);
    if (!(std::abs(value(theirs, tau) - v) < 1e-6 * (1 + std::abs(v)))) return {};
  }
  return onSide(written((*generic)->first, (*generic)->second), side);
}

void Family::bordersOfDomain() {
  section(QStringLiteral("Verhalten an den Rändern des Definitionsbereichs"));
  if (!bordersKnown_) {
    line(w(QStringLiteral("Das Verhalten lässt sich nicht allgemein in Abhängigkeit von ") +
           QString(t_) + QStringLiteral(" angeben.")));
    return;
  }
  // The cut values of the zeros, extrema and points of inflection together.
  cuts_.clear();
  for (const Kept& k : kept_)
    for (const Solution& one : k.cuts)
      if (std::none_of(cuts_.begin(), cuts_.end(),
                       [&](const Solution& c) { return std::abs(c.value - one.value) < 1e-9; }))
        cuts_ << one;
  borderCuts(kept_[1].done ? kept_[1].a.candidates : QList<Candidate>());
  const QList<Cell> all = cells();
  // A polynomial in x for every t: no asymptotes.
  const bool polynomial = isPolynomial(putT(f_, EngineTerm::asIs("2")));
  const QString unknown = QStringLiteral("lässt sich nicht allgemein angeben");
  const Limit atMinus = limit(engine_, f_, EngineTerm::asIs("-inf"));
  const Limit atPlus = limit(engine_, f_, EngineTerm::asIs("inf"));
  // The items of each cell: x → −∞, x → ∞, then each generic border.
  const qsizetype items = 2 + borderTerms_.size();
  QList<QList<RichText>> texts(items, QList<RichText>(all.size()));
  QList<QList<bool>> present(items, QList<bool>(all.size(), false));
  auto tends = [&](const Limit& l, const Limit& generic, const Cell& cell, int side,
                   EngineTerm* value, const std::function<Limit()>& elsewhere) -> RichText {
    const QString words = limitWords(l, generic, cell, side, value, elsewhere);
    if (!value->isEmpty()) return w(QStringLiteral("f(x) → ")) + term(*value);
    if (words.isEmpty()) return w(QStringLiteral("f(x) hat keinen Grenzwert"));
    if (words == QStringLiteral("?")) return RichText();
    return w(QStringLiteral("f(x) → ") + words);
  };
  QList<double> position(items, NAN);  // a border's value where it first appears
  for (qsizetype c = 0; c < all.size(); ++c) {
    const Cell& cell = all[c];
    const int side = sideOf(all, c);
    const Layout l = layout(cell, side);
    if (l.pieces.isEmpty()) continue;
    // A second value of t in the same open cell, as an exact number.
    EngineTerm second;
    if (!cell.point) {
      const double a = c > 0 ? all[c - 1].value : cell.value - 4;
      const double b = c + 1 < all.size() ? all[c + 1].value : cell.value + 4;
      second = rational(cell.value +
                        (cell.value - a < b - cell.value ? b - cell.value : a - cell.value) / 2);
    }
    for (const bool plus : {false, true}) {
      if ((plus ? l.pieces.back().hi : l.pieces.front().lo) >= 0) continue;
      const EngineTerm point = EngineTerm::asIs(plus ? "inf" : "-inf");
      const Limit here = limit(engine_, l.f, point);
      // At the second value of t the kind must not change.
      const Limit there = cell.point ? here : limit(engine_, putT(f_, second), point);
      EngineTerm value;
      const QString to = plus ? QStringLiteral("∞") : QStringLiteral("−∞");
      RichText text = there.kind == here.kind ? tends(here, plus ? atPlus : atMinus, cell, side,
                                                      &value, [&] { return there; })
                                              : RichText();
      text = text.isEmpty() ? w(QStringLiteral("der Grenzwert für x → ") + to + ' ' + unknown)
                            : text + w(QStringLiteral(" für x → ") + to);
      if (!polynomial && !value.isEmpty())
        text += w(QStringLiteral(" ⇒ waagerechte Asymptote y = ")) + term(value);
      if (!polynomial && infinite(here) && there.kind == here.kind) {
        const EngineTerm oblique = obliqueLine(l.f, point, cell, side);
        if (!oblique.isEmpty())
          text += w(QStringLiteral(" ⇒ schräge Asymptote y = ")) + term(oblique);
      }
      texts[plus ? 1 : 0][c] = text;
      present[plus ? 1 : 0][c] = true;
    }
    for (qsizetype b = 0; b < l.borders.size(); ++b) {
      const Spot& s = l.borders[b];
      bool leftIn = false, rightIn = false, inside = false;
      for (const Piece& p : l.pieces) {
        leftIn = leftIn || p.hi == b;
        rightIn = rightIn || p.lo == b;
        inside = inside ||
                 ((p.lo < 0 || l.borders[p.lo].v < s.v) && (p.hi < 0 || l.borders[p.hi].v > s.v));
      }
      if (inside || (!leftIn && !rightIn)) continue;
      const EngineTerm exact = withT(borderTerms_[s.index], l.tau);
      RichText text;
      auto oneSide = [&](Side from, EngineTerm* value) {
        const Limit here = limit(engine_, l.f, exact, from);
        const Limit generic =
            cell.point ? Limit{} : limit(engine_, f_, borderTerms_[s.index], from);
        const RichText to =
            w(QStringLiteral(" für x → ")) + term(s.x) +
            w(from == Side::Left ? QStringLiteral(" von links") : QStringLiteral(" von rechts"));
        const RichText tending = tends(here, generic, cell, side, value, [&] {
          return limit(engine_, putT(f_, second), withT(borderTerms_[s.index], second), from);
        });
        return std::pair{here, tending.isEmpty() ? w(QStringLiteral("der Grenzwert")) + to +
                                                       w(QStringLiteral(" ") + unknown)
                                                 : tending + to};
      };
      if (leftIn && rightIn) {  // a gap: a pole, or a hole
        EngineTerm lv, rv;
        const auto [left, leftText] = oneSide(Side::Left, &lv);
        const auto [right, rightText] = oneSide(Side::Right, &rv);
        text = leftText + w(QStringLiteral(", ")) + rightText;
        if (infinite(left) && infinite(right)) {
          text += w(left.kind == right.kind ? QStringLiteral(" ⇒ Polstelle ohne Vorzeichenwechsel")
                                            : QStringLiteral(" ⇒ Polstelle mit Vorzeichenwechsel"));
          text += w(QStringLiteral(", senkrechte Asymptote x = ")) + term(s.x);
        } else if (infinite(left) || infinite(right)) {
          text += w(QStringLiteral(" ⇒ senkrechte Asymptote x = ")) + term(s.x);
        } else if (!lv.isEmpty() && lv.text() == rv.text()) {
          text += w(QStringLiteral(" ⇒ hebbare Definitionslücke, Lücke (")) + term(s.x) +
                  w(QStringLiteral(" | ")) + term(lv) + w(QStringLiteral(")"));
        }
      } else if (s.defined) {
        const Rewritten y =
            exactValue(engine_, cell.point ? l.f : f_, cell.point ? exact : borderTerms_[s.index]);
        text = w(QStringLiteral("Rand x = ")) + term(s.x) + w(QStringLiteral(": f(")) + term(s.x) +
               w(QStringLiteral(") = ")) +
               (y.failure.isEmpty() && !y.term.isEmpty()
                    ? term(cell.point ? y.term : onSide(y.term, side))
                    : w(QStringLiteral("…")));
      } else {
        EngineTerm v;
        const auto [end, endText] = oneSide(rightIn ? Side::Right : Side::Left, &v);
        text = endText;
        if (infinite(end)) text += w(QStringLiteral(" ⇒ senkrechte Asymptote x = ")) + term(s.x);
      }
      if (!std::isfinite(position[2 + s.index])) position[2 + s.index] = s.v;
      texts[2 + s.index][c] = text;
      present[2 + s.index][c] = true;
    }
  }
  QList<qsizetype> order(items);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin() + 2, order.end(),
                   [&](qsizetype a, qsizetype b) { return position[a] < position[b]; });
  for (const qsizetype i : order) groupedLines(all, texts[i], present[i], false);
}

}  // namespace worked
