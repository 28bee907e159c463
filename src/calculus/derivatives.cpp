#include "calculus/derivatives.h"

#include "engine/engine.h"

Derivatives formDerivatives(Engine& engine, const QString& f) {
  Derivatives result;
  result.first = engine.request(QStringLiteral("diff(") + f + QStringLiteral(",x)"));
  result.second = engine.request(QStringLiteral("diff(") + f + QStringLiteral(",x,2)"));
  result.third = engine.request(QStringLiteral("diff(") + f + QStringLiteral(",x,3)"));
  return result;
}
