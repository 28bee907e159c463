#pragma once
// A persistent drawing, like paper: what is drawn stays until the canvas is
// cleared; a widget, the printer or the clipboard only show its image.
//
// Coordinates are pixels with y growing upwards: (0, 0) is the bottom-left
// corner, y = height() the top edge. pixelRow() is the one place that turns a
// y into an image row.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

enum class CanvasLineStyle { Solid, Dotted };
enum class CanvasDrawMode {
  Copy,     // the pen colour replaces the pixels
  Invert,   // each pixel becomes its inverse, whatever the pen colour
  MaskPen,  // each pixel is ANDed with the pen colour
};

// One drawing call as the canvas recorded it, in image coordinates (y
// downwards, logical pixels), so that it can be drawn again on any device.
struct CanvasOperation {
  enum class Kind { Lines, Box, Circle, Text };
  Kind kind = Kind::Lines;
  QList<QLineF> lines;  // Lines, already clipped to the canvas
  QRectF rect;          // Box: the outline; Circle: the bounding square
  QPointF at;           // Text: the start of the baseline
  QString text;
  QFont font;
  QColor color;
  int width = 1;
  CanvasLineStyle style = CanvasLineStyle::Solid;
  CanvasDrawMode mode = CanvasDrawMode::Copy;
  bool smooth = false;  // anti-aliased; only lines in Copy mode are
  bool filled = false;  // Circle: filled with the pen colour
};

// Raster devices apply the draw modes; vector devices (SVG, PDF) cannot, and
// draw Invert in black and MaskPen in the pen colour.
enum class CanvasDevice { Raster, Vector };

// The one way every operation is drawn: on the canvas image, on an exported
// picture, on a vector device.
void paintOperation(QPainter& painter, const CanvasOperation& operation, CanvasDevice device);

class Canvas;

// Draws the whole canvas again on a painter whose coordinates are the
// canvas' logical pixels: the paper, the background picture, every recorded
// operation.
void paintCanvas(QPainter& painter, const Canvas& canvas, CanvasDevice device);

// A canvas kept aside with its pixels packed small, as the sheet's history
// holds many of them; restoring gives back every pixel and setting.
struct CanvasSnapshot {
  std::shared_ptr<const Canvas> settings;  // everything but the pixels
  QByteArray pixels;                       // the image bits, packed
  QSize pixelSize;
  double ratio = 1;
  qsizetype bytes() const { return pixels.size(); }
};

class Canvas {
 public:
  using LineStyle = CanvasLineStyle;
  using DrawMode = CanvasDrawMode;

  explicit Canvas(int width = 1, int height = 1);

  // Sizes and coordinates are logical pixels; the image holds
  // devicePixelRatio() physical pixels per logical one.
  int width() const { return width_; }
  int height() const { return height_; }
  double devicePixelRatio() const { return image_.devicePixelRatio(); }
  // A new size clears the drawing (to the background picture or colour).
  void resize(int width, int height, double devicePixelRatio = 1);

  // Fills everything with the background colour, or shows the background
  // picture if one is set.
  void clear();
  QColor backColor() const { return backColor_; }
  void setBackColor(const QColor& color);  // also clears, as a new paper colour does
  void setPicture(const QImage& picture);  // the background picture; a null image removes it
  QImage picture() const { return picture_; }
  const QImage& image() const { return image_; }  // what is drawn now
  // What was drawn since the last clear, in order; an inverted shape drawn a
  // second time (a rubber band taken back) leaves the list again.
  const std::vector<CanvasOperation>& operations() const { return operations_; }

  QColor foreColor() const { return foreColor_; }
  void setForeColor(const QColor& color) { foreColor_ = color; }
  int drawWidth() const { return drawWidth_; }
  void setDrawWidth(int width);  // 1 to 3; other values are clamped
  LineStyle lineStyle() const { return lineStyle_; }
  void setLineStyle(LineStyle style) { lineStyle_ = style; }
  DrawMode drawMode() const { return drawMode_; }
  void setDrawMode(DrawMode mode) { drawMode_ = mode; }
  // Anti-aliased lines (in Copy mode only) for curves; axes and grid stay crisp.
  bool smooth() const { return smooth_; }
  void setSmooth(bool smooth) { smooth_ = smooth; }

  // Lines are clipped to the image first, so far-away end points (a curve
  // near a pole) cost nothing; a line with a non-finite coordinate is skipped.
  void line(double x1, double y1, double x2, double y2);
  // Many lines with one painter, in canvas coordinates (y upwards).
  void lines(const QList<QLineF>& lines);
  void box(double x1, double y1, double x2, double y2);  // outline only
  void circle(double x, double y, double radius);
  void disc(double x, double y, double radius);  // a circle filled with the pen colour

  QFont font() const { return font_; }
  void setFont(const QFont& font) { font_ = font; }
  double textWidth(const QString& text) const;
  double textHeight(const QString& text) const;
  // Text is printed with its top-left corner at the current position; the
  // position then moves to the start of the next line.
  double currentX() const { return currentX_; }
  double currentY() const { return currentY_; }
  void setCurrentX(double x) { currentX_ = x; }
  void setCurrentY(double y) { currentY_ = y; }
  void print(const QString& text);

  // Image row of a canvas y (y grows upwards, rows downwards).
  double pixelRow(double y) const { return height() - y; }
  QRgb pixel(int x, int y) const;  // the colour at canvas pixel (x, y); y upwards

  CanvasSnapshot snapshot() const;
  void restore(const CanvasSnapshot& snapshot);

 private:
  // Draws the operation on the image with the current settings and records it.
  void draw(CanvasOperation operation);
  CanvasOperation withSettings(CanvasOperation::Kind kind) const;

  int width_ = 1;
  int height_ = 1;
  QImage image_;
  std::vector<CanvasOperation> operations_;
  QImage picture_;
  QColor backColor_ = Qt::white;
  QColor foreColor_ = Qt::black;
  int drawWidth_ = 1;
  LineStyle lineStyle_ = LineStyle::Solid;
  DrawMode drawMode_ = DrawMode::Copy;
  bool smooth_ = false;
  QFont font_;
  double currentX_ = 0;
  double currentY_ = 0;
};
