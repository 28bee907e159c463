#pragma once
// The first three derivatives of a term, formed by the engine.

#include "engine/requests.h"

struct Derivatives {
  EngineTerm first, second, third;  // as the engine answers them
};

// Each derivative is asked of f itself: diff(f,x), diff(f,x,2), diff(f,x,3).
Derivatives formDerivatives(Engine& engine, const EngineTerm& f);
