#include "canvas/canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QPainter::CompositionMode compositionFor(Canvas::DrawMode mode) {
  switch (mode) {
    case Canvas::DrawMode::Invert:
      return QPainter::RasterOp_NotDestination;
    case Canvas::DrawMode::MaskPen:
      return QPainter::RasterOp_SourceAndDestination;
    case Canvas::DrawMode::Copy:
      break;
  }
  return QPainter::CompositionMode_SourceOver;
}

// Sets up a painter for one drawing operation. Antialiasing stays off so that
// lines land on exact pixels and the raster operations see whole pixels.
void preparePainter(QPainter& painter, const QColor& color, int width, Canvas::LineStyle style,
                    Canvas::DrawMode mode) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(compositionFor(mode));
  QPen pen(color);
  pen.setWidth(width);
  // Square caps make a solid line include both end points, so joined graph
  // segments meet without gaps; flat caps keep thick dots from growing into dashes.
  if (style == Canvas::LineStyle::Dotted) {
    pen.setStyle(Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(Qt::SquareCap);
  }
  pen.setJoinStyle(Qt::MiterJoin);  // full square box corners at widths 2 and 3
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
}

// Liang-Barsky clipping to the image plus a margin for wide pens; nullopt
// when nothing of the line is inside or a coordinate is not finite.
std::optional<QLineF> clipped(const QLineF& line, double width, double height) {
  constexpr double kMargin = 8;
  double x1 = line.x1(), y1 = line.y1(), dx = line.dx(), dy = line.dy();
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(dx) || !std::isfinite(dy)) {
    return std::nullopt;
  }
  double t0 = 0, t1 = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {x1 + kMargin, width + kMargin - x1, y1 + kMargin, height + kMargin - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  return QLineF(x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  QFont font("Arial");
  font.setPointSizeF(8.4);
  font_ = font;
  clear();
}

void Canvas::resize(int width, int height) {
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  clear();
}

void Canvas::clear() {
  image_.fill(backColor_);
  if (picture_.isNull()) return;
  QPainter painter(&image_);
  painter.drawImage(QPointF(0, 0), picture_);
}

void Canvas::setBackColor(const QColor& color) {
  backColor_ = color;
  clear();
}

void Canvas::setPicture(const QImage& picture) {
  picture_ = picture;
  clear();
}

void Canvas::setDrawWidth(int width) {
  drawWidth_ = std::clamp(width, 1, 3);
}

void Canvas::line(double x1, double y1, double x2, double y2) {
  lines({QLineF(x1, y1, x2, y2)});
}

void Canvas::lines(const QList<QLineF>& lines) {
  if (lines.isEmpty()) return;
  QPainter painter(&image_);
  preparePainter(painter, foreColor_, drawWidth_, lineStyle_, drawMode_);
  for (const QLineF& line : lines) {
    if (std::optional<QLineF> inside = clipped(line, width(), height())) {
      painter.drawLine(QPointF(inside->x1(), pixelRow(inside->y1())),
                       QPointF(inside->x2(), pixelRow(inside->y2())));
    }
  }
}

void Canvas::box(double x1, double y1, double x2, double y2) {
  QPainter painter(&image_);
  preparePainter(painter, foreColor_, drawWidth_, lineStyle_, drawMode_);
  // One closed outline rather than four lines: in Invert mode the corners
  // would otherwise be inverted twice and vanish.
  painter.drawRect(QRectF(QPointF(x1, pixelRow(y1)), QPointF(x2, pixelRow(y2))).normalized());
}

void Canvas::circle(double x, double y, double radius) {
  QPainter painter(&image_);
  preparePainter(painter, foreColor_, drawWidth_, lineStyle_, drawMode_);
  painter.drawEllipse(QPointF(x, pixelRow(y)), radius, radius);
}

// Metrics are taken for the image so they match the resolution text is drawn at.
double Canvas::textWidth(const QString& text) const {
  return QFontMetricsF(font_, &image_).horizontalAdvance(text);
}

double Canvas::textHeight(const QString& /*text*/) const {
  return QFontMetricsF(font_, &image_).height();
}

void Canvas::print(const QString& text) {
  {
    QPainter painter(&image_);
    painter.setCompositionMode(compositionFor(drawMode_));
    painter.setFont(font_);
    painter.setPen(foreColor_);
    const double ascent = QFontMetricsF(font_, &image_).ascent();
    painter.drawText(QPointF(currentX_, pixelRow(currentY_) + ascent), text);
  }
  currentY_ -= textHeight(text);
}

QRgb Canvas::pixel(int x, int y) const {
  const int row = height() - y;
  if (x < 0 || x >= width() || row < 0 || row >= height()) return 0;
  return image_.pixel(x, row);
}
