// The worked solution of a family with one parameter t. The candidates of
// f = 0, f′ = 0 and f″ = 0 are solved as terms in t; the values of t where a
// candidate stops existing, where two candidates meet, or where the next
// derivative at a candidate changes its sign cut the t axis into cells: open
// intervals, decided at one test value each, and the cut values themselves,
// decided exactly as for a plain term. Cells with the same reasons share a
// line ("für t ≠ 0: …"), and a point lists every cell where it exists
// ("TP1(0 | 0) nur für t ≤ 0").
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "calculus/derivatives.h"
#include "calculus/worked_builder.h"
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

// One cell of the t axis: an open interval between two cut values (its test
// value `value`), or a cut value itself.
struct Cell {
  bool point = false;
  EngineTerm exact;  // the cut value
  double value = 0;
};

// A point found in one cell: the generic candidate it belongs to (or −1 for
// one that only a cut value has), its kind and the reason.
struct Found {
  int index = -1;
  EngineTerm x, y;   // terms in t, or exact numbers at a cut value
  EngineTerm shown;  // x at a cut value, where x is the generic term
  double xValue = NAN;
  QString kind;
  EngineTerm decider;  // the next derivative at x, shown
  int sign = 0;        // of the decider; 0 when the sign change decided
  QString change;      // "von + nach −", or empty
  EngineTerm slope;    // f′ at a point of inflection
  bool saddle = false;
};

struct CellOutcome {
  QList<Found> found;
  bool everywhere = false;  // the equation holds for every x
};

// A generic candidate: its term in t and the terms at it.
struct Candidate {
  EngineTerm x, decider, y, slope;
};

class Family {
 public:
  Family(Engine& engine, const EngineTerm& f, QChar t, double from, double to)
      : engine_(engine), f_(f), t_(t), name_(QString(t).toLatin1()), from_(from), to_(to) {}

  WorkedSolution run();

 private:
  // ---- the engine, with t ----
  EngineTerm simplified(const EngineTerm& term) {
    const Rewritten r = simplify(engine_, term);
    return r.failure.isEmpty() ? r.term : term;
  }
  EngineTerm at(const EngineTerm& term, const EngineTerm& x) {
    return simplified(substitute(engine_, term, "x", EngineTerm::asIs('(' + x.text() + ')')));
  }
  EngineTerm withT(const EngineTerm& term, const EngineTerm& value) {
    return simplified(
        substitute(engine_, term, name_.constData(), EngineTerm::asIs('(' + value.text() + ')')));
  }
  // The same without simplifying: x²/x keeps its gap at 0.
  EngineTerm putT(const EngineTerm& term, const EngineTerm& value) {
    return substitute(engine_, term, name_.constData(), EngineTerm::asIs('(' + value.text() + ')'));
  }
  bool hasT(const EngineTerm& term) const { return parameterLetters(term).contains(t_); }
  // The value of a term at t = tau (and x), NaN where it has none.
  double value(const EngineTerm& term, double tau, std::optional<double> x = {}) {
    const EngineTerm put = substitute(engine_, term, name_.constData(), EngineTerm::number(tau));
    if (x) return Funktionswert(engine_, put, *x).value.value_or(NAN);
    return approximateNumber(engine_, put).value_or(NAN);
  }

  // ---- the cells of the t axis ----
  void cutsOf(const EngineTerm& term);  // the real t where `term` vanishes
  void cutsOfConditions(const EngineTerm& term);
  DomainConditions conditions(const EngineTerm& term) const;
  EngineTerm tidy(const EngineTerm& term);
  QList<Cell> cells() const;
  RichText setText(const QList<Cell>& all, const QList<bool>& in, bool withOnly) const;
  QList<ParameterInterval> intervals(const QList<Cell>& all, const QList<bool>& in) const;

  // ---- the analysis of f⁽ⁿ⁾ = 0 ----
  struct Analysis {
    QList<Candidate> candidates;
    QList<Cell> cells;
    QList<CellOutcome> outcomes;
    QString failure;
    QList<EngineTerm> families;  // the general solutions of a periodic equation
    bool window = false;         // the candidates are those in [from, to]
  };
  Analysis analyse(int order);
  CellOutcome inInterval(int order, const QList<Candidate>& candidates, double tau);
  CellOutcome atCut(int order, const QList<Candidate>& candidates, const Cell& cell);
  QString decide(int order, int sign, int left, int right) const;
  int signOf(double v) const { return std::isfinite(v) ? (v > 1e-9) - (v < -1e-9) : 0; }

  RichText reasons(int order, const CellOutcome& outcome, int side);
  void caseLines(int order, const Analysis& a);
  void candidateLine(int order, const Analysis& a);
  void collectPoints(const Analysis& a);
  EngineTerm onSide(const EngineTerm& term, int side);

  // ---- the sections ----
  void functions();
  void domain();
  void symmetry();
  void yIntercept();
  void zeros();
  void extrema();
  void inflections();
  void result();
  void loci();

