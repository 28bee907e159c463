#pragma once
// The worked solution of a family of functions with one parameter t, shared
// by its three sources: worked_family.cpp (the cells of the t axis, the
// analysis of f⁽ⁿ⁾ = 0 in each cell, the run of all steps),
// worked_family_text.cpp (the lines of the cases, candidates and points, and
// the sections from the functions to the points of inflection) and
// worked_family_loci.cpp (the result and the Ortskurven); the monotony, the
// curvature and the borders of the domain in worked_family_signs.cpp.
//
// The candidates of f = 0, f′ = 0 and f″ = 0 are solved as terms in t; the
// values of t where a candidate stops existing, where two candidates meet, or
// where the next derivative at a candidate changes its sign cut the t axis
// into cells: open intervals, decided at one test value each, and the cut
// values themselves, decided exactly as for a plain term. Cells with the same
// reasons share a line ("für t ≠ 0: …"), and a point lists every cell where
// it exists ("TP1(0 | 0) nur für t ≤ 0").

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <cmath>
#include <functional>
#include <optional>

#include "calculus/worked_builder.h"

namespace worked {

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

// The worked solution of one family: run() writes the sections in turn.
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

  // ---- the cells of the t axis (worked_family.cpp) ----
  void cutsOf(const EngineTerm& term);  // the real t where `term` vanishes
  void cutsOfConditions(const EngineTerm& term);
  DomainConditions conditions(const EngineTerm& term) const;
  EngineTerm tidy(const EngineTerm& term);
  QList<Cell> cells() const;
  RichText setText(const QList<Cell>& all, const QList<bool>& in, bool withOnly) const;
  QList<ParameterInterval> intervals(const QList<Cell>& all, const QList<bool>& in) const;

  // ---- the analysis of f⁽ⁿ⁾ = 0 (worked_family.cpp) ----
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

  // ---- the texts (worked_family_text.cpp) ----
  RichText reasons(int order, const CellOutcome& outcome, int side);
  void caseLines(int order, const Analysis& a);
  void candidateLine(int order, const Analysis& a);
  void collectPoints(const Analysis& a);
  EngineTerm onSide(const EngineTerm& term, int side);

  // ---- the sections (worked_family_text.cpp) ----
  void functions();
  void domain();
  void symmetry();
  void yIntercept();
  void zeros();
  void extrema();
  void inflections();
  // Cells with the same text share a line, "für t ≠ 0: …"; a cut value alone
  // names its function. Without `present`, every cell has a text; `allLabel`
  // writes "für alle t:" where all cells agree.
  void groupedLines(const QList<Cell>& cells, const QList<RichText>& texts,
                    const QList<bool>& present = {}, bool allLabel = true);

  // ---- monotony, curvature, borders (worked_family_signs.cpp) ----
  // A place on the x axis in one cell: a border of the domain or a zero of
  // f′ (f″), its exact term for that cell and its value there.
  struct Spot {
    EngineTerm x;
    double v = 0;
    bool border = false;
    bool defined = false;  // f has a value at a border
    int index = -1;        // the generic border
  };
  // A piece of the domain between two borders (indices; −1: infinite).
  struct Piece {
    int lo = -1, hi = -1;
    bool loClosed = false, hiClosed = false;
  };
  struct Layout {
    QList<Spot> borders;
    QList<Piece> pieces;
    EngineTerm f, tau;  // f in the cell, t there as an exact number
  };
  bool solveBorders();
  void borderCuts(const QList<Candidate>& candidates);
  Layout layout(const Cell& cell, int side);
  double valueIn(const Cell& cell, int order, double x);
  int sideOf(const QList<Cell>& cells, qsizetype i) const;
  RichText signCell(int order, const Cell& cell, const CellOutcome& outcome, int side, bool window);
  void signs(int order);
  QString limitWords(const Limit& l, const Limit& generic, const Cell& cell, int side,
                     EngineTerm* value, const std::function<Limit()>& elsewhere);
  EngineTerm obliqueLine(const EngineTerm& fc, const EngineTerm& point, const Cell& cell, int side);
  void bordersOfDomain();

  // (worked_family_loci.cpp)
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
  // The analysis of f = 0, f′ = 0 and f″ = 0 with its cut values, for the
  // intervals and the borders.
  struct Kept {
    Analysis a;
    QList<Solution> cuts;
    bool done = false;
  };
  Kept kept_[3];
  QList<EngineTerm> borderTerms_;  // the borders of the domain as terms in t
  bool bordersKnown_ = false;
  // The generic oblique asymptote at −∞ and ∞, m and b; nullopt inside once
  // none was found.
  std::optional<std::optional<std::pair<EngineTerm, EngineTerm>>> generic_[2];
  WorkedSolution out_;
};

}  // namespace worked
