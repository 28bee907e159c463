// The family's worked solution: the cells of the t axis, the analysis of
// f⁽ⁿ⁾ = 0 in each cell, and the run of all steps.
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "calculus/derivatives.h"
#include "calculus/worked_family.h"
#include "engine/messages.h"

namespace worked {
namespace {

constexpr int kMaxCuts = 12;

// √3·√t written as √(3t), as a pupil does: the engine splits the root.
EngineTerm joinedRoots(const EngineTerm& term) {
  static const QRegularExpression split(QStringLiteral(R"(sqrt\((\d+)\)\*sqrt\(([a-z])\))"));
  QString text = term.text();
  text.replace(split, QStringLiteral("sqrt(\\1*\\2)"));
  return EngineTerm::asIs(text);
}

}  // namespace

// ---------------------------------------------------------------- cells

void Family::cutsOf(const EngineTerm& term) {
  if (term.isEmpty() || !hasT(term)) return;
  const Solutions s = solveFor(engine_, term, t_);
  if (!s.failure.isEmpty() || s.general) return;
  for (const Solution& one : s.solutions) {
    if (one.numeric() || !std::isfinite(one.value) || cuts_.size() >= kMaxCuts) continue;
    if (std::none_of(cuts_.begin(), cuts_.end(),
                     [&](const Solution& c) { return std::abs(c.value - one.value) < 1e-9; }))
      cuts_ << one;
  }
}

DomainConditions Family::conditions(const EngineTerm& term) const {
  // The conditions are read for x; a term in t alone is read with t as x.
  static const QRegularExpression xLetter(QStringLiteral("\\bx\\b"));
  const QRegularExpression tLetter(QStringLiteral("\\b") + QString(t_) + QStringLiteral("\\b"));
  if (term.text().contains(xLetter)) return domainConditions(term);
  DomainConditions c = domainConditions(
      EngineTerm::asIs(QString(term.text()).replace(tLetter, QStringLiteral("x"))));
  for (QList<EngineTerm>* list : {&c.nonZero, &c.positive, &c.nonNegative})
    for (EngineTerm& one : *list)
      one = EngineTerm::asIs(QString(one.text()).replace(xLetter, QString(t_)));
  return c;
}

void Family::cutsOfConditions(const EngineTerm& term) {
  const DomainConditions c = conditions(term);
  for (const QList<EngineTerm>* list : {&c.nonZero, &c.positive, &c.nonNegative})
    for (const EngineTerm& one : *list) cutsOf(one);
}

// Of the engine's simplified and factored forms the shorter one as a pupil
// reads it: √t/(2t), not √t/(t + t).
EngineTerm Family::tidy(const EngineTerm& term) {
  EngineTerm best = term;
  auto consider = [&](const Rewritten& r) {
    if (r.failure.isEmpty() && !r.term.isEmpty() &&
        schoolTerm(r.term).plain.size() < schoolTerm(best).plain.size())
      best = r.term;
  };
  consider(factor(engine_, term));
  if (!isZero(term)) {  // the reciprocal twice: sqrt(t)/(t+t) becomes 1/(2·√t)
    const Rewritten once = simplify(engine_, EngineTerm::asIs("1/(" + term.text() + ')'));
    if (once.failure.isEmpty() && !once.term.isEmpty())
      consider(simplify(engine_, EngineTerm::asIs("1/(" + once.term.text() + ')')));
  }
  return best;
}

QList<Cell> Family::cells() const {
  QList<Solution> cuts = cuts_;
  std::sort(cuts.begin(), cuts.end(),
            [](const Solution& a, const Solution& b) { return a.value < b.value; });
  QList<Cell> out;
  if (cuts.isEmpty()) return {Cell{false, {}, 1}};
  out << Cell{false, {}, std::floor(cuts.front().value) - 1};
  for (qsizetype i = 0; i < cuts.size(); ++i) {
    out << Cell{true, cuts[i].exact, cuts[i].value};
    const double next = i + 1 < cuts.size() ? (cuts[i].value + cuts[i + 1].value) / 2
                                            : std::floor(cuts[i].value) + 1;
    out << Cell{false, {}, next};
  }
  return out;
}

// The runs of cells in the set: cell 2k is the interval after the k-th cut,
// cell 2k−1 the k-th cut itself.
RichText Family::setText(const QList<Cell>& all, const QList<bool>& in, bool withOnly) const {
  if (std::all_of(in.begin(), in.end(), [](bool b) { return b; })) return {};
  const QString t(t_);
  QList<std::pair<qsizetype, qsizetype>> runs;
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (!in[i]) continue;
    if (!runs.isEmpty() && runs.back().second == i - 1) {
      runs.back().second = i;
    } else {
      runs.push_back({i, i});
    }
  }
  const qsizetype last = in.size() - 1;
  auto cutAt = [&](qsizetype cell) { return term(all[cell].exact); };
  RichText out = w(withOnly ? QStringLiteral("nur für ") : QStringLiteral("für "));
  // Every t but some cut values: "t ≠ −1 und t ≠ 1".
  bool allIntervals = true;
  for (qsizetype i = 0; i < in.size(); ++i) allIntervals = allIntervals && (all[i].point || in[i]);
  if (allIntervals) {
    bool firstOut = true;
    for (qsizetype i = 0; i < in.size(); ++i) {
      if (in[i]) continue;
      out += w((firstOut ? QString() : QStringLiteral(" und ")) + t + QStringLiteral(" ≠ ")) +
             cutAt(i);
      firstOut = false;
    }
    return out;
  }
  if (runs.size() == 2 && runs[0].first == 0 && runs[1].second == last &&
      runs[1].first == runs[0].second + 2 && all[runs[0].second + 1].point)
    return out + w(t + QStringLiteral(" ≠ ")) + cutAt(runs[0].second + 1);
  for (qsizetype r = 0; r < runs.size(); ++r) {
    if (r) out += w(QStringLiteral(" oder "));
    const auto [a, b] = runs[r];
    if (a == b && all[a].point) {
      out += w(t + QStringLiteral(" = ")) + cutAt(a);
      continue;
    }
    // The lower end: the cut before an interval (open), or a cut (closed).
    RichText lower, upper;
    QString lowRel, highRel;
    if (a > 0) {
      lower = cutAt(all[a].point ? a : a - 1);
      lowRel = all[a].point ? QStringLiteral(" ≤ ") : QStringLiteral(" < ");
    }
    if (b < last) {
      upper = cutAt(all[b].point ? b : b + 1);
      highRel = all[b].point ? QStringLiteral(" ≤ ") : QStringLiteral(" < ");
    }
    if (a == 0) {
      out += w(t +
               (highRel == QStringLiteral(" ≤ ") ? QStringLiteral(" ≤ ") : QStringLiteral(" < "))) +
             upper;
    } else if (b == last) {
      out +=
          w(t + (lowRel == QStringLiteral(" ≤ ") ? QStringLiteral(" ≥ ") : QStringLiteral(" > "))) +
          lower;
    } else {
      out += lower + w(lowRel + t + highRel) + upper;
    }
  }
  return out;
}

