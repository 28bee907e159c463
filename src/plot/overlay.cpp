#include "plot/overlay.h"

#include <QRectF>
#include <QSizeF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "canvas/canvas.h"
#include "plot/caption_placement.h"

namespace {

constexpr double kDiscRadius = 3;  // 7 pixels across with its outline
constexpr double kCaptionGap = 4;

struct Pen {
  QColor colour;
  int width;
  Canvas::LineStyle style;
  Canvas::DrawMode mode;
  bool smooth;
};

Pen currentPen(const Canvas& canvas) {
  return {canvas.foreColor(), canvas.drawWidth(), canvas.lineStyle(), canvas.drawMode(),
          canvas.smooth()};
}

void setPen(Canvas& canvas, const Pen& pen) {
  canvas.setForeColor(pen.colour);
  canvas.setDrawWidth(pen.width);
  canvas.setLineStyle(pen.style);
  canvas.setDrawMode(pen.mode);
  canvas.setSmooth(pen.smooth);
}

void applyStyle(Canvas& canvas, const Style& style, const Appearance& appearance) {
  if (style.ink) canvas.setForeColor(inkColour(*style.ink, appearance));
  if (style.width) canvas.setDrawWidth(*style.width);
  if (style.dotted) {
    canvas.setLineStyle(*style.dotted ? Canvas::LineStyle::Dotted : Canvas::LineStyle::Solid);
  }
  if (style.mask)
    canvas.setDrawMode(*style.mask ? Canvas::DrawMode::MaskPen : Canvas::DrawMode::Copy);
}

// Joins each point to the one before it while it stays within the band.
void appendPolyline(QList<QLineF>& lines, const QPolygonF& points, float band,
                    const ViewWindow& view, const PixelFrame& frame) {
  const bool banded = std::isfinite(band);
  QPointF previous;
  for (qsizetype i = 0; i < points.size(); ++i) {
    const QPointF next =
        frame.point(static_cast<float>(points[i].x()), static_cast<float>(points[i].y()), view);
    if (i > 0 &&
        (!banded || (next.y() >= frame.pixUnten - band && next.y() <= frame.pixOben + band))) {
      lines.append(QLineF(previous, next));
    }
    previous = next;
  }
}

QPointF pixel(QPointF world, const ViewWindow& view, const PixelFrame& frame) {
  return frame.point(static_cast<float>(world.x()), static_cast<float>(world.y()), view);
}

bool drawMarks(Canvas& canvas, const QList<Mark>& marks, const ViewWindow& view,
               const PixelFrame& frame) {
  const double xmin = std::min(view.xmin, view.xmax), xmax = std::max(view.xmin, view.xmax);
  const double ymin = std::min(view.ymin, view.ymax), ymax = std::max(view.ymin, view.ymax);
  QList<QPointF> at;  // in image coordinates, y downwards, as captions are placed
  QList<QSizeF> sizes;
  QStringList captions;
  for (const Mark& mark : marks) {
    const double x = mark.at.x(), y = mark.at.y();
    if (!(x >= xmin && x <= xmax && y >= ymin && y <= ymax)) continue;
    const QPointF p = pixel(mark.at, view, frame);
    at << QPointF(p.x(), canvas.pixelRow(p.y()));
    sizes << QSizeF(canvas.textWidth(mark.caption), canvas.textHeight(mark.caption));
    captions << mark.caption;
  }
  if (at.isEmpty()) return false;
  const QList<QRectF> places =
      placeCaptions(at, sizes, QRectF(0, 0, canvas.width(), canvas.height()), kCaptionGap);
  for (qsizetype i = 0; i < at.size(); ++i) {
    canvas.disc(at[i].x(), canvas.pixelRow(at[i].y()), kDiscRadius);
    canvas.setCurrentX(places[i].left());
    canvas.setCurrentY(canvas.pixelRow(places[i].top()));
    canvas.print(captions[i]);
  }
  return true;
}

// The part of a line inside `box` (Liang–Barsky); nullopt when none is, or
// when an end is not finite (a sample next to a pole).
std::optional<QLineF> clipped(const QLineF& line, const QRectF& box) {
  if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2()) ||
      !std::isfinite(line.y2())) {
    return std::nullopt;
  }
  double t0 = 0, t1 = 1;
  const double dx = line.dx(), dy = line.dy();
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                      box.bottom() - line.y1()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, r);
    } else {
      t1 = std::min(t1, r);
    }
    if (t0 > t1) return std::nullopt;
  }
  return QLineF(line.pointAt(t0), line.pointAt(t1));
}

