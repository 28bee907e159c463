#include "calculus/integration.h"

#include <cmath>

#include "calculus/root_finders.h"
#include "engine/engine.h"
#include "engine/funktionswert.h"
#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

// Enough for any sensible window; a limit typed far outside it cannot make
// the hatching run for minutes.
constexpr int kMaxHatchLines = 20000;

QString noValueAt(double x) {
  return QStringLiteral("Die Funktion lässt sich an der Stelle x = %1 nicht berechnen!")
      .arg(numberText(x));
}

// x from `lower` while x <= `end`, in steps of xtic/19.
template <typename Line>
HatchLines hatch(double lower, double end, const ViewWindow& view, Line line) {
  QList<QLineF> lines;
  const double step = view.xtic / 19.0;
  int count = 0;
  for (double x = lower; x <= end && count < kMaxHatchLines; x += step, ++count) {
    std::optional<QLineF> drawn = line(x);
    if (!drawn) return noValueAt(x);
    lines.append(*drawn);
  }
  return lines;
}

std::optional<float> valueAt(Engine& engine, const QString& term, double x) {
  std::optional<double> value = Funktionswert(engine, term, x);
  if (!value) return std::nullopt;
  return static_cast<float>(*value);
}

}  // namespace

QString antiderivative(Engine& engine, const QString& integrand) {
  const QString answer = engine.request(QStringLiteral("INT(") + integrand + QStringLiteral(",x)"));
  if (answer.startsWith(QStringLiteral("Fehler: "))) return answer;
  return answer + QStringLiteral(" + C");
}

QString definiteIntegral(Engine& engine, const QString& term, const QString& lowerText,
                         const QString& upperText) {
  QString integral = engine.request(
      QStringLiteral("INT(") + komma2point(term) + QStringLiteral(",x,") + komma2point(lowerText) +
      QStringLiteral(",") + komma2point(upperText) + QStringLiteral(")"));
  return engine.request(QStringLiteral("approx(") + integral + QStringLiteral(")"));
}

Intersections findIntersections(Engine& engine, const QString& difference, float xmin, float xmax) {
  Intersections result;
  const float dx = (xmax - xmin) / 101;
  int steps = 0;
  for (float x = xmin; x <= xmax && steps <= 102; x += dx, ++steps) {
    float x1 = x, x2 = x1 + dx;
    std::optional<double> v1 = Funktionswert(engine, difference, x1);
    std::optional<double> v2 = Funktionswert(engine, difference, x2);
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

HatchLines hatchToAxis(Engine& engine, const QString& term, double lower, double upper,
                       const ViewWindow& view, const PixelFrame& frame) {
  return hatch(lower, upper, view, [&](double x) -> std::optional<QLineF> {
    std::optional<float> y = valueAt(engine, term, x);
    if (!y) return std::nullopt;
    double px = frame.pixLinks + (x - view.xmin) * frame.massX;
    return QLineF(px, frame.nullY, px, frame.pixUnten + (*y - view.ymin) * frame.massY);
  });
}

HatchLines hatchBetween(Engine& engine, const QString& a, const QString& b, double lower,
                        double upper, const ViewWindow& view, const PixelFrame& frame) {
  // The loop runs a thirtieth of a tick past the upper limit, so the last
  // line is not lost to rounding.
  return hatch(lower, upper + view.xtic / 30.0, view, [&](double x) -> std::optional<QLineF> {
    std::optional<float> yb = valueAt(engine, b, x);
    std::optional<float> ya = valueAt(engine, a, x);
    if (!yb || !ya) return std::nullopt;
    double px = frame.pixLinks + (x - view.xmin) * frame.massX;
    return QLineF(px, frame.pixUnten + (*yb - view.ymin) * frame.massY, px,
                  frame.pixUnten + (*ya - view.ymin) * frame.massY);
  });
}
