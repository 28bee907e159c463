#include "calculus/integration.h"

#include <cmath>

#include "calculus/root_finders.h"
#include "engine/number_text.h"

namespace {

// Enough for any sensible window; a limit typed far outside it cannot make
// the hatching run for minutes.
constexpr int kMaxHatchLines = 20000;

QString noValueAt(double x) {
  return QStringLiteral("Die Funktion lässt sich an der Stelle x = %1 nicht berechnen!")
      .arg(numberText(x));
}

// x from `lower` while x <= `end`, in steps of `step`.
template <typename Line>
HatchLines hatch(double lower, double end, double step, Line line) {
  QList<QLineF> lines;
  int count = 0;
  for (double x = lower; x <= end && count < kMaxHatchLines; x += step, ++count) {
    std::optional<QLineF> drawn = line(x);
    if (!drawn) return noValueAt(x);
    lines.append(*drawn);
  }
  return lines;
}

// Curve values are drawn in single precision.
std::optional<float> valueAt(Engine& engine, const EngineTerm& term, double x) {
  std::optional<double> value = Funktionswert(engine, term, x).value;
  if (!value) return std::nullopt;
  return static_cast<float>(*value);
}

}  // namespace

QString antiderivative(Engine& engine, const EngineTerm& integrand) {
  const QString answer = antiderivativeAnswer(engine, integrand);
  if (answer.startsWith(QStringLiteral("Fehler: "))) return answer;
  return answer + QStringLiteral(" + C");
}

QString definiteIntegral(Engine& engine, const EngineTerm& term, const EngineTerm& lower,
                         const EngineTerm& upper) {
  return definiteIntegralAnswer(engine, term, lower, upper);
}

Intersections findIntersections(Engine& engine, const EngineTerm& difference, float xmin,
                                float xmax) {
  Intersections result;
  const float dx = (xmax - xmin) / 101;
  int steps = 0;
  for (float x = xmin; x <= xmax && steps <= 102; x += dx, ++steps) {
    float x1 = x, x2 = x1 + dx;
    std::optional<double> v1 = Funktionswert(engine, difference, x1).value;
    std::optional<double> v2 = Funktionswert(engine, difference, x2).value;
    if (!v1 || !v2) {
      result.failure = noValueAt(v1 ? x2 : x1);
      return result;
    }
    float y1 = static_cast<float>(*v1), y2 = static_cast<float>(*v2);
    if (!(y1 * y2 < 0)) continue;
    // A pole or jump of the difference is no crossing.
    if (std::optional<float> xs = regulaFalsi(engine, difference, x1, y1, x2, y2)) {
      result.xs.append(*xs);
      if (result.xs.size() == 3) break;
    }
  }
  return result;
}

HatchLines hatchToAxis(Engine& engine, const EngineTerm& term, double lower, double upper,
                       double step) {
  return hatch(lower, upper, step, [&](double x) -> std::optional<QLineF> {
    std::optional<float> y = valueAt(engine, term, x);
    if (!y) return std::nullopt;
    return QLineF(x, 0, x, *y);
  });
}

HatchLines hatchBetween(Engine& engine, const EngineTerm& a, const EngineTerm& b, double lower,
                        double upper, double step, double overshoot) {
  return hatch(lower, upper + overshoot, step, [&](double x) -> std::optional<QLineF> {
    std::optional<float> yb = valueAt(engine, b, x);
    std::optional<float> ya = valueAt(engine, a, x);
    if (!yb || !ya) return std::nullopt;
    return QLineF(x, *yb, x, *ya);
  });
}