QList<ParameterInterval> Family::intervals(const QList<Cell>& all, const QList<bool>& in) const {
  if (std::all_of(in.begin(), in.end(), [](bool b) { return b; })) return {};
  QList<ParameterInterval> out;
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (!in[i]) continue;
    ParameterInterval piece;
    if (all[i].point) {
      piece = {all[i].value, all[i].value, true, true};
    } else {
      if (i > 0) piece.lo = all[i - 1].value;
      if (i + 1 < all.size()) piece.hi = all[i + 1].value;
    }
    if (!out.isEmpty() && out.back().hi == piece.lo && (out.back().hiClosed || piece.loClosed)) {
      out.back().hi = piece.hi;
      out.back().hiClosed = piece.hiClosed;
    } else {
      out << piece;
    }
  }
  return out;
}

// ---------------------------------------------------------------- analysis

QString Family::decide(int order, int sign, int left, int right) const {
  if (order == 0) return QStringLiteral("N");
  if (order == 1) {
    if (sign > 0 || (sign == 0 && left < 0 && right > 0)) return QStringLiteral("TP");
    if (sign < 0 || (sign == 0 && left > 0 && right < 0)) return QStringLiteral("HP");
    return {};
  }
  if (sign != 0 || left * right < 0) return QStringLiteral("WP");
  return {};
}

