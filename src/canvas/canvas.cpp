#include "canvas/canvas.h"

#include "canvas/pixel_packing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

QPainter::CompositionMode compositionFor(Canvas::DrawMode mode, CanvasDevice device) {
  if (device == CanvasDevice::Vector) return QPainter::CompositionMode_SourceOver;
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

QColor penColor(const CanvasOperation& operation, CanvasDevice device) {
  if (device == CanvasDevice::Vector && operation.mode == Canvas::DrawMode::Invert) {
    return Qt::black;
  }
  return operation.color;
}

// Sets up a painter for one drawing operation. Without anti-aliasing lines
// land on exact pixels and the raster operations see whole pixels.
void preparePainter(QPainter& painter, const CanvasOperation& operation, CanvasDevice device) {
  painter.setRenderHint(QPainter::Antialiasing,
                        operation.smooth && operation.mode == Canvas::DrawMode::Copy);
  painter.setCompositionMode(compositionFor(operation.mode, device));
  QPen pen(penColor(operation, device));
  pen.setWidth(operation.width);
  // Square caps make a solid line include both end points, so joined graph
  // segments meet without gaps; flat caps keep thick dots from growing into dashes.
  if (operation.style == Canvas::LineStyle::Dotted) {
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

// The points of a polyline without those that lie within a fifth of a pixel
// of the chord through their neighbours kept: the same curve on screen,
// drawn at a fraction of the cost of smoothing every short segment.
QPolygonF simplified(const QPolygonF& points) {
  constexpr double kTolerance = 0.2;
  if (points.size() < 3) return points;
  std::vector<bool> keep(points.size(), false);
  keep.front() = keep.back() = true;
  std::vector<std::pair<qsizetype, qsizetype>> spans = {{0, points.size() - 1}};
  while (!spans.empty()) {
    auto [first, last] = spans.back();
    spans.pop_back();
    const QPointF a = points[first], b = points[last];
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    double farthest = 0;
    qsizetype index = -1;
    for (qsizetype i = first + 1; i < last; ++i) {
      const QPointF p = points[i];
      const double distance = length > 0
                                  ? std::fabs(dx * (a.y() - p.y()) - dy * (a.x() - p.x())) / length
                                  : std::hypot(p.x() - a.x(), p.y() - a.y());
      if (distance > farthest) {
        farthest = distance;
        index = i;
      }
    }
    if (index >= 0 && farthest > kTolerance) {
      keep[index] = true;
      spans.push_back({first, index});
      spans.push_back({index, last});
    }
  }
  QPolygonF result;
  for (qsizetype i = 0; i < points.size(); ++i) {
    if (keep[i]) result << points[i];
  }
  return result;
}

// Joined segments as polylines with round joins, so that a smoothed curve has
// no seams where its segments meet. A vector file gets each polyline whole,
// as a path that stays exact when the picture is enlarged.
void drawPolylines(QPainter& painter, const QList<QLineF>& lines, CanvasDevice device) {
  QPen pen = painter.pen();
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  QPolygonF polyline;
  auto flush = [&] {
    if (polyline.size() > 1 && device == CanvasDevice::Vector) {
      QPainterPath path;
      path.addPolygon(polyline);
      painter.drawPath(path);
    } else if (polyline.size() > 1) {
      painter.drawPolyline(simplified(polyline));
    }
    polyline.clear();
  };
  for (const QLineF& line : lines) {
    if (polyline.isEmpty() || polyline.last() != line.p1()) {
      flush();
      polyline << line.p1();
    }
    polyline << line.p2();
  }
  flush();
}

bool sameShape(const CanvasOperation& a, const CanvasOperation& b) {
  return a.kind == b.kind && a.mode == b.mode && a.width == b.width && a.style == b.style &&
         a.lines == b.lines && a.rect == b.rect && a.at == b.at && a.text == b.text &&
         a.font == b.font && a.filled == b.filled;
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

void paintOperation(QPainter& painter, const CanvasOperation& operation, CanvasDevice device) {
  painter.save();
  switch (operation.kind) {
    case CanvasOperation::Kind::Lines:
      preparePainter(painter, operation, device);
      if (painter.testRenderHint(QPainter::Antialiasing)) {
        drawPolylines(painter, operation.lines, device);
      } else {
        painter.drawLines(operation.lines);
      }
      break;
    case CanvasOperation::Kind::Box:
      preparePainter(painter, operation, device);
      painter.drawRect(operation.rect);
      break;
    case CanvasOperation::Kind::Circle:
      preparePainter(painter, operation, device);
      if (operation.filled) painter.setBrush(penColor(operation, device));
      painter.drawEllipse(operation.rect);
      break;
    case CanvasOperation::Kind::Text:
      painter.setCompositionMode(compositionFor(operation.mode, device));
      painter.setFont(operation.font);
      painter.setPen(penColor(operation, device));
      painter.drawText(operation.at, operation.text);
      break;
  }
  painter.restore();
}

void paintCanvas(QPainter& painter, const Canvas& canvas, CanvasDevice device) {
  painter.fillRect(QRectF(0, 0, canvas.width(), canvas.height()), canvas.backColor());
  if (!canvas.picture().isNull()) painter.drawImage(QPointF(0, 0), canvas.picture());
  // Point sizes are turned into pixels at the device's resolution: on a
  // printer, texts keep the size they have among the canvas' pixels.
  const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 0;
  const double fontScale = deviceDpi > 0 ? double(canvas.image().logicalDpiY()) / deviceDpi : 1.0;
  auto paint = [&](const CanvasOperation& operation) {
    if (operation.kind == CanvasOperation::Kind::Text && fontScale != 1 &&
        operation.font.pointSizeF() > 0) {
      CanvasOperation text = operation;
      text.font.setPointSizeF(operation.font.pointSizeF() * fontScale);
      paintOperation(painter, text, device);
    } else {
      paintOperation(painter, operation, device);
    }
  };
  // A vector device cannot AND a light hatching into what lies beneath it;
  // drawn first, beneath everything else, it looks the same: curves and
  // axes show through.
  const bool masksFirst = device == CanvasDevice::Vector;
  if (masksFirst) {
    for (const CanvasOperation& operation : canvas.operations()) {
      if (operation.mode == Canvas::DrawMode::MaskPen) paint(operation);
    }
  }
  for (const CanvasOperation& operation : canvas.operations()) {
    if (!masksFirst || operation.mode != Canvas::DrawMode::MaskPen) paint(operation);
  }
}

Canvas::Canvas(int width, int height) {
  QFont font("Arial");
  font.setPointSizeF(8.4);
  font_ = font;
  resize(width, height);
}

void Canvas::resize(int width, int height, double devicePixelRatio) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
  image_ = QImage(static_cast<int>(std::ceil(width_ * ratio)),
                  static_cast<int>(std::ceil(height_ * ratio)), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  clear();
}

void Canvas::clear() {
  operations_.clear();
  image_.fill(backColor_);
  if (picture_.isNull()) return;
  picture_.setDevicePixelRatio(devicePixelRatio());
  QPainter painter(&image_);
  painter.drawImage(QPointF(0, 0), picture_);
}

void Canvas::setBackColor(const QColor& color) {
  backColor_ = color;
  clear();
}

// The picture's pixels are screen pixels, as when it was copied from a canvas.
void Canvas::setPicture(const QImage& picture) {
  picture_ = picture;
  clear();
}

void Canvas::setDrawWidth(int width) {
  drawWidth_ = std::clamp(width, 1, 3);
}

CanvasOperation Canvas::withSettings(CanvasOperation::Kind kind) const {
  CanvasOperation operation;
  operation.kind = kind;
  operation.color = foreColor_;
  operation.width = drawWidth_;
  operation.style = lineStyle_;
  operation.mode = drawMode_;
  operation.smooth = smooth_;
  return operation;
}

void Canvas::draw(CanvasOperation operation) {
  {
    QPainter painter(&image_);
    paintOperation(painter, operation, CanvasDevice::Raster);
  }
  if (operation.mode == DrawMode::Invert) {
    // Inverting the same shape again restores the pixels: both drawings go.
    for (auto it = operations_.rbegin(); it != operations_.rend(); ++it) {
      if (sameShape(*it, operation)) {
        operations_.erase(std::next(it).base());
        return;
      }
    }
  }
  operations_.push_back(std::move(operation));
}

void Canvas::line(double x1, double y1, double x2, double y2) {
  lines({QLineF(x1, y1, x2, y2)});
}

void Canvas::lines(const QList<QLineF>& lines) {
  CanvasOperation operation = withSettings(CanvasOperation::Kind::Lines);
  operation.lines.reserve(lines.size());
  for (const QLineF& line : lines) {
    if (std::optional<QLineF> inside = clipped(line, width(), height())) {
      operation.lines.append(
          QLineF(inside->x1(), pixelRow(inside->y1()), inside->x2(), pixelRow(inside->y2())));
    }
  }
  if (!operation.lines.isEmpty()) draw(std::move(operation));
}

void Canvas::box(double x1, double y1, double x2, double y2) {
  CanvasOperation operation = withSettings(CanvasOperation::Kind::Box);
  // One closed outline rather than four lines: in Invert mode the corners
  // would otherwise be inverted twice and vanish.
  operation.rect = QRectF(QPointF(x1, pixelRow(y1)), QPointF(x2, pixelRow(y2))).normalized();
  draw(std::move(operation));
}

void Canvas::circle(double x, double y, double radius) {
  CanvasOperation operation = withSettings(CanvasOperation::Kind::Circle);
  operation.rect = QRectF(x - radius, pixelRow(y) - radius, 2 * radius, 2 * radius);
  draw(std::move(operation));
}

void Canvas::disc(double x, double y, double radius) {
  CanvasOperation operation = withSettings(CanvasOperation::Kind::Circle);
  operation.rect = QRectF(x - radius, pixelRow(y) - radius, 2 * radius, 2 * radius);
  operation.filled = true;
  draw(std::move(operation));
}

// Metrics are taken for the image so they match the resolution text is drawn at.
double Canvas::textWidth(const QString& text) const {
  return QFontMetricsF(font_, &image_).horizontalAdvance(text);
}

double Canvas::textHeight(const QString& /*text*/) const {
  return QFontMetricsF(font_, &image_).height();
}

void Canvas::print(const QString& text) {
  CanvasOperation operation = withSettings(CanvasOperation::Kind::Text);
  operation.font = font_;
  operation.text = text;
  operation.at = QPointF(currentX_, pixelRow(currentY_) + QFontMetricsF(font_, &image_).ascent());
  draw(std::move(operation));
  currentY_ -= textHeight(text);
}

QRgb Canvas::pixel(int x, int y) const {
  const int row = height() - y;
  if (x < 0 || x >= width() || row < 0 || row >= height()) return 0;
  const double ratio = devicePixelRatio();
  return image_.pixel(static_cast<int>(x * ratio), static_cast<int>(row * ratio));
}

CanvasSnapshot Canvas::snapshot() const {
  auto settings = std::make_shared<Canvas>(*this);
  settings->image_ = QImage();
  QByteArray pixels = packPixels(image_);
  return CanvasSnapshot{std::move(settings), std::move(pixels), image_.size(),
                        image_.devicePixelRatio()};
}

void Canvas::restore(const CanvasSnapshot& snapshot) {
  *this = *snapshot.settings;
  image_ = QImage(snapshot.pixelSize, QImage::Format_RGB32);
  image_.setDevicePixelRatio(snapshot.ratio);
  if (!unpackPixels(snapshot.pixels, image_)) {
    clear();  // cannot happen with a snapshot of this canvas; paper rather than garbage
  }
}