  WorkedSection& section(const QString& heading) {
    out_.sections.push_back({heading, {}});
    return out_.sections.back();
  }
  void line(const RichText& text) { out_.sections.back().lines.push_back(text); }
  RichText fName(int order, const QString& at = QStringLiteral("x")) const {
    return w(QStringLiteral("f") + kPrime[order] + '(' + at + ')');
  }

  // A point of the result, with the cells where it exists.
  struct Listed {
    QString kind;
    EngineTerm x, y;
    QList<bool> in;
    QList<Cell> cells;
    int order = 0;
  };

  Engine& engine_;
  EngineTerm f_;
  QChar t_;
  QByteArray name_;
  double from_, to_;
  EngineTerm d_[4];
  QList<Solution> cuts_;
  QList<Listed> listed_;
  WorkedSolution out_;
};

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

// ---------------------------------------------------------------- texts

// "f″(±√t) = 8t > 0 ⇒ TP(±√t | −t²); f″(0) = −4t < 0 ⇒ HP(0 | 0)": the
// points of one cell, a pair ±a with the same values written once.
RichText Family::reasons(int order, const CellOutcome& outcome, int side) {
  RichText out;
  if (outcome.everywhere) {
    return fName(order) + w(QStringLiteral(" = 0 für alle x: ")) +
           w(order == 1 ? QStringLiteral("kein Hoch- oder Tiefpunkt")
                        : QStringLiteral("kein Wendepunkt"));
  }
  if (outcome.found.isEmpty()) return w(QStringLiteral("keine Lösung"));
  QList<Found> found = outcome.found;
  if (side != 0) {  // |t| written without bars where t keeps its sign
    for (Found& one : found) {
      one.x = onSide(one.x, side);
      one.y = onSide(one.y, side);
      one.decider = onSide(one.decider, side);
    }
  }
  QList<bool> done(found.size(), false);
  bool first = true;
  for (qsizetype i = 0; i < found.size(); ++i) {
    if (done[i]) continue;
    const Found& one = found[i];
    const EngineTerm& x = one.shown.isEmpty() ? one.x : one.shown;
    RichText at = term(x);
    RichText decider = term(one.decider);
    for (qsizetype j = i + 1; j < found.size(); ++j) {
      const Found& other = found[j];
      if (done[j] || other.kind != one.kind || other.y.text() != one.y.text() || one.xValue == 0)
        continue;
      const EngineTerm& otherX = other.shown.isEmpty() ? other.x : other.shown;
      const bool sameDecider = other.decider.text() == one.decider.text();
      // At a point of inflection only f‴ ≠ 0 counts: ±8√3·√t.
      const bool oppositeDecider =
          order == 2 && !sameDecider &&
          isZero(simplified(
              EngineTerm::asIs('(' + one.decider.text() + ")+(" + other.decider.text() + ')')));
      if (!sameDecider && !oppositeDecider) continue;
      if (!isZero(simplified(EngineTerm::asIs('(' + x.text() + ")+(" + otherX.text() + ')'))))
        continue;
      done[j] = true;
      const bool firstPositive = one.xValue > 0;
      at = w(QStringLiteral("±")) + term(firstPositive ? x : otherX);
      if (oppositeDecider)
        decider = w(QStringLiteral("±")) + term(firstPositive ? one.decider : other.decider);
      break;
    }
    if (!first) out += w(QStringLiteral("; "));
    first = false;
    RichText reason =
        w(QStringLiteral("f") + kPrime[order + 1] + '(') + at + w(QStringLiteral(") = "));
    if (one.sign != 0) {
      reason += decider;
      reason += w(order == 2 ? QStringLiteral(" ≠ 0")
                             : (one.sign > 0 ? QStringLiteral(" > 0") : QStringLiteral(" < 0")));
    } else {
      const QString name = QStringLiteral("f") + kPrime[order];
      reason += w(QStringLiteral("0, "));
      reason +=
          w(one.change.isEmpty() ? QString(QStringLiteral("kein Vorzeichenwechsel von ") + name)
                                 : QString(QStringLiteral("Vorzeichenwechsel von ") + name +
                                           QStringLiteral(" ") + one.change));
    }
    if (one.kind.isEmpty()) {
      out += reason + w(order == 1 ? QStringLiteral(" ⇒ kein Extremum")
                                   : QStringLiteral(" ⇒ kein Wendepunkt"));
      continue;
    }
    out += reason + w(QStringLiteral(" ⇒ ") + one.kind + '(') + at + w(QStringLiteral(" | ")) +
           term(one.y) + w(QStringLiteral(")"));
    if (one.saddle) out += w(QStringLiteral(", Sattelpunkt, da auch f′ = 0"));
  }
  return out;
}

