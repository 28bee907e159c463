#include "documents/printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "canvas/canvas.h"

namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

QStringList printedLines(const PrintedSheet& sheet) {
  if (sheet.f1.isEmpty()) return {};
  QStringList lines = {QStringLiteral("f(x) = ") + sheet.f, QStringLiteral("f'(x) = ") + sheet.f1,
                       QStringLiteral("f''(x) = ") + sheet.f2,
                       QStringLiteral("f'''(x) = ") + sheet.f3, QString()};
  lines += sheet.discussion;
  return lines;
}

void paintSheet(QPainter& painter, const PrintedSheet& sheet, double deviceDpi, double screenDpi) {
  auto device = [&](double twips) { return twips * deviceDpi / kTwipsPerInch; };
  // Picture pixels to device pixels: the picture's own size (in logical screen
  // pixels), made smaller only where it would not fit across the page.
  const QSizeF size = sheet.picture.deviceIndependentSize();
  double scale = deviceDpi / screenDpi;
  const double room = painter.device()->width() - device(100);
  if (size.width() * scale > room && size.width() > 0) scale = room / size.width();
  const double pictureTwips = size.height() * scale * kTwipsPerInch / deviceDpi;

  QRectF target(device(100), device(100), size.width() * scale, size.height() * scale);
  if (const Canvas* drawing = sheet.drawing) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / drawing->width(), target.height() / drawing->height());
    painter.setClipRect(QRectF(0, 0, drawing->width(), drawing->height()));
    paintCanvas(painter, *drawing, CanvasDevice::Vector);
    painter.restore();
  } else {
    painter.drawImage(target, sheet.picture);
  }

  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(10);
  painter.setFont(font);
  painter.setPen(Qt::black);
  QFontMetricsF metrics(font, painter.device());
  double y = device(pictureTwips + 100);
  for (const QString& line : printedLines(sheet)) {
    painter.drawText(QPointF(0, y + metrics.ascent()), line);
    y += metrics.height();
  }
}

void printHtml(QPagedPaintDevice& device, const QString& html) {
  QTextDocument document;
  QFont font(QStringLiteral("DejaVu Sans"), 11);
  document.setDefaultFont(font);
  document.setHtml(html);
  document.print(&device);
}
