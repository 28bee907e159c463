#include "plot/coordinate_system.h"

#include <cmath>
#include <functional>

#include "canvas/canvas.h"
#include "engine/number_text.h"

namespace {

// Ticks closer than this many pixels are left out: they would fill the axis
// solid and, far below a pixel, take seconds to draw.
constexpr double kMinTickPixels = 1.0;

// Calls `step` for tic, 2 tic, ... up to `max`, then -tic, -2 tic, ... down to
// `min`: never at 0. With `decimals` >= 0 each value is first rounded to that
// many decimals, and the next value grows from the rounded one.
void forEachTick(double tic, double min, double max, int decimals,
                 const std::function<void(double)>& step) {
  auto round = [&](double v) { return decimals >= 0 ? roundHalfEven(v, decimals) : v; };
  for (double direction : {1.0, -1.0}) {
    double value = direction * tic;
    while (direction > 0 ? value <= max : value >= min) {
      double rounded = round(value);
      step(rounded);
      double next = rounded + direction * tic;
      // Rounding may swallow a step that is finer than the label decimals.
      if (direction > 0 ? next <= rounded : next >= rounded) break;
      value = next;
    }
  }
}

}  // namespace

PixelFrame Koordinatensystem_zeichnen(Canvas& canvas, const ViewWindow& view,
                                      const Appearance& appearance) {
  // Clearing keeps a pasted background picture; the system is drawn over it.
  canvas.setBackColor(appearance.palette[kHintergrund]);
  canvas.setDrawWidth(1);
  canvas.setDrawMode(Canvas::DrawMode::Copy);
  canvas.setLineStyle(Canvas::LineStyle::Solid);
  PixelFrame f = computePixelFrame(view, canvas.width(), canvas.height());
  const bool xTicks = view.xtic * f.massX >= kMinTickPixels;
  const bool yTicks = view.ytic * f.massY >= kMinTickPixels;

  if (appearance.grid) {
    canvas.setForeColor(appearance.gridColor);
    canvas.setLineStyle(appearance.gridDotted ? Canvas::LineStyle::Dotted
                                              : Canvas::LineStyle::Solid);
    if (xTicks) {
      forEachTick(view.xtic, view.xmin, view.xmax, -1, [&](double x) {
        double px = (x - view.xmin) * f.massX + f.pixLinks;
        canvas.line(px, f.pixUnten, px, f.pixOben);
      });
    }
    if (yTicks) {
      forEachTick(view.ytic, view.ymin, view.ymax, -1, [&](double y) {
        double py = (y - view.ymin) * f.massY + f.pixUnten;
        canvas.line(f.pixLinks, py, f.pixRechts, py);
      });
    }
    canvas.setLineStyle(Canvas::LineStyle::Solid);
  }

  const double w = f.pixBreite, h = f.pixHoehe, nx = f.nullX, ny = f.nullY;
  canvas.setForeColor(appearance.palette[kAchsen]);
  canvas.line(0, ny, w, ny);
  canvas.line(w, ny, w - 10, ny + 3);
  canvas.line(w, ny, w - 10, ny - 3);
  canvas.line(w - 10, ny - 10, w - 15, ny - 18);  // the letter x
  canvas.line(w - 15, ny - 10, w - 10, ny - 18);
  canvas.line(nx, 0, nx, h);
  canvas.line(nx, h, nx - 3, h - 10);
  canvas.line(nx, h, nx + 3, h - 10);
  canvas.line(nx - 10, h - 5, nx - 18, h - 20);  // the letter y
  canvas.line(nx - 15, h - 5, nx - 14, h - 12);

  canvas.setForeColor(appearance.palette[kMassstab]);
  if (xTicks) {
    forEachTick(view.xtic, view.xmin, view.xmax, f.stellenX, [&](double x) {
      double px = (x - view.xmin) * f.massX + f.pixLinks;
      canvas.line(px, ny - 3, px, ny + 3);
      QString label = numberText(x);
      canvas.setCurrentX(px - canvas.textWidth(label) / 2);
      canvas.setCurrentY(ny - 5);
      canvas.print(label);
    });
  }
  if (yTicks) {
    forEachTick(view.ytic, view.ymin, view.ymax, f.stellenY, [&](double y) {
      double py = (y - view.ymin) * f.massY + f.pixUnten;
      canvas.line(nx - 3, py, nx + 3, py);
      QString label = numberText(y);
      canvas.setCurrentX(nx - canvas.textWidth(label) - 7);
      canvas.setCurrentY(py + canvas.textHeight(label) / 2);
      canvas.print(label);
    });
  }
  return f;
}
