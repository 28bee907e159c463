#pragma once
// The natural cubic spline through a value table: second derivatives zero at
// both ends, each interval a cubic a x^3 + b x^2 + c x + d.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct SplinePiece {
  std::array<double, 4> coefficients;  // of x^3, x^2, x^1, x^0
  std::array<QString, 4> shown;        // as the coefficient table shows them
  QString term;                        // ((a*x±b)*x±c)*x±d from the shown values
};

// The points' texts in the order the pieces follow. nullopt for a text that
// is no number, two equal neighbouring x values or a zero pivot. Two points
// give the straight line through them.
std::optional<std::vector<SplinePiece>> naturalSpline(const QStringList& xs, const QStringList& ys);
