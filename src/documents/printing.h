#pragma once
// The printed sheet: the canvas picture at the top, then the function, its
// derivatives and the lines of the curve discussion.

#include <QImage>
#include <QString>
#include <QStringList>

class Canvas;
class QPagedPaintDevice;
class QPainter;

struct PrintedSheet {
  QImage picture;  // the canvas as shown, its pixel ratio that of the screen
  // When set, its recorded operations are drawn in the picture's place, as
  // vectors at the device's resolution (a pasted picture stays a picture
  // beneath them); the picture then only gives the size.
  const Canvas* drawing = nullptr;
  // f, f', f'', f''' as they stand in their fields; the lines are printed
  // only when f' has been formed.
  QString f, f1, f2, f3;
  QStringList discussion;
};

// The lines below the picture, in order.
QStringList printedLines(const PrintedSheet& sheet);

// Paints one page: the picture (or the drawing) in its own size at
// (100, 100) twips from the top-left of the printable area, then the lines in
// Arial 10 from 100 twips below the picture's height on. Lengths are in twips; `deviceDpi` is the
// resolution of the page device, `screenDpi` that of the screen the picture
// was drawn for.
void paintSheet(QPainter& painter, const PrintedSheet& sheet, double deviceDpi, double screenDpi);

// Prints a rich text (the worked solution) on the pages of `device`, its
// letters as text, so that roots and fractions stay crisp at any resolution.
void printHtml(QPagedPaintDevice& device, const QString& html);