Family::Analysis Family::analyse(int order) {
  Analysis a;
  const EngineTerm g = d_[order];
  const Rewritten factored = factor(engine_, g);
  const EngineTerm whole = factored.failure.isEmpty() ? factored.term : g;
  const QList<EngineTerm> withX = factorsWithX(whole);
  QStringList parts;
  for (const EngineTerm& one : withX)
    if (one.text().contains('x')) parts << '(' + one.text() + ')';
  if (!parts.isEmpty()) {
    // A factor without x, such as t in t·cos(x), vanishes for some t only.
    cutsOf(simplified(EngineTerm::asIs('(' + g.text() + ")/(" + parts.join('*') + ')')));
    const EngineTerm xPart = EngineTerm::asIs(parts.join('*'));
    Solutions s = solve(engine_, xPart);
    if ((s.general || !s.failure.isEmpty()) && !hasT(xPart)) {
      if (s.general)
        for (const Solution& one : s.solutions) a.families << one.exact;
      a.window = true;
      s = solve(engine_, xPart, EngineTerm::number(from_), EngineTerm::number(to_));
    }
    const bool numeric = std::any_of(s.solutions.begin(), s.solutions.end(),
                                     [](const Solution& one) { return one.numeric(); });
    // A function the term reader does not know (LambertW) is no answer for a pupil.
    const bool unreadable =
        std::any_of(s.solutions.begin(), s.solutions.end(), [](const Solution& one) {
          return !one.numeric() && !domainConditions(one.exact).readable;
        });
    // No solution at all is checked at a few values of t in [from, to].
    bool missed = false;
    if (s.failure.isEmpty() && s.solutions.isEmpty() && hasT(xPart)) {
      for (double tau : {-2.0, -0.5, 0.5, 2.0}) {
        const Solutions some = solve(engine_, putT(xPart, EngineTerm::number(tau)),
                                     EngineTerm::number(from_), EngineTerm::number(to_));
        missed = missed || !some.solutions.isEmpty();
      }
    }
    if (!s.failure.isEmpty() || s.general || (numeric && hasT(xPart)) || unreadable || missed) {
      a.failure = QStringLiteral("Die Gleichung lässt sich nicht allgemein in Abhängigkeit von ") +
                  QString(t_) + QStringLiteral(" lösen.");
      return a;
    }
    // Candidates without t first: where two meet, the one that is always there stays.
    std::stable_partition(s.solutions.begin(), s.solutions.end(),
                          [&](const Solution& one) { return one.numeric() || !hasT(one.exact); });
    for (const Solution& one : s.solutions) {
      Candidate c;
      c.x = one.numeric() ? EngineTerm::number(one.value) : joinedRoots(one.exact);
      if (order < 3)
        c.decider = order == 0 ? EngineTerm() : joinedRoots(tidy(at(d_[order + 1], c.x)));
      c.y = order == 0 ? EngineTerm::asIs("0") : joinedRoots(tidy(at(f_, c.x)));
      if (order == 2) c.slope = at(d_[1], c.x);
      a.candidates << c;
    }
  } else {
    cutsOf(g);  // no x at all: the equation holds where g vanishes
  }
  // The cut values: where a candidate or f at it stops having a value, where
  // two meet, where the decider vanishes.
  const DomainConditions fc = domainConditions(f_);
  for (qsizetype i = 0; i < a.candidates.size(); ++i) {
    const Candidate& c = a.candidates[i];
    cutsOfConditions(c.x);
    for (const QList<EngineTerm>* list : {&fc.nonZero, &fc.positive, &fc.nonNegative})
      for (const EngineTerm& one : *list) cutsOf(at(one, c.x));
    for (qsizetype j = 0; j < i; ++j)
      cutsOf(
          simplified(EngineTerm::asIs('(' + c.x.text() + ")-(" + a.candidates[j].x.text() + ')')));
    if (!c.decider.isEmpty()) {
      cutsOf(c.decider);
      cutsOfConditions(c.decider);
    }
    if (!c.slope.isEmpty()) cutsOf(c.slope);
  }
  return a;
}

