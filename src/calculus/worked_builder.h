#pragma once
// The builder of the worked solution, shared by its two sources:
// worked_solution.cpp (derivatives, symmetry, zeros, extrema, inflection
// points, the result) and worked_domain.cpp (the domain, monotony and
// curvature intervals, the behaviour at the borders).

#include <QList>
#include <QString>
#include <cmath>
#include <optional>
#include <utility>

#include "calculus/worked_solution.h"

namespace worked {

inline const QString kPrime[] = {QString(), QStringLiteral("′"), QStringLiteral("″"),
                                 QStringLiteral("‴")};
inline const QString kSub[] = {QStringLiteral("₀"), QStringLiteral("₁"), QStringLiteral("₂"),
                               QStringLiteral("₃"), QStringLiteral("₄"), QStringLiteral("₅"),
                               QStringLiteral("₆"), QStringLiteral("₇"), QStringLiteral("₈"),
                               QStringLiteral("₉")};

inline RichText w(const QString& text) {
  return RichText::words(text);
}
inline RichText term(const EngineTerm& t) {
  return schoolTerm(t);
}

inline QString subscript(int n) {
  QString out;
  for (QChar c : QString::number(n)) out += kSub[c.unicode() - '0'];
  return out;
}

inline bool isZero(const EngineTerm& t) {
  return t.text() == QStringLiteral("0");
}

// A place on the x axis: exact where the engine wrote it so.
struct Place {
  EngineTerm exact;  // empty for a numeric one
  double value = 0;
};

inline RichText placeText(const Place& p) {
  if (p.exact.isEmpty()) return w(QStringLiteral("≈ ") + schoolNumber(p.value));
  RichText out = term(p.exact);
  if (!isPlainNumber(p.exact)) out += w(QStringLiteral(" ≈ ") + schoolNumber(p.value));
  return out;
}
inline RichText exactOrNumber(const Place& p) {
  return p.exact.isEmpty() ? w(schoolNumber(p.value)) : term(p.exact);
}

// An interval of the domain; a missing end is infinite.
struct Interval {
  std::optional<Place> lo, hi;
  bool loClosed = false, hiClosed = false;
};

inline RichText intervalText(const Interval& i) {
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

  WorkedSolution run();

 private:
  WorkedSolution failed(const QString& message);

  WorkedSection& section(const QString& heading);
  void line(const RichText& text) { out_.sections.back().lines.push_back(text); }

  RichText fName(int order, const QString& at = QStringLiteral("x")) const;

  std::optional<double> number(const EngineTerm& t) { return approximateNumber(engine_, t); }
  double valueAt(int order, double x);

  // The exact value of f⁽ⁿ⁾ at a place; empty where there is none.
  EngineTerm exactAt(int order, const Place& p);
  // The value of f at a place, exact where possible.
  Place yAt(const Place& p);

  // The zeros of g (those where f is defined, with `inDomain`): exact, or
  // numeric in [from, to] where the engine finds none exactly; a periodic g
  // adds its general solutions.
  struct Zeros {
    QList<Place> places;
    QList<EngineTerm> families;
    bool numeric = false;
    QString failure;  // why not even a scan of [from, to] found them, in German
  };
  Zeros zerosOf(const EngineTerm& g, bool inDomain = true);

  void listZeros(const Zeros& z, const QString& name);

  void addPoint(const QString& kind, const Place& x, const Place& y);

  // 1. f and its derivatives; a quotient keeps its denominator as a power.
  void functions();

  // f⁽ⁿ⁾ over the smallest power of the denominator's base that leaves a
  // polynomial above it, as the quotient rule gives it after cancelling.
  EngineTerm overPower(const EngineTerm& d, const EngineTerm& denominator, int order);

  // 2. The domain: from the places where a condition changes, the pieces
  // between them where f has a value.
  void domain();

  bool definedAt(const Place& p);

  // The open pieces between the borders where f has a value, joined over
  // the borders where it has one too; a border without a value inside the
  // domain is a gap.
  void pieces(const QList<Place>& borders);

  // 3. Symmetry to the y axis or to the origin.
  void symmetry();

  // 4. The y intercept, where 0 is in the domain.
  void yIntercept();

  // 5. The zeros, with the pupil's method and their multiplicity.
  void zeros();

  // The sign of f⁽ⁿ⁾ left and right of a place, halfway to its neighbours.
  std::pair<double, double> signsAround(int order, const QList<Place>& places, qsizetype i);

  RichText signWord(double v) { return w(v > 0 ? QStringLiteral(" > 0") : QStringLiteral(" < 0")); }

  // The necessary condition f⁽ⁿ⁾(x) = 0 with its solutions.
  Zeros necessary(int order);

  // The next derivative at a candidate, "f″(1) = 6", exact where possible.
  struct Sufficient {
    RichText reason;
    double value = NAN;
    bool vanishes = true;  // 0, or no value: the sign change decides
  };
  Sufficient sufficient(int order, const Place& x);

  // 6. Extrema: f′ = 0, then the sign of f″ or the sign change of f′.
  void extrema();

  // 7. Inflection and saddle points: f″ = 0, then f‴ or the sign change of f″.
  void inflections();

  // The pieces of the domain split at `places`, with the sign of f⁽ⁿ⁾ on each.
  void signIntervals(int order, const QList<Place>& places, bool closed, const QString& rising,
                     const QString& falling);

  // 8. Monotony and curvature as intervals.
  void monotony();

  // "f(x) → 0", or that f has no limit there.
  RichText limitLine(const Limit& l);

  RichText limitText(const Limit& l);

  // 9. Limits at the borders of the domain, poles, gaps and asymptotes.
  void borders();

  // An asymptote found for both ends of the domain is named once.
  void asymptote(const RichText& text);

  // 10. The points found, N, Sy, HP, TP, WP, SP, exact first.
  void result();

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
  QString criticalFailure_, flexFailure_;  // why the zeros of f′, f″ are not known
};

// The worked solution of a family in the parameter `parameter`
// (worked_family.cpp).
WorkedSolution familySolution(Engine& engine, const EngineTerm& f, QChar parameter, double from,
                              double to);

}  // namespace worked
