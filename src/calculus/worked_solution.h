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

#include <QList>
#include <QString>

#include "engine/requests.h"
#include "engine/school_notation.h"

// A point of the result: "TP1", exact coordinates (empty when only numeric)
// and their values.
struct WorkedPoint {
  QString name;
  EngineTerm x, y;
  double xValue = 0, yValue = 0;
};

struct WorkedSection {
  QString heading;
  QList<RichText> lines;
};

struct WorkedSolution {
  QList<WorkedSection> sections;
  QList<WorkedPoint> points;  // N…, Sy, HP…, TP…, WP…, SP…
  QString failure;            // set when the term cannot be discussed
};

WorkedSolution Loesungsweg(Engine& engine, const EngineTerm& f, double from = -10, double to = 10);

// "TP1(−√3 | −4) ≈ (−1,732 | −4)": the approximation only where a coordinate
// is not a plain number.
RichText pointLine(const WorkedPoint& point);

QString plainText(const WorkedSolution& solution);
QString htmlText(const WorkedSolution& solution);