CellOutcome Family::inInterval(int order, const QList<Candidate>& candidates, double tau) {
  CellOutcome out;
  const double scale = 1e-6;
  QList<Found> found;
  for (qsizetype i = 0; i < candidates.size(); ++i) {
    const Candidate& c = candidates[i];
    const double x = value(c.x, tau);
    if (!std::isfinite(x)) continue;
    const double fx = value(f_, tau, x);
    const double gx = value(d_[order], tau, x);
    if (!std::isfinite(fx) || !std::isfinite(gx) || std::abs(gx) > scale * (1 + std::abs(x)))
      continue;  // no value there, or a solution of the engine's for other t only
    if (std::any_of(found.begin(), found.end(),
                    [&](const Found& o) { return std::abs(o.xValue - x) < 1e-9; }))
      continue;
    Found one;
    one.index = static_cast<int>(i);
    one.x = c.x;
    one.y = c.y;
    one.xValue = x;
    one.decider = c.decider;
    one.slope = c.slope;
    found << one;
  }
  std::sort(found.begin(), found.end(),
            [](const Found& a, const Found& b) { return a.xValue < b.xValue; });
  for (qsizetype i = 0; i < found.size(); ++i) {
    Found& one = found[i];
    if (order > 0) {
      one.sign = one.decider.isEmpty() ? 0 : signOf(value(one.decider, tau));
      int left = 0, right = 0;
      if (one.sign == 0) {
        double h = 0.5;
        if (i > 0) h = std::min(h, (one.xValue - found[i - 1].xValue) / 2);
        if (i + 1 < found.size()) h = std::min(h, (found[i + 1].xValue - one.xValue) / 2);
        left = signOf(value(d_[order], tau, one.xValue - h));
        right = signOf(value(d_[order], tau, one.xValue + h));
        one.change = left * right < 0 ? (left > 0 ? QStringLiteral("von + nach −")
                                                  : QStringLiteral("von − nach +"))
                                      : QString();
      }
      one.kind = decide(order, one.sign, left, right);
      if (order == 2 && !one.kind.isEmpty()) {
        one.saddle = std::abs(value(one.slope, tau)) < 1e-9;
        if (one.saddle) one.kind = QStringLiteral("SP");
      }
    } else {
      one.kind = QStringLiteral("N");
    }
  }
  out.found = found;
  return out;
}

