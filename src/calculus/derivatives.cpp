#include "calculus/derivatives.h"

Derivatives formDerivatives(Engine& engine, const EngineTerm& f) {
  return {derivative(engine, f, 1), derivative(engine, f, 2), derivative(engine, f, 3)};
}