void Family::caseLines(int order, const Analysis& a) {
  const qsizetype n = a.cells.size();
  QList<RichText> texts;
  for (qsizetype i = 0; i < n; ++i) {
    int side = 0;
    if (!a.cells[i].point) {
      if (i > 0 && a.cells[i - 1].value >= 0) side = 1;
      if (i + 1 < n && a.cells[i + 1].value <= 0) side = -1;
    }
    texts << reasons(order, a.outcomes[i], side);
  }
  if (n == 1) {
    line(texts.front());
    return;
  }
  // Cells with the same reasons share one line, "für t ≠ 0: …".
  QList<bool> written(n, false);
  for (qsizetype i = 0; i < n; ++i) {
    if (written[i]) continue;
    QList<bool> in(n, false);
    for (qsizetype k = i; k < n; ++k)
      if (texts[k].plain == texts[i].plain) in[k] = written[k] = true;
    RichText label = setText(a.cells, in, false);
    if (label.isEmpty()) label = w(QStringLiteral("für alle ") + QString(t_));
    if (a.cells[i].point && std::count(in.begin(), in.end(), true) == 1) {
      const EngineTerm fc = withT(f_, a.cells[i].exact);
      label += w(QStringLiteral(" (f(x) = ")) + term(fc) + w(QStringLiteral(")"));
    }
    line(label + w(QStringLiteral(": ")) + texts[i]);
  }
}

// "x = 0 ∨ x = ±√t (für t > 0)": the candidates with the values of t for
// which they are solutions distinct from those before them.
void Family::candidateLine(int order, const Analysis& a) {
  if (!a.families.isEmpty()) {
    // The engine's integer is k; a family in k calls it n.
    static const QRegularExpression integer(QStringLiteral("\\bk\\b"));
    const QString n = t_ == QChar('k') ? QStringLiteral("n") : QStringLiteral("k");
    RichText general = w(QStringLiteral("allgemeine Lösung: "));
    for (qsizetype i = 0; i < a.families.size(); ++i)
      general += (i ? w(QStringLiteral(" oder ")) : RichText()) + w(QStringLiteral("x = ")) +
                 term(EngineTerm::asIs(QString(a.families[i].text()).replace(integer, n)));
    line(general + w(QStringLiteral(", ") + n + QStringLiteral(" ∈ ℤ")));
  }
  if (a.window)
    line(w((a.families.isEmpty() ? QStringLiteral("nicht exakt lösbar, numerisch im Intervall [")
                                 : QStringLiteral("im Intervall [")) +
           schoolNumber(from_) + QStringLiteral("; ") + schoolNumber(to_) + QStringLiteral("]:")));
  RichText out;
  QList<bool> used(a.candidates.size(), false);
  bool first = true;
  for (qsizetype i = 0; i < a.candidates.size(); ++i) {
    if (used[i]) continue;
    QList<bool> in(a.cells.size(), false);
    for (qsizetype k = 0; k < a.cells.size(); ++k)
      for (const Found& f : a.outcomes[k].found) in[k] = in[k] || f.index == i;
    if (std::none_of(in.begin(), in.end(), [](bool b) { return b; })) continue;
    RichText shown = term(a.candidates[i].x);
    for (qsizetype j = i + 1; j < a.candidates.size(); ++j) {
      if (used[j]) continue;
      if (!isZero(simplified(EngineTerm::asIs('(' + a.candidates[i].x.text() + ")+(" +
                                              a.candidates[j].x.text() + ')'))))
        continue;
      QList<bool> other(a.cells.size(), false);
      for (qsizetype k = 0; k < a.cells.size(); ++k)
        for (const Found& f : a.outcomes[k].found) other[k] = other[k] || f.index == j;
      bool together = true;
      for (qsizetype k = 0; k < a.cells.size(); ++k) {
        if (other[k] == in[k]) continue;
        // one of them only where the two meet
        together = together && a.cells[k].point &&
                   std::abs(value(a.candidates[i].x, a.cells[k].value) -
                            value(a.candidates[j].x, a.cells[k].value)) < 1e-9;
      }
      if (!together) continue;
      for (qsizetype k = 0; k < a.cells.size(); ++k) in[k] = in[k] || other[k];
      used[j] = true;
      double v = NAN;
      for (qsizetype k = 0; k < a.cells.size() && !std::isfinite(v); ++k)
        if (in[k] && !a.cells[k].point) v = value(a.candidates[i].x, a.cells[k].value);
      const bool iMinus = a.candidates[i].x.text().startsWith('-');
      const bool jMinus = a.candidates[j].x.text().startsWith('-');
      const bool positive = iMinus != jMinus ? !iMinus : (!std::isfinite(v) || v > 0);
      shown = w(QStringLiteral("±")) + term(positive ? a.candidates[i].x : a.candidates[j].x);
      break;
    }
    if (!first) out += w(QStringLiteral(" ∨ "));
    first = false;
    out += w(QStringLiteral("x = ")) + shown;
    const RichText where = setText(a.cells, in, false);
    if (!where.isEmpty()) out += w(QStringLiteral(" (")) + where + w(QStringLiteral(")"));
  }
  // Solutions that only a cut value of t has.
  for (qsizetype k = 0; k < a.cells.size(); ++k) {
    for (const Found& f : a.outcomes[k].found) {
      if (f.index >= 0) continue;
      if (!first) out += w(QStringLiteral(" ∨ "));
      first = false;
      out += w(QStringLiteral("x = ")) + term(f.x) +
             w(QStringLiteral(" (für ") + QString(t_) + QStringLiteral(" = ")) +
             term(a.cells[k].exact) + w(QStringLiteral(")"));
    }
  }
  line(first ? w(QStringLiteral("keine Lösung")) : out);
  for (qsizetype k = 0; k < a.cells.size(); ++k) {
    if (a.outcomes[k].everywhere && a.cells[k].point && order == 0)
      line(w(QStringLiteral("für ") + QString(t_) + QStringLiteral(" = ")) +
           term(a.cells[k].exact) + w(QStringLiteral(": f(x) = 0 für alle x")));
  }
}

