#include <gtest/gtest.h>

#include "gui_app.h"

#include <QGuiApplication>

#include "canvas/canvas.h"
#include "plot/coordinate_system.h"

namespace {

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

struct Drawing {
  Canvas canvas{600, 400};
  PixelFrame frame;

  explicit Drawing(const Appearance& appearance = Appearance(), ViewWindow view = ViewWindow()) {
    ensureApplication();
    frame = Koordinatensystem_zeichnen(canvas, view, appearance);
  }
  // Canvas pixels of this colour in a rectangle of canvas coordinates.
  int count(QRgb color, int x0, int x1, int y0, int y1) const {
    int n = 0;
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y) n += (canvas.pixel(x, y) & 0xffffff) == (color & 0xffffff);
    }
    return n;
  }
};

Appearance withoutGrid() {
  Appearance appearance;
  appearance.grid = false;
  return appearance;
}

TEST(CoordinateSystem, AxesTicksAndBackgroundLandOnTheirPixels) {
  Drawing d(withoutGrid());
  const QRgb axes = rgb(64, 64, 64), scale = rgb(128, 128, 128), white = rgb(255, 255, 255);
  // The x axis runs along canvas y 196 over the whole width, the y axis along x 294.
  EXPECT_EQ(d.canvas.pixel(5, 196), axes);
  EXPECT_EQ(d.canvas.pixel(595, 196), axes);
  EXPECT_EQ(d.canvas.pixel(294, 50), axes);
  EXPECT_EQ(d.canvas.pixel(294, 350), axes);
  EXPECT_EQ(d.canvas.pixel(150, 197), white);
  EXPECT_EQ(d.canvas.pixel(293, 50), white);
  // The tick at x = 5 lies at 15 * 27.6 + 18 = 432 and reaches 3 pixels to each side.
  EXPECT_EQ(d.canvas.pixel(432, 199), scale);
  EXPECT_EQ(d.canvas.pixel(432, 193), scale);
  EXPECT_EQ(d.canvas.pixel(432, 200), white);
  // No tick at 0: nothing of the scale colour right above the origin.
  EXPECT_EQ(d.count(scale, 290, 298, 197, 199), 0);
  // The label "5" sits below the axis, under its tick; nothing is printed above.
  EXPECT_GT(d.count(white, 425, 440, 178, 190), 0);
  EXPECT_LT(d.count(white, 425, 440, 178, 190), 16 * 13);
  EXPECT_EQ(d.count(white, 425, 440, 200, 215), 16 * 16);
}

TEST(CoordinateSystem, BackgroundFollowsItsSwatchAndAxesKeepTheirs) {
  Appearance appearance = withoutGrid();
  appearance.palette[kHintergrund] = Qt::black;
  Drawing d(appearance);
  EXPECT_EQ(d.canvas.pixel(100, 300), rgb(0, 0, 0));
  EXPECT_EQ(d.canvas.pixel(5, 196), rgb(64, 64, 64));
  EXPECT_EQ(d.canvas.pixel(432, 199), rgb(128, 128, 128));
}

TEST(CoordinateSystem, GridFollowsSwitchStyleAndColour) {
  Appearance appearance;
  appearance.gridColor = QColor(0, 200, 0);
  const QRgb green = rgb(0, 200, 0);
  // The grid line at x = 5 runs from pixUnten to pixOben; dotted, so with gaps.
  int dotted = Drawing(appearance).count(green, 432, 432, 4, 388);
  EXPECT_GT(dotted, 50);
  EXPECT_LT(dotted, 300);
  appearance.gridDotted = false;
  EXPECT_GT(Drawing(appearance).count(green, 432, 432, 4, 388), 300);
  appearance.grid = false;
  EXPECT_EQ(Drawing(appearance).count(green, 0, 599, 1, 400), 0);
}

TEST(CoordinateSystem, TicksFinerThanAPixelAreLeftOut) {
  ViewWindow view;
  view.xtic = 0.0001f;
  view.stellenX = 4;
  Drawing d(withoutGrid(), view);
  // No x ticks above or below the axis; the y ticks are still there.
  EXPECT_EQ(d.count(rgb(128, 128, 128), 0, 280, 193, 199), 0);
  EXPECT_EQ(d.count(rgb(128, 128, 128), 291, 291, 216, 218), 1);  // y = 1 at 196 + 21.33
}

TEST(CoordinateSystem, YAxisLeftOfTheWindowIsDrawnWhereItFalls) {
  ViewWindow view;
  view.xmin = 2;
  Drawing d(withoutGrid(), view);
  // nullX = 18 - 552/8 * 2 = -120: off the canvas, so the column at 18 stays clear.
  EXPECT_FLOAT_EQ(d.frame.nullX, -120);
  EXPECT_EQ(d.count(rgb(64, 64, 64), 0, 599, 250, 390), 0);
}

}  // namespace
