#pragma once
// The worked solution ("Lösungsweg") of a curve discussion as a pupil writes
// it: derivatives, domain, symmetry, the y intercept, zeros with the pupil's
// methods, extrema and inflection points with the necessary and sufficient
// conditions, monotony and curvature, the behaviour at the borders of the
// domain with asymptotes, and the points found, exact first.
//
// Periodic terms give their general solutions and the points in [from, to].
// Where the engine finds no exact answer the step says so and goes on
// numerically.
//
// A family with one parameter (f(x) = x⁴ − 2t·x²) keeps the parameter as a
// symbol: the candidates are terms in t, the sufficient conditions are
// decided case by case between the values of t where something changes, and
// the points of each kind that move with t get their Ortskurve.

#include <QList>
#include <QString>
#include <cmath>

#include "calculus/family.h"
#include "engine/requests.h"
#include "engine/school_notation.h"

// A point of the result: "TP1", exact coordinates (empty when only numeric)
// and their values.
// A range of the parameter, ]lo; hi[ with its ends closed where said; the
// ends may be infinite.
struct ParameterInterval {
  double lo = -INFINITY, hi = INFINITY;
  bool loClosed = false, hiClosed = false;
  bool contains(double t) const;
};

// A point of a family has coordinates in the parameter, values NaN, and
// exists for the values of the parameter in `exists` (every value when empty).
struct WorkedPoint {
  QString name;
  EngineTerm x, y;
  double xValue = 0, yValue = 0;
  QList<ParameterInterval> exists = {};
  bool existsFor(double t) const;
};

struct WorkedSection {
  QString heading;
  QList<RichText> lines;
};

// The Ortskurve of the points of one kind ("Tiefpunkte") of a family.
struct KindLocus {
  QString kind;
  Locus locus;
};

struct WorkedSolution {
  QList<WorkedSection> sections;
  QList<WorkedPoint> points;  // N…, Sy, HP…, TP…, WP…, SP…
  QChar parameter;            // a family's parameter; null for a plain term
  QList<KindLocus> loci;      // a family's Ortskurven
  QString failure;            // set when the term cannot be discussed
};

WorkedSolution Loesungsweg(Engine& engine, const EngineTerm& f, double from = -10, double to = 10);

// "TP1(−√3 | −4) ≈ (−1,732 | −4)": the approximation only where a coordinate
// is not a plain number.
RichText pointLine(const WorkedPoint& point);

QString plainText(const WorkedSolution& solution);
QString htmlText(const WorkedSolution& solution);
