#include "ui/window/toolbar_icons.h"

#include <cmath>
#include <utility>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// All pictograms share one 24x24 logical grid, dark grey strokes and at most
// one accent colour, so the toolbar reads as one set.
constexpr int kSize = 24;
const QColor kInk(0x3a, 0x3a, 0x3a);
const QColor kRed(0xd3, 0x2f, 0x2f);
const QColor kBlue(0x1e, 0x6c, 0xd6);
const QColor kAmber(0xf2, 0xb8, 0x3e);
const QColor kPaper(Qt::white);
const QColor kShade(0xd8, 0xd8, 0xd8);

QPen ink(qreal width = 2, const QColor& color = kInk) {
  return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QPen roundInk(qreal width = 2, const QColor& color = kInk) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A filled triangle whose point is at tip, pointing along (dx, dy).
void arrowHead(QPainter& p, QPointF tip, qreal dx, qreal dy, qreal length, const QColor& color) {
  const qreal norm = std::hypot(dx, dy);
  dx /= norm;
  dy /= norm;
  const QPointF base = tip - QPointF(dx, dy) * length;
  const QPointF side(-dy * length * 0.6, dx * length * 0.6);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(QPolygonF{tip, base + side, base - side});
  p.restore();
}

// A sheet of paper with a folded top right corner.
void sheet(QPainter& p, const QRectF& r, qreal fold) {
  p.setPen(ink());
  p.setBrush(kPaper);
  const QPointF tr = r.topRight();
  p.drawPolygon(QPolygonF{r.topLeft(), tr - QPointF(fold, 0), tr + QPointF(0, fold),
                          r.bottomRight(), r.bottomLeft()});
  if (fold > 0) {
    p.setBrush(kShade);
    p.drawPolygon(
        QPolygonF{tr - QPointF(fold, 0), tr + QPointF(-fold, fold), tr + QPointF(0, fold)});
  }
}

// Thin text lines on a sheet; y at .5 keeps 1px lines on whole pixels.
void textLines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal gap = 3) {
  p.setPen(ink(1, QColor(0x80, 0x80, 0x80)));
  for (int i = 0; i < count; ++i) {
    const qreal y = top + i * gap + 0.5;
    p.drawLine(QPointF(left, y), QPointF(right, y));
  }
}

void magnifier(QPainter& p, QPointF centre, qreal radius, qreal handleEnd) {
  const qreal edge = radius / std::sqrt(2.0);
  p.setPen(roundInk(3.5));
  p.drawLine(centre + QPointF(edge, edge), QPointF(handleEnd, handleEnd));
  p.setPen(roundInk(2));
  p.setBrush(QColor(0xe6, 0xf0, 0xfb));
  p.drawEllipse(centre, radius, radius);
}

void axes(QPainter& p, qreal originX, qreal originY) {
  p.setPen(ink(1.5));
  p.drawLine(QPointF(2, originY), QPointF(19, originY));
  p.drawLine(QPointF(originX, 22), QPointF(originX, 5));
  arrowHead(p, QPointF(23, originY), 1, 0, 4.5, kInk);
  arrowHead(p, QPointF(originX, 1), 0, -1, 4.5, kInk);
}

void drawNew(QPainter& p) {
  sheet(p, QRectF(5, 2, 14, 20), 5);
}

void drawOpen(QPainter& p) {
  p.setPen(ink());
  p.setBrush(QColor(0xd9, 0x9a, 0x22));
  p.drawPolygon(QPolygonF{{2, 20}, {2, 4}, {8, 4}, {10, 6}, {18, 6}, {18, 10}, {18, 20}});
  p.setBrush(kAmber);
  p.drawPolygon(QPolygonF{{2, 20}, {6, 10}, {22, 10}, {18, 20}});
}

void drawSave(QPainter& p) {
  p.setPen(ink());
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF{{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}});
  p.setBrush(QColor(0xc8, 0xcc, 0xd2));
  p.drawRect(QRectF(7, 3, 9, 6));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawRect(QRectF(12, 4, 2, 4));
  p.setPen(ink());
  p.setBrush(kPaper);
  p.drawRect(QRectF(6, 13, 12, 8));
  textLines(p, 8, 16, 15, 2);
}

void drawPrint(QPainter& p) {
  p.setPen(ink());
  p.setBrush(kPaper);
  p.drawRect(QRectF(7, 2, 10, 7));
  p.setBrush(QColor(0xb8, 0xbc, 0xc2));
  p.drawRoundedRect(QRectF(2, 8, 20, 10), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(7, 14, 10, 8));
  textLines(p, 9, 15, 16, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2e, 0xa0, 0x43));
  p.drawEllipse(QPointF(18.5, 11), 1.3, 1.3);
}

