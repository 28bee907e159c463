#pragma once
// Second-order equations y'' = f(x, y, y'): the solution curve from x0 to
// xmax, each step along the osculating circle of the solution.

#include <QString>
#include <optional>

#include "ode/slope_field.h"

// y'' by four requests: f with x, then y, then ystr replaced, then APPROX.
std::optional<float> secondDerivativeAt(Engine& engine, const EngineTerm& f, const EngineTerm& x,
                                        const EngineTerm& y, const EngineTerm& slope);

// 500 steps of h = (xmax - x0)/500. `slope0Text` is y'(x0) as typed. Where
// y'' is 0 the step follows the tangent; where the next point would leave the
// circle's horizontal extent the curve ends.
OdeDrawing osculatingCurve(Engine& engine, const EngineTerm& f, float x0, float y0,
                           const QString& slope0Text, const WorldWindow& window);
