#include "plot/mouse_gesture.h"

#include <cmath>

#include "canvas/canvas.h"
#include "engine/number_text.h"

namespace {

// Canvas positions of a gesture are whole pixels, a half rounded to even.
int whole(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

QPointF worldPoint(QPointF at, const ViewWindow& view, const PixelFrame& frame) {
  float worldX = static_cast<float>(view.xmin + (at.x() - frame.pixLinks) / frame.massX);
  float worldY = static_cast<float>(view.ymin + (at.y() - frame.pixUnten) / frame.massY);
  return QPointF(worldX, worldY);
}

std::pair<QString, QString> coordinateTexts(QPointF at, const ViewWindow& view,
                                            const PixelFrame& frame) {
  QPointF world = worldPoint(at, view, frame);
  auto shown = [](double value, int decimals) {
    return numberText(roundHalfEven(value, decimals));
  };
  return {QStringLiteral("x = ") + shown(world.x(), frame.stellenX),
          QStringLiteral("y = ") + shown(world.y(), frame.stellenY)};
}

GestureStep MouseGesture::press(const GestureModes& modes, QPointF at, Canvas& canvas,
                                const ViewTexts& texts, const ViewWindow& view,
                                const PixelFrame& frame) {
  GestureStep step;
  auto begin = [&] {
    startX = endX = whole(at.x());
    startY = endY = whole(at.y());
  };
  if (modes.zoom) {
    canvas.setLineStyle(Canvas::LineStyle::Dotted);
    step.cursor = GestureCursor::Zoom;
    begin();
    ViewTexts changed = texts;
    zoomOldXmin_ = texts[0];
    zoomOldYmax_ = texts[3];
    QPointF corner = worldPoint(QPointF(startX, startY), view, frame);
    changed[0] = numberText(static_cast<float>(corner.x()));
    changed[3] = numberText(static_cast<float>(corner.y()));
    step.viewTexts = changed;
  }
  if (modes.point) {
    canvas.setLineStyle(Canvas::LineStyle::Dotted);
    step.cursor = GestureCursor::Point;
    begin();
  }
  if (modes.line) {
    step.cursor = GestureCursor::Point;
    canvas.setDrawWidth(1);
    begin();
  }
  return step;
}

void MouseGesture::move(const GestureModes& modes, bool leftOnly, QPointF at, Canvas& canvas) {
  const int x = whole(at.x()), y = whole(at.y());
  auto rubberBand = [&](void (Canvas::*draw)(double, double, double, double)) {
    canvas.setDrawMode(Canvas::DrawMode::Invert);
    (canvas.*draw)(startX, startY, endX, endY);
    (canvas.*draw)(startX, startY, x, y);
    endX = x;
    endY = y;
  };
  if (modes.zoom && leftOnly) rubberBand(&Canvas::box);
  if (modes.line && leftOnly) rubberBand(&Canvas::line);
}

GestureStep MouseGesture::release(const GestureModes& modes, QPointF at, Canvas& canvas,
                                  const ViewTexts& texts, const ViewWindow& view,
                                  const PixelFrame& frame, const ShowView& showView) {
  GestureStep step;
  if (modes.zoom) {
    ViewTexts changed = texts;
    if (endX == startX || endY == startY) {
      // An empty rectangle: the old view stays, and so does zoom mode.
      canvas.box(startX, startY, endX, endY);  // still inverting: removes the band
      canvas.setDrawMode(Canvas::DrawMode::Copy);
      changed[0] = zoomOldXmin_;
      changed[3] = zoomOldYmax_;
      showView(changed, false);
    } else {
      QPointF corner = worldPoint(QPointF(endX, endY), view, frame);
      changed[1] = numberText(static_cast<float>(corner.x()));
      changed[2] = numberText(static_cast<float>(corner.y()));
      canvas.setDrawMode(Canvas::DrawMode::Copy);
      showView(changed, true);
      step.cursor = GestureCursor::Cross;
      step.finished.zoom = true;
    }
  }
  if (modes.point) {
    canvas.setDrawWidth(3);
    canvas.setForeColor(Qt::black);
    canvas.circle(at.x(), at.y(), 3);
    step.cursor = GestureCursor::Cross;
    step.finished.point = true;
  }
  if (modes.line) {
    step.cursor = GestureCursor::Cross;
    canvas.setDrawMode(Canvas::DrawMode::Copy);
    step.finished.line = true;
  }
  return step;
}