// Cuts a stroke into dashes; the pattern runs on from one line to the next.
// Only what lies near the canvas is cut, so a line towards a pole stays short.
QList<QLineF> dashes(const QList<QLineF>& lines, const QRectF& canvas) {
  constexpr double kDash = 8, kGap = 5;
  const QRectF box = canvas.adjusted(-kDash, -kDash, kDash, kDash);
  QList<QLineF> out;
  double phase = 0;  // how far into the current dash-and-gap period the stroke is
  for (const QLineF& whole : lines) {
    const std::optional<QLineF> line = clipped(whole, box);
    if (!line) continue;
    const double length = line->length();
    double at = 0;
    while (at < length) {
      const bool inDash = phase < kDash;
      const double left = inDash ? kDash - phase : kDash + kGap - phase;
      const double step = std::min(left, length - at);
      if (inDash && step > 0) {
        out << QLineF(line->pointAt(at / length), line->pointAt((at + step) / length));
      }
      at += step;
      phase += step;
      if (phase >= kDash + kGap) phase = 0;
    }
  }
  return out;
}

bool drawCaptions(Canvas& canvas, const QList<Mark>& captions, const ViewWindow& view,
                  const PixelFrame& frame) {
  const QRectF inside(0, 0, canvas.width(), canvas.height());
  QList<QRectF> taken;
  for (const Mark& caption : captions) {
    if (!std::isfinite(caption.at.x()) || !std::isfinite(caption.at.y())) continue;
    const QPointF p = pixel(caption.at, view, frame);
    const double x = p.x(), y = canvas.pixelRow(p.y());  // image coordinates, y downwards
    const double w = canvas.textWidth(caption.caption), h = canvas.textHeight(caption.caption);
    const double g = kCaptionGap;
    // Left above the end first, as at the right border; then right below,
    // as where a curve leaves at the top.
    const QRectF places[] = {QRectF(x - w - g, y - h - g, w, h), QRectF(x + g, y + g, w, h),
                             QRectF(x - w - g, y + g, w, h), QRectF(x + g, y - h - g, w, h)};
    for (const QRectF& place : places) {
      if (!inside.contains(place) || std::any_of(taken.begin(), taken.end(), [&](const QRectF& r) {
            return r.intersects(place);
          })) {
        continue;
      }
      taken << place;
      canvas.setCurrentX(place.left());
      canvas.setCurrentY(canvas.pixelRow(place.top()));
      canvas.print(caption.caption);
      break;
    }
  }
  return !taken.isEmpty();
}

}  // namespace

bool drawOverlay(Canvas& canvas, const Drawing& drawing, const ViewWindow& view,
                 const PixelFrame& frame, const Appearance& appearance) {
  const Pen before = currentPen(canvas);
  applyStyle(canvas, drawing.style, appearance);
  QList<QLineF> lines;
  for (const QLineF& segment : drawing.segments) {
    lines.append(QLineF(pixel(segment.p1(), view, frame), pixel(segment.p2(), view, frame)));
  }
  for (const QPolygonF& polyline : drawing.polylines) {
    appendPolyline(lines, polyline, drawing.band, view, frame);
  }
  if (drawing.style.dashed) lines = dashes(lines, QRectF(0, 0, canvas.width(), canvas.height()));
  if (!lines.isEmpty()) {
    canvas.setSmooth(drawing.style.smooth);
    canvas.lines(lines);
  }
  for (const QPointF& ring : drawing.rings) {
    const QPointF at = pixel(ring, view, frame);
    canvas.circle(at.x(), at.y(), drawing.ringRadius);
  }
  const bool marked = !drawing.marks.isEmpty() && drawMarks(canvas, drawing.marks, view, frame);
  const bool captioned =
      !drawing.captions.isEmpty() && drawCaptions(canvas, drawing.captions, view, frame);
  canvas.setSmooth(before.smooth);
  if (drawing.style.keepsPen) setPen(canvas, before);
  return !lines.isEmpty() || !drawing.rings.isEmpty() || marked || captioned;
}

void printText(Canvas& canvas, QPointF at, const QString& text) {
  canvas.setCurrentX(at.x());
  canvas.setCurrentY(at.y());
  canvas.print(text);
}

QColor inkColour(const Ink& ink, const Appearance& appearance) {
  switch (ink.source) {
    case Ink::Source::Entry:
      return appearance.curveColor(ink.index);
    case Ink::Source::Palette:
      return appearance.palette[ink.index];
    case Ink::Source::Fixed:
      break;
  }
  return ink.colour;
}

void takePenColour(Canvas& canvas, const QColor& colour) {
  canvas.setForeColor(colour);
}

QColor penColour(const Canvas& canvas) {
  return canvas.foreColor();
}
