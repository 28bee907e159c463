#include "plot/view_window.h"

#include <gtest/gtest.h>

#include "canvas/canvas.h"
#include "gui_app.h"
#include "plot/coordinate_system.h"
#include "plot/view_commands.h"
#include "plot/view_field_keys.h"
#include "qstring_print.h"

namespace {

const auto read = [](const ViewTexts& t) { return std::get<ViewWindow>(readViewWindow(t)); };
const auto pan = [](const ViewTexts& t, Pan to) { return std::get<ViewTexts>(panView(t, to)); };
const auto zoom = [](const ViewTexts& t, bool in) { return std::get<ViewTexts>(zoomStep(t, in)); };

TEST(PixelFrame, DefaultWindowOnA600By400CanvasAndMarginsRoundingAHalfToEven) {
  PixelFrame f = computePixelFrame(read(kDefaultViewTexts), 600, 400);
  EXPECT_EQ(std::tuple(f.pixLinks, f.pixRechts, f.pixUnten, f.pixOben),
            std::tuple(18, 570, 4, 388));
  EXPECT_FLOAT_EQ(f.massX, 27.6f);
  EXPECT_FLOAT_EQ(f.massY, 64.0f / 3);
  EXPECT_FLOAT_EQ(f.nullX, 294);
  EXPECT_FLOAT_EQ(f.nullY, 196);
  EXPECT_EQ(f.point(5, -3, ViewWindow()), QPointF(432, 132));
  // 850 * 0.03 = 25.5 -> 26 (even), 950 * 0.03 = 28.5 -> 28, 250 * 0.01 = 2.5 -> 2.
  EXPECT_EQ(computePixelFrame(ViewWindow{}, 850, 100).pixLinks, 26);
  EXPECT_EQ(computePixelFrame(ViewWindow{}, 950, 100).pixLinks, 28);
  EXPECT_EQ(computePixelFrame(ViewWindow{}, 100, 250).pixUnten, 2);
}

TEST(ViewWindow, ReadsTheFieldsOrRefusesWindowsThatCannotBeDrawn) {
  // Field, text, message.
  const std::tuple<int, const char*, const char*> cases[] = {
      {0, "abc", "Im Feld xmin steht keine gültige Zahl!"},
      {3, "", "Im Feld ymax steht keine gültige Zahl!"},
      {5, "-", "Im Feld y-tic steht keine gültige Zahl!"},
      {1, "-10", "xmin und xmax dürfen nicht gleich sein!"},
      {3, "-9", "ymin und ymax dürfen nicht gleich sein!"},
      {4, "0", "x-tic muss größer als 0 sein!"},
      {5, "0", "y-tic muss größer als 0 sein!"},
      {1, "-9,9999", "Der Bereich von xmin bis xmax ist zu klein!"}};
  for (const auto& [field, text, message] : cases) {
    ViewTexts texts = kDefaultViewTexts;
    texts[field] = QString::fromUtf8(text);
    auto result = readViewWindow(texts);
    ASSERT_TRUE(std::holds_alternative<QString>(result)) << text;
    EXPECT_EQ(std::get<QString>(result), QString::fromUtf8(message));
  }
  ViewWindow view = read({"0,5", "3", "-1,5", "2", "0,25", "1"});
  EXPECT_EQ(std::tuple(view.xmin, view.xmax, view.ymin, view.ymax, view.xtic, view.ytic),
            std::tuple(0.5f, 3.0f, -1.5f, 2.0f, 0.25f, 1.0f));
  EXPECT_EQ(std::pair(view.stellenX, view.stellenY), std::pair(2, 1));
  // Tick decimals follow the written spacing.
  for (auto [text, decimals] :
       {std::pair{"1", 1}, {"10", 2}, {"0,25", 2}, {"0,5", 1}, {"2,", 0}, {"-1", 2}}) {
    EXPECT_EQ(decimalsOf(text), decimals) << text;
  }
  // A reversed window, as a zoom dragged from right to left gives, is drawn mirrored.
  EXPECT_LT(computePixelFrame(read({"10", "-10", "-9", "9", "1", "1"}), 600, 400).massX, 0);
}

TEST(ViewCommands, PanMovesOneTickInSinglePrecisionAndZoomHalvesOrDoublesAll) {
  const ViewTexts start = {"-10", "10", "-9", "9", "1", "1"};
  EXPECT_EQ(pan(start, Pan::Left), ViewTexts({"-9", "11", "-9", "9", "1", "1"}));
  EXPECT_EQ(pan(start, Pan::Right), ViewTexts({"-11", "9", "-9", "9", "1", "1"}));
  EXPECT_EQ(pan(start, Pan::Up), ViewTexts({"-10", "10", "-10", "8", "1", "1"}));
  EXPECT_EQ(pan(start, Pan::Down), ViewTexts({"-10", "10", "-8", "10", "1", "1"}));
  EXPECT_EQ(pan(pan(start, Pan::Left), Pan::Right), start);
  // 0,1 is no exact binary number: the float sums drift, and seven digits
  // show it (-9.9f + 0.1f is -9.79999924).
  ViewTexts drift = {"-10", "10", "-9", "9", "0,1", "1"};
  for (int i = 0; i < 3; ++i) drift = pan(drift, Pan::Left);
  EXPECT_EQ(drift, ViewTexts({"-9,699999", "10,3", "-9", "9", "0,1", "1"}));
  EXPECT_EQ(pan({"0,3", "1", "-9", "9", "0,1", "1"}, Pan::Left),
            ViewTexts({"0,4", "1,1", "-9", "9", "0,1", "1"}));

  const ViewTexts in = zoom(start, true);
  EXPECT_EQ(in, ViewTexts({"-5", "5", "-4,5", "4,5", "0,5", "0,5"}));
  EXPECT_EQ(zoom(in, false), start);
  // Double precision: a third stays a third to fifteen digits.
  EXPECT_EQ(zoom({"-1", "1", "-1", "1", "0,333333333333333", "1"}, false)[4], "0,666666666666666");
  EXPECT_EQ(one2oneView(), ViewTexts({"-8,52", "8,52", "-7,7", "7,7", "1", "1"}));
}

// A pan reads only its own three fields and names the one that is no number.
TEST(ViewCommands, FieldThatIsNoNumberIsNamed) {
  EXPECT_EQ(std::get<QString>(panView({"-10", "10", "-9", "9", "1", ""}, Pan::Up)),
            "Im Feld y-tic steht keine gültige Zahl!");
  EXPECT_EQ(pan({"-10", "10", "?", "9", "1", "?"}, Pan::Left)[0], "-9");
}

const auto zoomAt = [](const ViewTexts& t, QPointF c, double notches, bool fine = false) {
  return std::get<ViewTexts>(zoomAbout(t, c, notches, fine));
};

// Where a world point lies in the window, as fractions of its width and height.
QPointF placeIn(const ViewTexts& t, QPointF p) {
  const ViewWindow w = read(t);
  return {(p.x() - w.xmin) / (w.xmax - w.xmin), (p.y() - w.ymin) / (w.ymax - w.ymin)};
}

TEST(ViewCommands, WheelZoomsAboutThePointUnderTheCursorAndDragShiftsTheWindow) {
  const ViewTexts start = kDefaultViewTexts;
  // About the origin a notch is the toolbar's zoom step, both ways.
  EXPECT_EQ(zoomAt(start, {0, 0}, 1), zoom(start, true));
  EXPECT_EQ(zoomAt(start, {0, 0}, -2), zoom(zoom(start, false), false));
  // Any point keeps its place in the window through notches in and out.
  for (const QPointF p : {QPointF(3, 2), QPointF(-7.25, 8.5), QPointF(0.123, -4.567)}) {
    ViewTexts t = start;
    for (double notches : {1.0, 1.0, 0.5, -3.0, 2.0, -0.25}) {
      const ViewTexts next = zoomAt(t, p, notches);
      const QPointF before = placeIn(t, p), after = placeIn(next, p);
      EXPECT_NEAR(after.x(), before.x(), 1e-3) << p.x() << " " << notches;
      EXPECT_NEAR(after.y(), before.y(), 1e-3) << p.y() << " " << notches;
      t = next;
    }
  }
  EXPECT_EQ(zoomAt(start, {3, 2}, 1), ViewTexts({"-3,5", "6,5", "-3,5", "5,5", "0,5", "0,5"}));
  // Four fine notches are one notch in extent; the ticks stay until fewer than ten show.
  const ViewTexts fine =
      zoomAt(zoomAt(zoomAt(zoomAt(start, {0, 0}, 1, true), {0, 0}, 1, true), {0, 0}, 1, true),
             {0, 0}, 1, true);
  EXPECT_NEAR(read(fine).xmax, 5, 1e-3);
  EXPECT_NEAR(read(fine).ymax, 4.5, 1e-3);
  EXPECT_EQ(fine[4], "1");                             // ten ticks of 1 still show
  EXPECT_EQ(fine[5], "0,5");                           // nine would: halved
  EXPECT_EQ(zoomAt(start, {0, 0}, -8, true)[4], "2");  // 40 ticks of 1 would be 40: doubled
  // Ends are rounded to a ten-thousandth of the width, ticks kept.
  EXPECT_EQ(std::get<ViewTexts>(shiftView(start, 0.123456789, -1)),
            ViewTexts({"-9,877", "10,123", "-10", "8", "1", "1"}));
  EXPECT_TRUE(std::holds_alternative<QString>(shiftView({"-10", "10", "-9", "9", "", "1"}, 1, 1)));
}

// Digits, one comma (a point becomes one) and one minus sign get in; 0 stands for refused.
const QRgb kAxes = qRgb(64, 64, 64), kScale = qRgb(128, 128, 128), kWhite = qRgb(255, 255, 255);

struct Drawing {
  Canvas canvas{600, 400};
  PixelFrame frame;