void Family::collectPoints(const Analysis& a) {
  const qsizetype n = a.cells.size();
  QList<Listed> here;
  for (qsizetype k = 0; k < n; ++k) {
    for (const Found& f : a.outcomes[k].found) {
      if (f.kind.isEmpty()) continue;
      auto same = [&](const Listed& l) {
        if (l.kind != f.kind) return false;
        if (f.index >= 0) return l.x.text() == f.x.text() && l.order >= 0;
        return l.x.text() == f.x.text() && l.y.text() == f.y.text();
      };
      auto it = std::find_if(here.begin(), here.end(), same);
      if (it == here.end()) {
        Listed l;
        l.kind = f.kind;
        l.x = f.x;
        l.y = f.y;
        l.in = QList<bool>(n, false);
        l.order = f.index >= 0 ? 0 : -1;
        here << l;
        it = here.end() - 1;
      }
      it->in[k] = true;
      if (!a.cells[k].point && f.index >= 0) it->y = f.y;  // the generic term
    }
  }
  for (Listed& l : here) {
    qsizetype interval = -1;
    bool positive = true, negative = true;
    for (qsizetype k = 0; k < n; ++k) {
      if (!l.in[k]) continue;
      if (!a.cells[k].point) interval = k;
      const double lo =
          a.cells[k].point ? a.cells[k].value : (k > 0 ? a.cells[k - 1].value : -INFINITY);
      const double hi =
          a.cells[k].point ? a.cells[k].value : (k + 1 < n ? a.cells[k + 1].value : INFINITY);
      positive = positive && lo >= 0;
      negative = negative && hi <= 0;
    }
    if (interval < 0) {  // only at cut values: the point there
      for (qsizetype k = 0; k < n; ++k) {
        if (!l.in[k]) continue;
        for (const Found& f : a.outcomes[k].found)
          if (f.kind == l.kind && f.x.text() == l.x.text() && !f.shown.isEmpty()) l.x = f.shown;
        break;
      }
      continue;
    }
    if (positive || negative) {
      l.x = onSide(l.x, positive ? 1 : -1);
      l.y = onSide(l.y, positive ? 1 : -1);
    }
  }
  listed_ << here;
}

// A term with |t| on one side of 0: |t| = t for t > 0, −t for t < 0.
EngineTerm Family::onSide(const EngineTerm& term, int side) {
  const QString abs = QStringLiteral("abs(") + QString(t_) + ')';
  EngineTerm t = term;
  if (!t.text().contains(abs)) {
    if (!t.text().contains(QStringLiteral("sqrt"))) return term;
    const Rewritten f = factor(engine_, term);
    if (!f.failure.isEmpty() || !f.term.text().contains(abs)) return term;
    t = f.term;
  }
  const QString text = QString(t.text()).replace(
      abs, side > 0 ? QString(t_) : QStringLiteral("(-") + QString(t_) + ')');
  const Rewritten r = simplify(engine_, EngineTerm::asIs(text));
  return r.failure.isEmpty() ? r.term : term;
}

// ---------------------------------------------------------------- sections

void Family::functions() {
  section(QStringLiteral("Funktion und Ableitungen"));
  line(w(QStringLiteral("Funktionenschar mit dem Parameter ") + QString(t_) +
         QStringLiteral(" ∈ ℝ")));
  for (int order = 0; order <= 3; ++order)
    line(fName(order) + w(QStringLiteral(" = ")) + term(d_[order]));
}

