#pragma once
// The natural cubic spline through a value table: second derivatives zero at
// both ends, each interval a cubic a x^3 + b x^2 + c x + d.

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class Engine;

struct SplinePiece {
  std::array<double, 4> coefficients;  // of x^3, x^2, x^1, x^0
  std::array<QString, 4> shown;        // as the coefficient table shows them
  QString term;                        // ((a*x±b)*x±c)*x±d from the shown values
};

// The points' texts in the order the pieces follow. nullopt for a text that
// is no number, two equal neighbouring x values or a zero pivot. Two points
// give the straight line through them.
std::optional<std::vector<SplinePiece>> naturalSpline(const QStringList& xs, const QStringList& ys);

// The pieces each on its own interval only, as world polylines: piece k
// from points[k].x() to points[k + 1].x(), about a hundred samples that start
// at the piece's value there; a sample without value ends the piece. They are
// drawn joined while within `kSplineBand` pixels of the plot area. A piece
// without value at its start, or with an empty interval, stops the curve
// there with `failure`; the pieces before it are kept.
inline constexpr float kSplineBand = 500;
struct SplineCurve {
  QList<QPolygonF> polylines;
  QString failure;  // empty when every piece was sampled
};

SplineCurve splineCurve(Engine& engine, const QStringList& pieceTerms,
                        const std::vector<QPointF>& points);
