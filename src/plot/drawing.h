#pragma once
// What the calculators draw on the sheet: shapes in world coordinates with a
// style. The overlay (plot/overlay.h) maps them through the pixel frame and
// sets the pen; no other code does.

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <limits>
#include <optional>

#include "plot/appearance.h"

// The world rectangle shown and its tick spacing: what a calculator needs to
// know of the view window to fill it.
struct WorldWindow {
  float xmin = -10, xmax = 10, ymin = -9, ymax = 9, xtic = 1, ytic = 1;
};

// Where a drawing takes its colour from: a function list entry, a palette
// role (hatching, isoclines, axes) or a colour of its own.
struct Ink {
  enum class Source { Entry, Palette, Fixed };
  Source source = Source::Fixed;
  int index = 0;  // the entry or the palette slot
  QColor colour;  // Source::Fixed

  static Ink entry(int index) { return {Source::Entry, index, {}}; }
  static Ink palette(PaletteSlot slot) { return {Source::Palette, slot, {}}; }
  static Ink fixed(const QColor& colour) { return {Source::Fixed, 0, colour}; }
};

// The pen of a drawing. What a style leaves unset stays as the drawing
// before it left the pen, as on paper: a term entered a second time is drawn
// in the pen's colour, a curve drawn after a hatching in its mask mode.
struct Style {
  std::optional<Ink> ink;
  std::optional<int> width;    // 1 to 3 pixels
  std::optional<bool> dotted;  // dotted or solid lines
  std::optional<bool> mask;    // ANDed with what is drawn, or drawn over it
  bool smooth = false;         // anti-aliased, as curves are
  bool keepsPen = false;       // afterwards the pen is as it was before
  bool dashed = false;         // lines of 8 pixels with gaps of 5, along the whole stroke
};

// A caption beside a marked point.
struct Mark {
  QPointF at;
  QString caption;
};

struct Drawing {
  Style style;
  // Single lines, and polylines whose points join in order; all of them
  // drawn as one stroke, in this order.
  QList<QLineF> segments;
  QList<QPolygonF> polylines;
  // A polyline point joins the one before it only while it lies within this
  // many pixels beyond the plot area: a curve leaving towards a pole is cut.
  float band = std::numeric_limits<float>::infinity();
  // Circle outlines of `ringRadius` pixels around points.
  QList<QPointF> rings;
  double ringRadius = 3;
  // Filled discs with their captions placed around them without overlap;
  // points outside the window are left out.
  QList<Mark> marks;
  // Captions alone beside their point (the right end of a curve): left
  // above it where there is room, else right below it; one that finds no
  // room on the canvas is left out.
  QList<Mark> captions;
};
