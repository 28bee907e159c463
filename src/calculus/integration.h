#pragma once
// The integral calculators' work: the engine's antiderivative and definite
// integral, the intersections of two curves and the hatch lines of an area.

#include <QLineF>
#include <QList>
#include <QString>
#include <variant>

#include "plot/view_window.h"

class Engine;

// The engine's answer to INT(<integrand>,x), the integrand sent as given,
// with " + C" appended; a failure ("Fehler: keine elementare Stammfunktion")
// is shown as it is.
QString antiderivative(Engine& engine, const QString& integrand);

// INT(term,x,lower,upper), then approx of that answer; the texts may carry a
// decimal comma. The approx answer as the engine gives it.
QString definiteIntegral(Engine& engine, const QString& term, const QString& lowerText,
                         const QString& upperText);

struct Intersections {
  QList<float> xs;  // at most three, in increasing x; a fourth is not searched for
  QString failure;  // set when the difference could not be computed somewhere
};

// Scans d = A - B in 101 steps over [xmin, xmax] for sign changes and refines
// each with regula falsi. A crossing exactly on a scan point is not counted.
Intersections findIntersections(Engine& engine, const QString& difference, float xmin, float xmax);

// Vertical hatch lines xtic/19 apart from `lower` up to `upper` (both in x),
// from the x axis to the curve, or from curve B to curve A, in canvas
// coordinates. A message instead when a value cannot be computed.
using HatchLines = std::variant<QList<QLineF>, QString>;
HatchLines hatchToAxis(Engine& engine, const QString& term, double lower, double upper,
                       const ViewWindow& view, const PixelFrame& frame);
HatchLines hatchBetween(Engine& engine, const QString& a, const QString& b, double lower,
                        double upper, const ViewWindow& view, const PixelFrame& frame);