  explicit Drawing(bool grid = false, ViewWindow view = {}, Appearance appearance = {}) {
    ensureApplication();
    appearance.grid = appearance.grid && grid;
    frame = Koordinatensystem_zeichnen(canvas, view, appearance);
  }
  // Canvas pixels of this colour in a rectangle of canvas coordinates.
  int count(QRgb color, int x0, int x1, int y0, int y1) const {
    int n = 0;
    for (int x = x0; x <= x1; ++x)
      for (int y = y0; y <= y1; ++y) n += (canvas.pixel(x, y) & 0xffffff) == (color & 0xffffff);
    return n;
  }
};

TEST(CoordinateSystem, AxesTicksAndLabelsLandOnTheirPixels) {
  Drawing d;
  // The x axis runs along canvas y 196 over the whole width, the y axis along x 294.
  for (auto [x, y] : {std::pair{5, 196}, {595, 196}, {294, 50}, {294, 350}})
    EXPECT_EQ(d.canvas.pixel(x, y), kAxes) << x << "," << y;
  EXPECT_EQ(std::pair(d.canvas.pixel(150, 197), d.canvas.pixel(293, 50)),
            std::pair(kWhite, kWhite));
  // The tick at x = 5 lies at 15 * 27.6 + 18 = 432 and reaches 3 pixels to each side.
  EXPECT_EQ(
      std::tuple(d.canvas.pixel(432, 199), d.canvas.pixel(432, 193), d.canvas.pixel(432, 200)),
      std::tuple(kScale, kScale, kWhite));
  // Ticks up to the window's edges (x = 10 at 570, y = 9 at 388); none at 0; y = 1 at 196 + 21.33.
  EXPECT_EQ(d.canvas.pixel(570, 199), kScale);
  EXPECT_EQ(d.count(kScale, 291, 291, 385, 392), 1);
  EXPECT_EQ(d.count(kScale, 290, 298, 197, 199), 0);
  EXPECT_EQ(d.count(kScale, 291, 291, 216, 218), 1);
  // The label "5" sits below the axis, under its tick; nothing is printed above.
  EXPECT_GT(d.count(kWhite, 425, 440, 178, 190), 0);
  EXPECT_LT(d.count(kWhite, 425, 440, 178, 190), 16 * 13);
  EXPECT_EQ(d.count(kWhite, 425, 440, 200, 215), 16 * 16);
  // The arrowheads: from the tips at the canvas' right and top edges, 10
  // pixels back and 3 to each side.
  EXPECT_EQ(std::pair(d.canvas.pixel(590, 199), d.canvas.pixel(590, 193)), std::pair(kAxes, kAxes));
  EXPECT_EQ(std::pair(d.canvas.pixel(291, 390), d.canvas.pixel(297, 390)), std::pair(kAxes, kAxes));
  EXPECT_EQ(std::pair(d.canvas.pixel(590, 200), d.canvas.pixel(290, 390)),
            std::pair(kWhite, kWhite));
}

TEST(CoordinateSystem, BackgroundAndGridFollowTheirSettingsAndAxesKeepTheirColours) {
  Appearance black;
  black.palette[kHintergrund] = Qt::black;
  Drawing d(false, {}, black);
  EXPECT_EQ(std::tuple(d.canvas.pixel(100, 300), d.canvas.pixel(5, 196), d.canvas.pixel(432, 199)),
            std::tuple(qRgb(0, 0, 0), kAxes, kScale));
  // The grid line at x = 5 runs from pixUnten to pixOben; dotted, so with gaps.
  Appearance appearance;
  appearance.gridColor = QColor(0, 200, 0);
  const QRgb green = qRgb(0, 200, 0);
  const int dotted = Drawing(true, {}, appearance).count(green, 432, 432, 4, 388);
  EXPECT_TRUE(dotted > 50 && dotted < 300) << dotted;
  appearance.gridDotted = false;
  EXPECT_GT(Drawing(true, {}, appearance).count(green, 432, 432, 4, 388), 300);
  EXPECT_EQ(Drawing(false, {}, appearance).count(green, 0, 599, 1, 400), 0);
}

TEST(CoordinateSystem, LeavesOutTicksFinerThanAPixelAndAnAxisOutsideTheWindow) {
  // No x ticks above or below the axis; the y ticks are still there.
  Drawing fine(false, {.xtic = 0.0001f, .stellenX = 4});
  EXPECT_EQ(fine.count(kScale, 0, 280, 193, 199), 0);
  EXPECT_EQ(fine.count(kScale, 291, 291, 216, 218), 1);
  // nullX = 18 - 552/8 * 2 = -120: off the canvas, so the column at 18 stays clear.
  Drawing right(false, {.xmin = 2});
  EXPECT_FLOAT_EQ(right.frame.nullX, -120);
  EXPECT_EQ(right.count(kAxes, 0, 599, 250, 390), 0);
}

}  // namespace
