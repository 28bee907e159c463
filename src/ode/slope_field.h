#pragma once
// First-order equations y' = f(x, y): the slope field ("Isoklinenfeld") and
// a solution curve by the explicit Euler method, in world coordinates.

#include <QLineF>
#include <QList>
#include <QString>
#include <optional>

#include "engine/requests.h"
#include "plot/drawing.h"

// What was computed before a failure is kept: the lines up to the point where
// a value could not be had, and the German message saying where.
struct OdeDrawing {
  QList<QLineF> lines;
  QString failure;
  int steps = 0;  // Euler or circle steps taken
};

// The slope f(x, y) by three requests: SUBST(f, x, ...), SUBST(that, y, ...),
// APPROX(that).
std::optional<double> slopeAt(Engine& engine, const EngineTerm& f, const EngineTerm& x,
                              const EngineTerm& y);

// One mark of one world unit with the slope at each point of a grid that
// starts one tick inside the window and steps one unit in x and in y.
OdeDrawing slopeField(Engine& engine, const EngineTerm& f, const WorldWindow& window);

// The Euler curve through (x0, y0) with h = x-tic/50, forward to xmax and
// backward to xmin. `y0Text` is used as typed in the first step of each way.
OdeDrawing eulerCurve(Engine& engine, const EngineTerm& f, float x0, const QString& y0Text,
                      const WorldWindow& window);

// More marks or steps than this are refused before any request is sent.
inline constexpr int kMaxMarks = 10000;
inline constexpr int kMaxEulerSteps = 20000;