void Family::domain() {
  section(QStringLiteral("Definitionsbereich"));
  const DomainConditions c = domainConditions(f_);
  QList<std::pair<EngineTerm, QString>> all;
  for (const EngineTerm& one : c.nonZero) all.push_back({one, QStringLiteral(" ≠ 0")});
  for (const EngineTerm& one : c.positive) all.push_back({one, QStringLiteral(" > 0")});
  for (const EngineTerm& one : c.nonNegative) all.push_back({one, QStringLiteral(" ≥ 0")});
  if (all.isEmpty()) {
    line(w(QStringLiteral("D = ℝ")));
    return;
  }
  for (const auto& [one, relation] : all)
    line(w(QStringLiteral("Bedingung: ")) + term(one) + w(relation));
  // One border each, solved for x without conditions of its own.
  RichText gaps, interval;
  int intervals = 0;
  bool plain = true;
  for (const auto& [one, relation] : all) {
    const Solutions s = solve(engine_, one);
    if (!s.failure.isEmpty() || s.general) {
      plain = false;
      break;
    }
    for (const Solution& b : s.solutions) {
      const DomainConditions own = conditions(b.exact);
      if (b.numeric() || !own.nonZero.isEmpty() || !own.positive.isEmpty() ||
          !own.nonNegative.isEmpty())
        plain = false;
    }
    if (!plain) break;
    if (relation == QStringLiteral(" ≠ 0")) {
      for (const Solution& b : s.solutions)
        gaps += (gaps.isEmpty() ? RichText() : w(QStringLiteral("; "))) + term(b.exact);
      continue;
    }
    if (s.solutions.size() != 1 || ++intervals > 1) {
      plain = false;
      break;
    }
    // The side where the condition holds, the same for t = 1 and t = −1.
    const EngineTerm border = s.solutions.front().exact;
    int side = 0;
    for (double tau : {1.0, -1.0, 2.0}) {
      const double b = value(border, tau);
      const double right = value(one, tau, b + 1), left = value(one, tau, b - 1);
      const int s2 = right > 0 && !(left > 0) ? 1 : (left > 0 && !(right > 0) ? -1 : 0);
      if (side == 0) side = s2;
      if (s2 != side) side = 2;
    }
    if (side != 1 && side != -1) {
      plain = false;
      break;
    }
    const bool closed = relation == QStringLiteral(" ≥ 0");
    interval = side > 0 ? w(closed ? QStringLiteral("[") : QStringLiteral("]")) + term(border) +
                              w(QStringLiteral("; ∞["))
                        : w(QStringLiteral("]−∞; ")) + term(border) +
                              w(closed ? QStringLiteral("]") : QStringLiteral("["));
  }
  if (!plain) {
    RichText text = w(QStringLiteral("D = {x ∈ ℝ | "));
    for (qsizetype i = 0; i < all.size(); ++i)
      text += (i ? w(QStringLiteral(" ∧ ")) : RichText()) + term(all[i].first) + w(all[i].second);
    line(text + w(QStringLiteral("}")));
    return;
  }
  RichText text =
      w(QStringLiteral("D = ")) + (interval.isEmpty() ? w(QStringLiteral("ℝ")) : interval);
  if (!gaps.isEmpty()) text += w(QStringLiteral(" \\ {")) + gaps + w(QStringLiteral("}"));
  line(text);
}

void Family::symmetry() {
  section(QStringLiteral("Symmetrie"));
  const EngineTerm mirrored = substitute(engine_, f_, "x", EngineTerm::asIs("(-x)"));
  auto vanishes = [&](const char* op) {
    const Rewritten r = simplify(
        engine_, EngineTerm::asIs('(' + mirrored.text() + ')' + op + '(' + f_.text() + ')'));
    return r.failure.isEmpty() && isZero(r.term);
  };
  const QString all = QStringLiteral(" für alle ") + QString(t_);
  if (vanishes("-")) {
    line(w(QStringLiteral("achsensymmetrisch zur y-Achse") + all +
           QStringLiteral(", da f(−x) = f(x)")));
  } else if (vanishes("+")) {
    line(w(QStringLiteral("punktsymmetrisch zum Ursprung") + all +
           QStringLiteral(", da f(−x) = −f(x)")));
  } else {
    line(w(QStringLiteral("keine Symmetrie zum Koordinatensystem") + all +
           QStringLiteral(" erkennbar")));
  }
}

void Family::yIntercept() {
  const EngineTerm zero = EngineTerm::asIs("0");
  const Rewritten y = exactValue(engine_, f_, zero);
  if (!y.failure.isEmpty() || y.term.isEmpty()) return;
  cuts_.clear();
  const DomainConditions c = domainConditions(f_);
  for (const QList<EngineTerm>* list : {&c.nonZero, &c.positive, &c.nonNegative})
    for (const EngineTerm& one : *list) cutsOf(at(one, zero));
  cutsOfConditions(y.term);
  const QList<Cell> all = cells();
  QList<bool> in;
  for (const Cell& cell : all) {
    const EngineTerm fc = cell.point ? putT(f_, cell.exact) : EngineTerm();
    in << std::isfinite(cell.point ? Funktionswert(engine_, fc, 0.0).value.value_or(NAN)
                                   : value(f_, cell.value, 0.0));
  }
  if (std::none_of(in.begin(), in.end(), [](bool b) { return b; })) return;
  section(QStringLiteral("Schnittpunkt mit der y-Achse"));
  RichText text = w(QStringLiteral("f(0) = ")) + term(y.term) + w(QStringLiteral(" ⇒ Sy(0 | ")) +
                  term(y.term) + w(QStringLiteral(")"));
  const RichText where = setText(all, in, true);
  if (!where.isEmpty()) text += w(QStringLiteral(" ")) + where;
  line(text);
  listed_ << Listed{QStringLiteral("Sy"), zero, y.term, in, all, 0};
}

