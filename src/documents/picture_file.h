#pragma once
// The canvas as a picture file: PNG at one to four times its size, or SVG
// with every drawing as a vector shape.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

class Canvas;

enum class PictureFormat { Png, Svg };

// By the file name's extension (.png, .svg, any case); nullopt for others.
std::optional<PictureFormat> pictureFormatFor(const QString& fileName);
// "Bilder werden als .png oder .svg gespeichert, nicht als NAME."
QString unsupportedPictureMessage(const QString& name);

// The drawing replayed at `scale` (1 to 4) times the canvas size.
QImage renderPicture(const Canvas& canvas, int scale);

// The drawing as an SVG document; inverted drawings come out black.
QByteArray svgPicture(const Canvas& canvas);

// Writes the picture in the format of the extension; the file appears whole
// or not at all. An empty text on success, else a German message.
QString writePicture(const Canvas& canvas, const QString& fileName, int scale = 1);
