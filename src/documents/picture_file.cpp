#include "documents/picture_file.h"

#include "documents/save_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "canvas/canvas.h"

std::optional<PictureFormat> pictureFormatFor(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QStringLiteral("png")) return PictureFormat::Png;
  if (suffix == QStringLiteral("svg")) return PictureFormat::Svg;
  return std::nullopt;
}

QImage renderPicture(const Canvas& canvas, int scale) {
  scale = std::clamp(scale, 1, 4);
  QImage picture(canvas.width() * scale, canvas.height() * scale, QImage::Format_RGB32);
  // Painting in logical pixels: pens, dots and fonts grow with the scale.
  picture.setDevicePixelRatio(scale);
  {
    QPainter painter(&picture);
    paintCanvas(painter, canvas, CanvasDevice::Raster);
  }
  picture.setDevicePixelRatio(1);  // a file knows nothing of screens
  return picture;
}

QByteArray svgPicture(const Canvas& canvas) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(canvas.width(), canvas.height()));
  generator.setViewBox(QRect(0, 0, canvas.width(), canvas.height()));
  // Font sizes in points become the same pixel sizes as on the canvas.
  generator.setResolution(canvas.image().logicalDpiX());
  generator.setTitle(QStringLiteral("Kurvalon"));
  {
    QPainter painter(&generator);
    paintCanvas(painter, canvas, CanvasDevice::Vector);
  }
  return bytes;
}

QString unsupportedPictureMessage(const QString& name) {
  return QStringLiteral("Bilder werden als .png oder .svg gespeichert, nicht als %1.").arg(name);
}

QString writePicture(const Canvas& canvas, const QString& fileName, int scale) {
  const std::optional<PictureFormat> format = pictureFormatFor(fileName);
  if (!format) {
    return unsupportedPictureMessage(QFileInfo(fileName).fileName());
  }
  QByteArray bytes;
  if (*format == PictureFormat::Svg) {
    bytes = svgPicture(canvas);
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!renderPicture(canvas, scale).save(&buffer, "PNG")) {
      return QStringLiteral("Das Bild konnte nicht erzeugt werden.");
    }
  }
  return saveFile(fileName, bytes);
}