void Family::zeros() {
  section(QStringLiteral("Nullstellen"));
  line(w(QStringLiteral("f(x) = 0")));
  const Rewritten factored = factor(engine_, f_);
  if (factored.failure.isEmpty() && factorsWithX(factored.term).size() > 1)
    line(w(QStringLiteral("Faktorisieren: ")) + term(factored.term) + w(QStringLiteral(" = 0")));
  cuts_.clear();
  Analysis a = analyse(0);
  if (!a.failure.isEmpty()) {
    line(w(a.failure));
    return;
  }
  a.cells = cells();
  for (const Cell& cell : a.cells)
    a.outcomes << (cell.point ? atCut(0, a.candidates, cell)
                              : inInterval(0, a.candidates, cell.value));
  candidateLine(0, a);
  const qsizetype before = listed_.size();
  collectPoints(a);
  for (qsizetype i = before; i < listed_.size(); ++i) listed_[i].cells = a.cells;
}

void Family::extrema() {
  section(QStringLiteral("Extrempunkte"));
  line(w(QStringLiteral("notwendige Bedingung: f′(x) = 0")));
  line(fName(1) + w(QStringLiteral(" = ")) + term(d_[1]) + w(QStringLiteral(" = 0")));
  cuts_.clear();
  Analysis a = analyse(1);
  if (!a.failure.isEmpty()) {
    line(w(a.failure));
    return;
  }
  a.cells = cells();
  for (const Cell& cell : a.cells)
    a.outcomes << (cell.point ? atCut(1, a.candidates, cell)
                              : inInterval(1, a.candidates, cell.value));
  candidateLine(1, a);
  if (a.candidates.isEmpty() &&
      std::none_of(a.outcomes.begin(), a.outcomes.end(),
                   [](const CellOutcome& o) { return !o.found.isEmpty(); }))
    return;
  line(w(QStringLiteral("hinreichende Bedingung: f′(x) = 0 und f″(x) ≠ 0")));
  caseLines(1, a);
  const qsizetype before = listed_.size();
  collectPoints(a);
  for (qsizetype i = before; i < listed_.size(); ++i) listed_[i].cells = a.cells;
}

void Family::inflections() {
  section(QStringLiteral("Wendepunkte"));
  line(w(QStringLiteral("notwendige Bedingung: f″(x) = 0")));
  line(fName(2) + w(QStringLiteral(" = ")) + term(d_[2]) + w(QStringLiteral(" = 0")));
  cuts_.clear();
  Analysis a = analyse(2);
  if (!a.failure.isEmpty()) {
    line(w(a.failure));
    return;
  }
  a.cells = cells();
  for (const Cell& cell : a.cells)
    a.outcomes << (cell.point ? atCut(2, a.candidates, cell)
                              : inInterval(2, a.candidates, cell.value));
  candidateLine(2, a);
  if (std::none_of(a.outcomes.begin(), a.outcomes.end(),
                   [](const CellOutcome& o) { return !o.found.isEmpty(); }))
    return;
  line(w(QStringLiteral("hinreichende Bedingung: f″(x) = 0 und f‴(x) ≠ 0")));
  caseLines(2, a);
  const qsizetype before = listed_.size();
  collectPoints(a);
  for (qsizetype i = before; i < listed_.size(); ++i) listed_[i].cells = a.cells;
}

namespace {
// A range of x reached by a moving point, for the Ortskurve.
struct XRange {
  double lo = -INFINITY, hi = INFINITY;
  EngineTerm loExact, hiExact;
  bool loClosed = false, hiClosed = false;
};

QString kindPlural(const QString& kind) {
  if (kind == QStringLiteral("HP")) return QStringLiteral("Hochpunkte");
  if (kind == QStringLiteral("TP")) return QStringLiteral("Tiefpunkte");
  if (kind == QStringLiteral("WP")) return QStringLiteral("Wendepunkte");
  return QStringLiteral("Sattelpunkte");
}
}  // namespace

void Family::result() {
  section(QStringLiteral("Ergebnis"));
  const QString order[] = {"N", "Sy", "HP", "TP", "WP", "SP"};
  if (listed_.isEmpty()) line(w(QStringLiteral("keine besonderen Punkte")));
  for (const QString& kind : order) {
    int n = 0;
    for (const Listed& l : listed_) {
      if (l.kind != kind) continue;
      const QString name = kind == QStringLiteral("Sy") ? kind : kind + QString::number(++n);
      RichText text =
          w(name + '(') + term(l.x) + w(QStringLiteral(" | ")) + term(l.y) + w(QStringLiteral(")"));
      const RichText where = setText(l.cells, l.in, true);
      if (!where.isEmpty()) text += w(QStringLiteral(" ")) + where;
      line(text);
      WorkedPoint p{name, l.x, l.y, NAN, NAN, intervals(l.cells, l.in)};
      if (!hasT(l.x)) p.xValue = approximateNumber(engine_, l.x).value_or(NAN);
      if (!hasT(l.y)) p.yValue = approximateNumber(engine_, l.y).value_or(NAN);
      out_.points << p;
    }
  }
}

