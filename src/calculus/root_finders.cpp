#include "calculus/root_finders.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace {

// The plain loop only ends once |f| < 1e-05, which single-precision trial
// points cannot reach at a steep zero, a pole or a jump. These bounds end it
// anyway; the values at the bracket ends then tell a zero from the rest.
constexpr int kMaxFalsiPasses = 1000;
constexpr double kFalsiTolerance = 0.00001;
// At a zero the end values shrink as the bracket narrows; at a pole they grow
// and at a jump they keep their size. A tenth of the start leaves a wide
// margin both ways.
constexpr float kZeroShrinkFactor = 0.1f;

// Every pass cuts at least a quarter of the bracket, so 200 passes narrow any
// bracket that double precision can resolve to 0.001.
constexpr int kMaxMinimumPasses = 200;
constexpr double kMinimumWidth = 0.001;

double valueForMinimum(Engine& engine, const EngineTerm& term, double x) {
  return leadingNumber(valueAnswer(engine, term, EngineTerm::number(x)));
}

}  // namespace

std::optional<float> regulaFalsi(Engine& engine, const EngineTerm& fktTerm, float& x1, float& y1,
                                 float& x2, float& y2) {
  const float startSize = std::min(std::fabs(y1), std::fabs(y2));
  float xs = x1;
  for (int pass = 0; pass < kMaxFalsiPasses; ++pass) {
    const double x1d = x1, y1d = y1;
    xs = static_cast<float>(x1d - y1d * (double(x2) - x1d) / (double(y2) - y1d));
    if (!std::isfinite(xs)) break;  // y1 == y2: no secant meets the axis

    const std::optional<double> ys = Funktionswert(engine, fktTerm, xs).value;
    if (!ys) return std::nullopt;
    // A trial point on an end would come back in every further pass. It is
    // still evaluated, as the caller's end value may already be a zero.
    const bool stuck = xs == x1 || xs == x2;
    if (y1 * *ys < 0) {
      x2 = xs;
      y2 = static_cast<float>(*ys);
    } else {
      x1 = xs;
      y1 = static_cast<float>(*ys);
    }
    if (std::fabs(*ys) < kFalsiTolerance) return xs;
    if (stuck) break;
  }
  if (std::min(std::fabs(y1), std::fabs(y2)) < kZeroShrinkFactor * startSize) return xs;
  return std::nullopt;
}

double Tiefpunkt(Engine& engine, const EngineTerm& term, double& xa, double& xm, double& xb) {
  for (int pass = 0; pass < kMaxMinimumPasses; ++pass) {
    const double width = xb - xa;
    const double xn = (xb - xm) < (xm - xa) ? (xa + xm) / 2 : (xm + xb) / 2;
    const double ym = valueForMinimum(engine, term, xm);
    const double yn = valueForMinimum(engine, term, xn);
    if (ym > yn) {
      if (xn > xm) {
        xa = xm;
      } else {
        xb = xm;
      }
      xm = xn;
    } else if (xn > xm) {
      xb = xn;
    } else {
      xa = xn;
    }
    const double newWidth = xb - xa;
    if (newWidth < kMinimumWidth) return xm;
    // Infinite or NaN ends, or points too close for double precision to split.
    if (!(newWidth < width)) break;
  }
  return xm;
}
