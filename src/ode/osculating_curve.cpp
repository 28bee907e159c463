#include "ode/osculating_curve.h"

#include <cmath>

#include "engine/number_text.h"

namespace {

constexpr int kSteps = 500;

}  // namespace

std::optional<float> secondDerivativeAt(Engine& engine, const EngineTerm& f, const EngineTerm& x,
                                        const EngineTerm& y, const EngineTerm& slope) {
  const EngineTerm atX = substitute(engine, f, "x", x);
  const EngineTerm atXY = substitute(engine, atX, "y", y);
  const EngineTerm atXYS = substitute(engine, atXY, "ystr", slope);
  return parseSingle(approximate(engine, atXYS));
}

OdeDrawing osculatingCurve(Engine& engine, const EngineTerm& f, float x0, float y0,
                           const QString& slope0Text, const WorldWindow& window) {
  OdeDrawing drawing;
  float x = x0, y = y0;
  float slope = parseSingle(slope0Text).value_or(0);
  EngineTerm slopeTerm = EngineTerm::fromUser(slope0Text);  // as typed in the first step
  const float h = (window.xmax - x) / kSteps;
  // The step count guards against an h too small to move x in single precision.
  while (x < window.xmax && drawing.steps <= 2 * kSteps) {
    std::optional<float> y2 =
        secondDerivativeAt(engine, f, EngineTerm::number(x), EngineTerm::number(y), slopeTerm);
    if (!y2) {
      drawing.failure = QStringLiteral("y'' lässt sich im Punkt (%1; %2) nicht berechnen!")
                            .arg(numberText(x), numberText(y));
      return drawing;
    }
    float xn = x + h, yn;
    if (*y2 == 0) {
      // No curvature: a straight step along the tangent, slope unchanged.
      yn = static_cast<float>(y + static_cast<double>(slope) * h);
    } else {
      double lift = 1 + static_cast<double>(slope) * slope;
      float r = static_cast<float>(std::fabs(std::pow(lift, 1.5) / *y2));
      float xm = static_cast<float>(x - slope * lift / *y2);
      float ym = static_cast<float>(y + lift / *y2);
      double reach = static_cast<double>(r) * r - static_cast<double>(xn - xm) * (xn - xm);
      if (reach < 0) return drawing;  // the step would leave the circle: the curve ends
      // The centre lies above the point where the curve bends upwards.
      yn = static_cast<float>(*y2 > 0 ? ym - std::sqrt(reach) : ym + std::sqrt(reach));
      slope = -(xn - xm) / (yn - ym);
    }
    drawing.lines.append(QLineF(x, y, xn, yn));
    ++drawing.steps;
    x = xn;
    y = yn;
    slopeTerm = EngineTerm::number(slope);
  }
  return drawing;
}