void drawCut(QPainter& p) {
  p.setPen(roundInk(2));
  p.drawLine(QPointF(9.5, 14.5), QPointF(17, 2));
  p.drawLine(QPointF(14.5, 14.5), QPointF(7, 2));
  p.setPen(ink(2, kRed));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7, 18), 3.2, 3.2);
  p.drawEllipse(QPointF(17, 18), 3.2, 3.2);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(12, 10.3), 1.2, 1.2);
}

void drawCopy(QPainter& p) {
  sheet(p, QRectF(3, 2, 11, 14), 0);
  textLines(p, 5, 12, 5, 2);
  sheet(p, QRectF(9, 8, 12, 14), 4);
  textLines(p, 11, 19, 14, 3, 2.5);
}

void drawPaste(QPainter& p) {
  p.setPen(ink());
  p.setBrush(QColor(0xc0, 0x8a, 0x4a));
  p.drawRoundedRect(QRectF(3, 4, 14, 18), 1.5, 1.5);
  p.setBrush(QColor(0x9a, 0xa0, 0xa8));
  p.drawRect(QRectF(7, 2, 6, 4));
  sheet(p, QRectF(10, 9, 11, 13), 3);
  textLines(p, 12, 19, 14, 3, 2.5);
}

void drawErase(QPainter& p) {
  // An eraser lying across a small graph.
  p.setPen(ink(1.5, QColor(0x90, 0x90, 0x90)));
  p.drawLine(QPointF(2, 21.25), QPointF(22, 21.25));
  p.save();
  p.translate(12, 11);
  p.rotate(-35);
  p.setPen(ink());
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(-9, -4.5, 18, 9), 1.5, 1.5);
  p.setBrush(QColor(0xf0, 0x6e, 0x8c));
  p.drawRoundedRect(QRectF(-9, -4.5, 7, 9), 1.5, 1.5);
  p.restore();
}

void drawKoord(QPainter& p) {
  axes(p, 7, 16);
  p.setPen(ink(1));
  for (const qreal x : {11.5, 15.5}) p.drawLine(QPointF(x, 14), QPointF(x, 18));
  for (const qreal y : {12.5, 8.5}) p.drawLine(QPointF(5, y), QPointF(9, y));
}

void drawGraph(QPainter& p) {
  axes(p, 7, 16);
  QPainterPath curve;
  for (int i = 0; i <= 32; ++i) {
    const qreal x = 5 + i * 0.5;
    const qreal t = (x - 13) / 8;
    const QPointF point(x, 19.5 - 17.5 * t * t);
    if (i == 0)
      curve.moveTo(point);
    else
      curve.lineTo(point);
  }
  p.setPen(roundInk(2, kRed));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
}

void drawLabel(QPainter& p) {
  // A price-tag shape carrying "f(x)".
  p.setPen(ink());
  p.setBrush(QColor(0xfb, 0xe7, 0xa6));
  p.drawPolygon(QPolygonF{{1, 12}, {6, 5}, {23, 5}, {23, 19}, {6, 19}});
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(4.5, 12), 1, 1);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(9);
  font.setItalic(true);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(6.5, 5, 17, 14), Qt::AlignCenter, QStringLiteral("f(x)"));
}

void drawPoint(QPainter& p) {
  p.setPen(ink(1.5));
  for (const auto& [a, b] : {std::pair{2.0, 7.0}, std::pair{17.0, 22.0}}) {
    p.drawLine(QPointF(a, 12), QPointF(b, 12));
    p.drawLine(QPointF(12, a), QPointF(12, b));
  }
  p.setPen(ink(2));
  p.setBrush(kRed);
  p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
}

void drawLine(QPainter& p) {
  p.setPen(roundInk(2));
  p.drawLine(QPointF(5, 19), QPointF(19, 5));
  p.setPen(ink(1.5));
  p.setBrush(kRed);
  p.drawEllipse(QPointF(5, 19), 3, 3);
  p.drawEllipse(QPointF(19, 5), 3, 3);
}

void drawComment(QPainter& p) {
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2, 3, 20, 13), 3, 3);
  QPainterPath tail;
  tail.moveTo(6, 14);
  tail.lineTo(5, 21);
  tail.lineTo(12, 14);
  tail.closeSubpath();
  p.setPen(roundInk());
  p.setBrush(kPaper);
  p.drawPath(bubble.united(tail));
  textLines(p, 6, 18, 7, 2, 3);
}