void Family::loci() {
  struct Entry {
    QString kind;
    Locus locus;
    QList<XRange> ranges;
    bool rangesKnown = true;
  };
  QList<Entry> entries;
  for (const QString& kind :
       {QStringLiteral("HP"), QStringLiteral("TP"), QStringLiteral("WP"), QStringLiteral("SP")}) {
    for (const Listed& l : listed_) {
      if (l.kind != kind || (!hasT(l.x) && !hasT(l.y))) continue;
      std::optional<double> sample;
      for (qsizetype k = 0; k < l.in.size() && !sample; ++k)
        if (l.in[k] && !l.cells[k].point) sample = l.cells[k].value;
      Locus locus = Ortskurve(engine_, l.x, l.y, t_, sample);
      // The x the point reaches while it exists: x(t) on each run of cells,
      // monotone there, between its values or limits at the ends.
      QList<XRange> ranges;
      bool known = locus.message.isEmpty() && !locus.vertical;
      const EngineTerm inX = withT(l.x, EngineTerm::asIs("x"));
      for (qsizetype a = 0; known && a < l.in.size(); ++a) {
        if (!l.in[a]) continue;
        qsizetype b = a;
        while (b + 1 < l.in.size() && l.in[b + 1]) ++b;
        XRange r;
        auto end = [&](qsizetype cell, bool lower, double& v, EngineTerm& exact, bool& closed) {
          // lower: the cut before cell a (or a itself); upper: the cut after b.
          const bool atCut = l.cells[cell].point;
          const qsizetype cut = atCut ? cell : (lower ? cell - 1 : cell + 1);
          if (cut < 0 || cut >= l.cells.size()) {
            const Limit lim = limit(engine_, inX, EngineTerm::asIs(lower ? "-inf" : "inf"));
            if (lim.kind == Limit::Kind::Value) {
              exact = simplified(lim.value);
              v = approximateNumber(engine_, exact).value_or(NAN);
            } else {
              v = lim.kind == Limit::Kind::PlusInfinity    ? INFINITY
                  : lim.kind == Limit::Kind::MinusInfinity ? -INFINITY
                                                           : NAN;
            }
            closed = false;
            return;
          }
          const EngineTerm c = l.cells[cut].exact;
          closed = atCut;
          exact = withT(l.x, c);
          v = approximateNumber(engine_, exact).value_or(NAN);
          if (!std::isfinite(v) || atCut == false) {
            const Limit lim = limit(engine_, inX, c, lower ? Side::Right : Side::Left);
            if (lim.kind == Limit::Kind::Value) {
              exact = simplified(lim.value);
              v = approximateNumber(engine_, exact).value_or(NAN);
            } else {
              exact = {};
              v = lim.kind == Limit::Kind::PlusInfinity    ? INFINITY
                  : lim.kind == Limit::Kind::MinusInfinity ? -INFINITY
                                                           : NAN;
            }
          }
        };
        double v1 = NAN, v2 = NAN;
        EngineTerm e1, e2;
        bool c1 = false, c2 = false;
        end(a, true, v1, e1, c1);
        end(b, false, v2, e2, c2);
        if (std::isnan(v1) || std::isnan(v2)) {
          known = false;
          break;
        }
        // Monotone inside: samples between the ends of t.
        const double tLo = a == 0 ? l.cells[std::min<qsizetype>(1, l.cells.size() - 1)].value - 20
                                  : l.cells[l.cells[a].point ? a : a - 1].value;
        const double tHi = b == l.in.size() - 1 ? l.cells[std::max<qsizetype>(b - 1, 0)].value + 20
                                                : l.cells[l.cells[b].point ? b : b + 1].value;
        double previous = NAN;
        int direction = 0;
        for (int k = 1; k < 12 && known; ++k) {
          const double x = value(l.x, tLo + (tHi - tLo) * k / 12.0);
          if (!std::isfinite(x)) continue;
          if (std::isfinite(previous) && std::abs(x - previous) > 1e-12) {
            const int d = x > previous ? 1 : -1;
            if (direction != 0 && d != direction) known = false;
            direction = d;
          }
          previous = x;
        }
        if (v1 <= v2) {
          r = {v1, v2, e1, e2, c1, c2};
        } else {
          r = {v2, v1, e2, e1, c2, c1};
        }
        if (r.lo == r.hi && !(r.loClosed && r.hiClosed)) continue;
        ranges << r;
        a = b;
      }
      // On one side of the y axis |x| is x or −x: y = −2x²·|x| for x > 0 is y = −2x³.
      if (known && locus.message.isEmpty() && !ranges.isEmpty() &&
          locus.term.text().contains(QStringLiteral("abs(x)"))) {
        const bool right =
            std::all_of(ranges.begin(), ranges.end(), [](const XRange& r) { return r.lo >= 0; });
        const bool left =
            std::all_of(ranges.begin(), ranges.end(), [](const XRange& r) { return r.hi <= 0; });
        if (right || left) {
          QString text = locus.term.text();
          text.replace(QStringLiteral("abs(x)"),
                       right ? QStringLiteral("x") : QStringLiteral("(-x)"));
          locus.term = simplified(EngineTerm::asIs(text));
        }
      }
      auto same = [&](const Entry& e) {
        return e.kind == kind && e.locus.vertical == locus.vertical &&
               e.locus.term.text() == locus.term.text() && e.locus.message == locus.message;
      };
      auto it = std::find_if(entries.begin(), entries.end(), same);
      if (it == entries.end()) {
        entries << Entry{kind, locus, ranges, known};
      } else {
        it->ranges << ranges;
        it->rangesKnown = it->rangesKnown && known;
      }
    }
  }
  if (entries.isEmpty()) return;
  section(QStringLiteral("Ortskurven"));
  // Several vertical lines of one kind (the extrema of t·sin(x)) share a line.
  QStringList grouped;
  for (const Entry& e : entries) {
    if (!e.locus.vertical || grouped.contains(e.kind)) continue;
    QList<std::pair<double, EngineTerm>> lines;
    for (const Entry& other : entries)
      if (other.kind == e.kind && other.locus.vertical && other.locus.message.isEmpty())
        lines.push_back(
            {approximateNumber(engine_, other.locus.term).value_or(0), other.locus.term});
    if (lines.size() < 2) continue;
    grouped << e.kind;
    std::sort(lines.begin(), lines.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    RichText text =
        w(QStringLiteral("Ortskurven der ") + kindPlural(e.kind) + QStringLiteral(": "));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      text += (i ? w(QStringLiteral("; ")) : RichText()) + w(QStringLiteral("x = ")) +
              term(lines[i].second);
      Locus locus;
      locus.vertical = true;
      locus.term = lines[i].second;
      out_.loci << KindLocus{kindPlural(e.kind), locus};
    }
    line(text);
  }
  for (Entry& e : entries) {
    if (e.locus.vertical && grouped.contains(e.kind)) continue;
    RichText text = locusLine(e.locus, kindPlural(e.kind));
    if (e.locus.message.isEmpty()) out_.loci << KindLocus{kindPlural(e.kind), e.locus};
    if (e.rangesKnown && !e.locus.vertical && !e.ranges.isEmpty()) {
      std::sort(e.ranges.begin(), e.ranges.end(),
                [](const XRange& a, const XRange& b) { return a.lo < b.lo; });
      QList<XRange> merged;
      for (const XRange& r : e.ranges) {
        if (!merged.isEmpty() &&
            (r.lo < merged.back().hi ||
             (r.lo == merged.back().hi && (r.loClosed || merged.back().hiClosed)))) {
          if (r.hi > merged.back().hi || (r.hi == merged.back().hi && r.hiClosed)) {
            merged.back().hi = r.hi;
            merged.back().hiExact = r.hiExact;
            merged.back().hiClosed = r.hiClosed;
          }
        } else {
          merged << r;
        }
      }
      auto number = [&](const EngineTerm& exact, double v) {
        return exact.isEmpty() ? w(schoolNumber(v)) : term(exact);
      };
      RichText where;
      if (merged.size() == 1 && std::isinf(merged[0].lo) && std::isinf(merged[0].hi)) {
      } else if (merged.size() == 2 && std::isinf(merged[0].lo) && std::isinf(merged[1].hi) &&
                 merged[0].hi == merged[1].lo) {
        where = w(QStringLiteral("x ≠ ")) + number(merged[0].hiExact, merged[0].hi);
      } else if (merged.size() == 1) {
        const XRange& r = merged[0];
        if (std::isinf(r.lo)) {
          where = w(r.hiClosed ? QStringLiteral("x ≤ ") : QStringLiteral("x < ")) +
                  number(r.hiExact, r.hi);
        } else if (std::isinf(r.hi)) {
          where = w(r.loClosed ? QStringLiteral("x ≥ ") : QStringLiteral("x > ")) +
                  number(r.loExact, r.lo);
        } else if (r.lo == r.hi) {
          where = w(QStringLiteral("x = ")) + number(r.loExact, r.lo);
        } else {
          where = number(r.loExact, r.lo) +
                  w(r.loClosed ? QStringLiteral(" ≤ x") : QStringLiteral(" < x")) +
                  w(r.hiClosed ? QStringLiteral(" ≤ ") : QStringLiteral(" < ")) +
                  number(r.hiExact, r.hi);
        }
      } else {
        where = w(QStringLiteral("x ∈ "));
        for (qsizetype i = 0; i < merged.size(); ++i) {
          Interval piece;
          if (!std::isinf(merged[i].lo)) piece.lo = Place{merged[i].loExact, merged[i].lo};
          if (!std::isinf(merged[i].hi)) piece.hi = Place{merged[i].hiExact, merged[i].hi};
          piece.loClosed = merged[i].loClosed;
          piece.hiClosed = merged[i].hiClosed;
          where += (i ? w(QStringLiteral(" ∪ ")) : RichText()) + intervalText(piece);
        }
      }
      if (!where.isEmpty()) text += w(QStringLiteral(" (")) + where + w(QStringLiteral(")"));
    }
    line(text);
  }
}

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
  result();
  loci();
  return std::move(out_);
}

}  // namespace

WorkedSolution familySolution(Engine& engine, const EngineTerm& f, QChar parameter, double from,
                              double to) {
  return Family(engine, f, parameter, from, to).run();
}

}  // namespace worked