CellOutcome Family::atCut(int order, const QList<Candidate>& candidates, const Cell& cell) {
  CellOutcome out;
  const EngineTerm g = putT(d_[order], cell.exact);
  if (isZero(simplified(g))) {
    out.everywhere = true;
    return out;
  }
  const EngineTerm fc = putT(f_, cell.exact);
  Solutions s = solve(engine_, g);
  if (s.general || !s.failure.isEmpty())
    s = solve(engine_, g, EngineTerm::number(from_), EngineTerm::number(to_));
  QList<Found> found;
  for (const Solution& one : s.solutions) {
    Found f;
    f.x = one.exact;
    f.xValue = one.value;
    if (!std::isfinite(Funktionswert(engine_, fc, one.value).value.value_or(NAN))) continue;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
      if (std::abs(value(candidates[i].x, cell.value) - one.value) < 1e-7) {
        f.index = static_cast<int>(i);
        break;
      }
    }
    if (f.index >= 0) {
      f.x = candidates[f.index].x;  // the generic term, its value here
    }
    found << f;
  }
  for (qsizetype i = 0; i < found.size(); ++i) {
    Found& one = found[i];
    const EngineTerm x =
        one.x.isEmpty() ? EngineTerm::number(one.xValue) : withT(one.x, cell.exact);
    const Rewritten y = exactValue(engine_, fc, x);
    one.y = y.failure.isEmpty() && !y.term.isEmpty()
                ? y.term
                : EngineTerm::number(Funktionswert(engine_, fc, one.xValue).value.value_or(NAN));
    if (order == 0) {
      one.kind = QStringLiteral("N");
      one.y = EngineTerm::asIs("0");
      continue;
    }
    const Rewritten next = exactValue(engine_, putT(d_[order + 1], cell.exact), x);
    one.decider = next.failure.isEmpty() ? next.term : EngineTerm();
    one.sign =
        one.decider.isEmpty() ? 0 : signOf(approximateNumber(engine_, one.decider).value_or(0));
    int left = 0, right = 0;
    if (one.sign == 0) {
      double h = 0.5;
      if (i > 0) h = std::min(h, (one.xValue - found[i - 1].xValue) / 2);
      if (i + 1 < found.size()) h = std::min(h, (found[i + 1].xValue - one.xValue) / 2);
      const EngineTerm gc = g;
      left = signOf(Funktionswert(engine_, gc, one.xValue - h).value.value_or(NAN));
      right = signOf(Funktionswert(engine_, gc, one.xValue + h).value.value_or(NAN));
      one.change = left * right < 0 ? (left > 0 ? QStringLiteral("von + nach −")
                                                : QStringLiteral("von − nach +"))
                                    : QString();
    }
    one.kind = decide(order, one.sign, left, right);
    if (order == 2 && !one.kind.isEmpty()) {
      const Rewritten slope = exactValue(engine_, putT(d_[1], cell.exact), x);
      one.slope = slope.failure.isEmpty() ? slope.term : EngineTerm();
      one.saddle = !one.slope.isEmpty() && isZero(one.slope);
      if (one.saddle) one.kind = QStringLiteral("SP");
    }
    if (one.index < 0) one.x = x;
    one.shown = x;
  }
  out.found = found;
  return out;
}

// ---------------------------------------------------------------- run

WorkedSolution Family::run() {
  out_.parameter = t_;
  const FunctionValue probe = Funktionswert(engine_, withT(f_, EngineTerm::asIs("1")), 0.5);
  if (probe.termFaulty) {
    out_.failure = kTermErrorMessage;
    return std::move(out_);
  }
  const Derivatives d = formDerivatives(engine_, f_);
  for (const EngineTerm* t : {&d.first, &d.second, &d.third}) {
    if (t->isEmpty() || t->text().startsWith(QStringLiteral("Fehler"))) {
      out_.failure = t->isEmpty() ? kTermErrorMessage : t->text();
      return std::move(out_);
    }
  }
  d_[0] = f_;
  d_[1] = d.first;
  d_[2] = d.second;
  d_[3] = d.third;
  functions();
  domain();
  symmetry();
  yIntercept();
  zeros();
  extrema();
  inflections();
  bordersKnown_ = solveBorders();
  signs(1);
  signs(2);
  bordersOfDomain();
  result();
  loci();
  return std::move(out_);
}

WorkedSolution familySolution(Engine& engine, const EngineTerm& f, QChar parameter, double from,
                              double to) {
  return Family(engine, f, parameter, from, to).run();
}

}  // namespace worked
