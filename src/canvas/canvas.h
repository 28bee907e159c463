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
#include <QString>

class Canvas {
 public:
  enum class LineStyle { Solid, Dotted };
  enum class DrawMode {
    Copy,     // the pen colour replaces the pixels
    Invert,   // each pixel becomes its inverse, whatever the pen colour
    MaskPen,  // each pixel is ANDed with the pen colour
  };

  explicit Canvas(int width = 1, int height = 1);

  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  // A new size clears the drawing (to the background picture or colour).
  void resize(int width, int height);

  // Fills everything with the background colour, or shows the background
  // picture if one is set.
  void clear();
  QColor backColor() const { return backColor_; }
  void setBackColor(const QColor& color);  // also clears, as a new paper colour does
  void setPicture(const QImage& picture);  // the background picture; a null image removes it
  QImage picture() const { return picture_; }
  const QImage& image() const { return image_; }  // what is drawn now

  QColor foreColor() const { return foreColor_; }
  void setForeColor(const QColor& color) { foreColor_ = color; }
  int drawWidth() const { return drawWidth_; }
  void setDrawWidth(int width);  // 1 to 3; other values are clamped
  LineStyle lineStyle() const { return lineStyle_; }
  void setLineStyle(LineStyle style) { lineStyle_ = style; }
  DrawMode drawMode() const { return drawMode_; }
  void setDrawMode(DrawMode mode) { drawMode_ = mode; }

  // Lines are clipped to the image first, so far-away end points (a curve
  // near a pole) cost nothing; a line with a non-finite coordinate is skipped.
  void line(double x1, double y1, double x2, double y2);
  // Many lines with one painter, in canvas coordinates (y upwards).
  void lines(const QList<QLineF>& lines);
  void box(double x1, double y1, double x2, double y2);  // outline only
  void circle(double x, double y, double radius);

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

 private:
  QImage image_;
  QImage picture_;
  QColor backColor_ = Qt::white;
  QColor foreColor_ = Qt::black;
  int drawWidth_ = 1;
  LineStyle lineStyle_ = LineStyle::Solid;
  DrawMode drawMode_ = DrawMode::Copy;
  QFont font_;
  double currentX_ = 0;
  double currentY_ = 0;
};
