#include "ode/osculating_curve.h"

#include <cmath>

#include "engine/engine.h"
#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

constexpr int kSteps = 500;

}  // namespace

std::optional<float> secondDerivativeAt(Engine& engine, const QString& f, const QString& xText,
                                        const QString& yText, const QString& slopeText) {
  auto subst = [&](const QString& term, const char* name, const QString& value) {
    return engine.request(QStringLiteral("SUBST(") + term + QLatin1Char(',') + QLatin1String(name) +
                          QLatin1Char(',') + komma2point(value) + QLatin1Char(')'));
  };
  QString a1 = subst(komma2point(f), "x", xText);
  QString a2 = subst(a1, "y", yText);
  QString a3 = subst(a2, "ystr", slopeText);
  QString a4 = engine.request(QStringLiteral("APPROX(") + a3 + QLatin1Char(')'));
  if (std::optional<float> value = parseSingle(point2komma(a4))) return value;
  return std::nullopt;
}

OdeDrawing osculatingCurve(Engine& engine, const QString& f, float x0, float y0,
                           const QString& slope0Text, const ViewWindow& view,
                           const PixelFrame& frame) {
  OdeDrawing drawing;
  float x = x0, y = y0;
  float slope = parseSingle(slope0Text).value_or(0);
  QString slopeText = slope0Text;  // as typed in the first step
  const float h = (view.xmax - x) / kSteps;
  // The step count guards against an h too small to move x in single precision.
  while (x < view.xmax && drawing.steps <= 2 * kSteps) {
    std::optional<float> y2 =
        secondDerivativeAt(engine, f, numberText(x), numberText(y), slopeText);
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
    drawing.lines.append(QLineF(frame.point(x, y, view), frame.point(xn, yn, view)));
    ++drawing.steps;
    x = xn;
    y = yn;
    slopeText = numberText(slope);
  }
  return drawing;
}
