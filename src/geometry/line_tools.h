#pragma once
// The calculators of straight lines: point-slope and two-point form, the
// orthogonal slope, the angle between two lines, length and midpoint of a
// segment. Each takes its fields' texts as typed (decimal comma) and gives
// the new result texts, or the message that refuses the inputs; a refusal
// leaves every result field as it was.

#include <QString>
#include <variant>

struct Refusal {
  QString message;
};

template <typename Result>
using Outcome = std::variant<Result, Refusal>;

// "m x1" through (x1|y1) as "<m as typed>x<intercept>", e.g. "2x+3", "0,5x-2,0".
Outcome<QString> pointSlopeForm(const QString& x1, const QString& y1, const QString& m);
// The line through two points, e.g. (1|2) and (3|6) give "2x+0,0".
Outcome<QString> twoPointForm(const QString& x1, const QString& y1, const QString& x2,
                              const QString& y2);
// The slope -1/m1 of the perpendicular, e.g. "-0,5" for 2.
Outcome<QString> orthogonalSlope(const QString& m1);
// The signed angle from the first line to the second, e.g. "90°" or
// "-45,00000005142°" (m1 1, m2 0).
Outcome<QString> intersectionAngle(const QString& m1, const QString& m2);
// The distance between (x1|y1) and (x2|y2).
Outcome<QString> segmentLength(const QString& x1, const QString& x2, const QString& y1,
                               const QString& y2);

struct Midpoint {
  QString xm, ym;
};
Outcome<Midpoint> segmentMidpoint(const QString& x1, const QString& x2, const QString& y1,
                                  const QString& y2);

// The sign-and-value text of a coefficient after the x: "+3,0" or "-2,0"
// with the pattern "####0.0##"; zero shows as "+0,0".
QString coefficientText(double value);