// An arrow beside an axis line; vertical for the y directions.
void drawPan(QPainter& p, int dx, int dy) {
  const bool horizontal = dy == 0;
  p.setPen(ink(2));
  if (horizontal) {
    p.drawLine(QPointF(2, 18), QPointF(22, 18));
    for (const qreal x : {6.5, 12.5, 18.5}) {
      p.setPen(ink(1));
      p.drawLine(QPointF(x, 16), QPointF(x, 20));
    }
  } else {
    p.drawLine(QPointF(6, 2), QPointF(6, 22));
    for (const qreal y : {5.5, 11.5, 17.5}) {
      p.setPen(ink(1));
      p.drawLine(QPointF(4, y), QPointF(8, y));
    }
  }
  const QPointF centre = horizontal ? QPointF(12, 9) : QPointF(15, 12);
  const QPointF dir(dx, dy);
  p.setPen(ink(2.5, kBlue));
  p.drawLine(centre - dir * 7, centre + dir * 3);
  arrowHead(p, centre + dir * 8, dx, dy, 7, kBlue);
}

void drawZoomStep(QPainter& p, bool in) {
  magnifier(p, QPointF(10, 10), 7, 21);
  p.setPen(ink(2));
  p.drawLine(QPointF(7, 10), QPointF(13, 10));
  if (in) p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void drawZoom(QPainter& p) {
  QPen dotted(kInk, 1.5, Qt::CustomDashLine, Qt::FlatCap);
  dotted.setDashPattern({1.33, 1.33});
  p.setPen(dotted);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2, 2, 13, 10));
  magnifier(p, QPointF(14, 14), 5, 22);
}

void drawZoomUndo(QPainter& p) {
  magnifier(p, QPointF(14, 14), 5.5, 22);
  // A curved arrow turning back to the left, above the lens.
  QPainterPath arc;
  arc.moveTo(16, 6);
  arc.cubicTo(15, 1, 7, 0, 5, 5);
  p.setPen(roundInk(2, kBlue));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  arrowHead(p, QPointF(4, 10), -0.25, 1, 5.5, kBlue);
}

void drawColours(QPainter& p) {
  p.setPen(ink(1.5));
  p.setBrush(QColor(0xe5, 0x39, 0x35));
  p.drawEllipse(QPointF(7.5, 8), 5, 5);
  p.setBrush(QColor(0xfd, 0xd8, 0x35));
  p.drawEllipse(QPointF(16.5, 8), 5, 5);
  p.setBrush(QColor(0x1e, 0x63, 0xd0));
  p.drawEllipse(QPointF(12, 16.5), 5, 5);
}

void drawOneToOne(QPainter& p) {
  p.setPen(ink(1, QColor(0xa8, 0xa8, 0xa8)));
  for (const qreal t : {8.5, 15.5}) {
    p.drawLine(QPointF(t, 3), QPointF(t, 21));
    p.drawLine(QPointF(3, t), QPointF(21, t));
  }
  p.setPen(ink(2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3, 3, 18, 18));
  // "1:1" in strokes rather than a font, so it never depends on installed fonts.
  p.setPen(ink(2, kBlue));
  for (const qreal x : {7.0, 17.0}) {
    p.drawLine(QPointF(x, 8), QPointF(x, 16));
    p.drawLine(QPointF(x - 2, 9), QPointF(x, 8));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawRect(QRectF(11, 9, 2, 2));
  p.drawRect(QRectF(11, 14, 2, 2));
}

using Painter = void (*)(QPainter&);

const std::pair<const char*, Painter> kIcons[] = {
    {"new", drawNew},
    {"open", drawOpen},
    {"save", drawSave},
    {"print", drawPrint},
    {"cut", drawCut},
    {"copy", drawCopy},
    {"paste", drawPaste},
    {"erase", drawErase},
    {"koord", drawKoord},
    {"graph", drawGraph},
    {"label", drawLabel},
    {"point", drawPoint},
    {"line", drawLine},
    {"comment", drawComment},
    {"left", [](QPainter& p) { drawPan(p, -1, 0); }},
    {"right", [](QPainter& p) { drawPan(p, 1, 0); }},
    {"up", [](QPainter& p) { drawPan(p, 0, -1); }},
    {"down", [](QPainter& p) { drawPan(p, 0, 1); }},
    {"zoomin_step", [](QPainter& p) { drawZoomStep(p, true); }},
    {"zoomout_step", [](QPainter& p) { drawZoomStep(p, false); }},
    {"zoom", drawZoom},
    {"zoom_undo", drawZoomUndo},
    {"col", drawColours},
    {"one2one", drawOneToOne},
};

QPixmap render(Painter paint, int scale) {
  QPixmap pixmap(kSize * scale, kSize * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  return pixmap;
}

}  // namespace

QIcon toolbarIcon(const QString& key) {
  for (const auto& [name, paint] : kIcons) {
    if (key != QLatin1String(name)) continue;
    QIcon icon;
    icon.addPixmap(render(paint, 1));
    icon.addPixmap(render(paint, 2));
    return icon;
  }
  return QIcon();
}
