#pragma once
// The integral calculators' work: the engine's antiderivative and definite
// integral, the intersections of two curves and the hatch lines of an area.

#include <QLineF>
#include <QList>
#include <QString>
#include <variant>

#include "engine/requests.h"

// The engine's answer to INT(<integrand>,x) with " + C" appended; a failure
// ("Fehler: keine elementare Stammfunktion") is shown as it is.
QString antiderivative(Engine& engine, const EngineTerm& integrand);

// INT(term,x,lower,upper), then approx of that answer, as the engine gives it.
QString definiteIntegral(Engine& engine, const EngineTerm& term, const EngineTerm& lower,
                         const EngineTerm& upper);

struct Intersections {
  QList<float> xs;  // at most three, in increasing x; a fourth is not searched for
  QString failure;  // set when the difference could not be computed somewhere
};

// Scans d = A - B in 101 steps over [xmin, xmax] for sign changes and refines
// each with regula falsi. A crossing exactly on a scan point is not counted.
Intersections findIntersections(Engine& engine, const EngineTerm& difference, float xmin,
                                float xmax);

// Vertical hatch lines `step` apart from `lower` up to `upper` (both in x),
// from the x axis to the curve, or from curve B to curve A, in world
// coordinates; the window's x-tic/19 is the step the page uses. A message
// instead when a value cannot be computed.
using HatchLines = std::variant<QList<QLineF>, QString>;
HatchLines hatchToAxis(Engine& engine, const EngineTerm& term, double lower, double upper,
                       double step);
// Between two curves the lines run a thirtieth of x-tic (`overshoot`) past the
// upper limit, so that the last one is not lost to rounding.
HatchLines hatchBetween(Engine& engine, const EngineTerm& a, const EngineTerm& b, double lower,
                        double upper, double step, double overshoot);
