#include "ode/slope_field.h"

#include <cmath>

#include "engine/number_text.h"

namespace {

QString noSlopeAt(const QString& x, const QString& y) {
  return QStringLiteral("Die Steigung lässt sich im Punkt (%1; %2) nicht berechnen!").arg(x, y);
}

// One way of the Euler curve: from (x0, y0) in steps of h while `go` holds.
template <typename Go>
bool eulerWay(Engine& engine, const EngineTerm& f, float x0, const QString& y0Text, float h, Go go,
              OdeDrawing& drawing) {
  float x = x0;
  float y = parseSingle(y0Text).value_or(0);
  QString yText = y0Text;  // the start value as typed, then the computed values
  while (go(x)) {
    std::optional<double> m =
        slopeAt(engine, f, EngineTerm::number(x), EngineTerm::fromUser(yText));
    if (!m) {
      drawing.failure = noSlopeAt(numberText(x), yText);
      return false;
    }
    float xNext = x + h;
    float yNext = static_cast<float>(y + *m * h);
    drawing.lines.append(QLineF(x, y, xNext, yNext));
    ++drawing.steps;
    x = xNext;
    y = yNext;
    yText = numberText(y);
  }
  return true;
}

}  // namespace

std::optional<double> slopeAt(Engine& engine, const EngineTerm& f, const EngineTerm& x,
                              const EngineTerm& y) {
  const EngineTerm atX = substituteSpaced(engine, f, "x", x);
  const EngineTerm atXY = substituteSpaced(engine, atX, "y", y);
  return approximateNumber(engine, atXY);
}

OdeDrawing slopeField(Engine& engine, const EngineTerm& f, const WorldWindow& window) {
  OdeDrawing drawing;
  const double x0 = window.xmin + window.xtic, x1 = window.xmax - window.xtic;
  const double y0 = window.ymin + window.ytic, y1 = window.ymax - window.ytic;
  // A window narrower than two ticks gives no marks: the bounds cross.
  const double columns = std::floor(x1 - x0) + 1, rows = std::floor(y1 - y0) + 1;
  if (columns > 0 && rows > 0 && columns * rows > kMaxMarks) {
    drawing.failure =
        QStringLiteral("Der Ausschnitt ist für das Isoklinenfeld zu groß (mehr als %1 Marken)!")
            .arg(kMaxMarks);
    return drawing;
  }
  for (double x = x0; x <= x1; x += 1.0) {
    for (double y = y0; y <= y1; y += 1.0) {
      std::optional<double> m = slopeAt(engine, f, EngineTerm::number(x), EngineTerm::number(y));
      if (!m) {
        drawing.failure = noSlopeAt(numberText(x), numberText(y));
        return drawing;
      }
      // Half a unit to each side along the slope: every mark is one unit long.
      double dx = 0.5 / std::sqrt(1 + *m * *m), dy = dx * *m;
      drawing.lines.append(QLineF(x - dx, y - dy, x + dx, y + dy));
      ++drawing.steps;
    }
  }
  return drawing;
}

OdeDrawing eulerCurve(Engine& engine, const EngineTerm& f, float x0, const QString& y0Text,
                      const WorldWindow& window) {
  OdeDrawing drawing;
  const float h = window.xtic / 50;
  const double forward = std::max(0.0, static_cast<double>(window.xmax - x0) / h);
  const double backward = std::max(0.0, static_cast<double>(x0 - window.xmin) / h);
  if (!(h > 0) || forward + backward > kMaxEulerSteps) {
    drawing.failure = QStringLiteral(
        "Die Lösungskurve bräuchte zu viele Schritte; wählen Sie ein größeres x-tic!");
    return drawing;
  }
  if (!eulerWay(
          engine, f, x0, y0Text, h, [&](float x) { return x < window.xmax; }, drawing)) {
    return drawing;
  }
  eulerWay(
      engine, f, x0, y0Text, -h, [&](float x) { return x > window.xmin; }, drawing);
  return drawing;
}
