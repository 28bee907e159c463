#pragma once
// The first three derivatives of a term, formed by the engine.

#include <QString>

class Engine;

struct Derivatives {
  QString first, second, third;  // as the engine answers them
};

// Each derivative is asked of f itself: diff(f,x), diff(f,x,2), diff(f,x,3).
// `f` is sent unchanged, so it must already be in engine notation.
Derivatives formDerivatives(Engine& engine, const QString& f);
