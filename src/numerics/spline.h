#pragma once
// The natural cubic spline through a value table: second derivatives zero at
// both ends, each interval a cubic a x^3 + b x^2 + c x + d.

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "plot/view_window.h"

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

// The pieces drawn each on its own interval only, as canvas segments: piece
// k from points[k].x() to points[k + 1].x(). A piece without value at its
// start, or with an empty interval, stops the drawing there with `failure`;
// the segments of the pieces before it are kept.
struct SplineCurve {
  QList<QLineF> segments;
  QString failure;  // empty when every piece was sampled
};

SplineCurve splineCurve(Engine& engine, const QStringList& pieceTerms,
                        const std::vector<QPointF>& points, const ViewWindow& view,
                        const PixelFrame& frame);
