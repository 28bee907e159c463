#include "canvas/canvas.h"
#include "canvas/pixel_packing.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <set>
#include <tuple>
#include <utility>

#include "gui_app.h"

namespace {

// Fonts need a QGuiApplication; created when the tests run, not when they are listed.
struct GuiEnvironment : ::testing::Environment {
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureApplication();
  }
};
const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

// Bounds (in image rows, not canvas y) and number of the pixels that are not white.
std::pair<QRect, int> ink(const QImage& image) {
  std::pair<QRect, int> ink;
  for (int r = 0; r < image.height(); ++r)
    for (int c = 0; c < image.width(); ++c)
      if (image.pixel(c, r) != kWhite) ink = {ink.first | QRect(c, r, 1, 1), ink.second + 1};
  return ink;
}

TEST(Canvas, LinesLandOnImageRowHeightMinusYIncludeBothEndsAndWidenUpwards) {
  // Requested width, width used, the line, and the bounds and number of the pixels it inks.
  const std::tuple<int, int, QLineF, QRect, int> cases[] = {
      {1, 1, {294, 50, 294, 300}, {294, 100, 1, 251}, 251},
      {-4, 1, {18, 196, 570, 196}, {18, 204, 553, 1}, 553},
      {2, 2, {18, 196, 570, 196}, {17, 203, 554, 2}, 2 * 554},
      {9, 3, {18, 196, 570, 196}, {16, 203, 556, 3}, 3 * 556}};
  for (const auto& [requested, width, line, bounds, pixels] : cases) {
    Canvas canvas(600, 400);
    canvas.setDrawWidth(requested);
    EXPECT_EQ(canvas.drawWidth(), width);
    canvas.lines({line});
    EXPECT_EQ(ink(canvas.image()), std::pair(bounds, pixels)) << requested;
  }
  // A dotted line leaves gaps.
  Canvas dotted(600, 400);
  dotted.setLineStyle(Canvas::LineStyle::Dotted);
  dotted.line(18, 196, 570, 196);
  EXPECT_GT(ink(dotted.image()).second, 553 / 4);
  EXPECT_LT(ink(dotted.image()).second, 553 / 2);
}

TEST(Canvas, InvertedShapesInkEachPixelOnceAndVanishWhenDrawnAgain) {
  Canvas canvas(50, 40);
  canvas.setDrawMode(Canvas::DrawMode::Invert);  // a pixel drawn twice would turn white again
  canvas.box(30, 25, 10, 10);
  canvas.circle(40, 30, 5);
  for (auto [x, y] : {std::pair{10, 10}, {30, 25}, {10, 25}, {30, 10}})  // the box's corners
    EXPECT_EQ(canvas.pixel(x, y), kBlack) << x << "," << y;
  EXPECT_EQ(std::pair(canvas.pixel(20, 17), canvas.pixel(40, 30)), std::pair(kWhite, kWhite));
  EXPECT_EQ(ink(canvas.image()).first, QRect(10, 5, 36, 26));  // up to the circle's right and top
  // Thick lines and text, too, invert each pixel once: drawn again, they are gone.
  const QImage before = canvas.image();
  canvas.setDrawWidth(3);
  for (bool restored : {false, true}) {
    canvas.line(0, 30, 49, 5);
    canvas.setCurrentY(38);
    canvas.print("Hallo 10");
    EXPECT_EQ(canvas.image() == before, restored);
  }
}

TEST(Canvas, RasterModesCombinePenWithPixelsIgnoringPenForInvert) {
  for (auto [mode, result] : {std::pair{Canvas::DrawMode::Copy, qRgb(255, 0, 255)},
                              {Canvas::DrawMode::Invert, qRgb(55, 155, 205)},
                              {Canvas::DrawMode::MaskPen, qRgb(200, 0, 50)}}) {
    Canvas canvas(20, 20);
    canvas.setBackColor(QColor(200, 100, 50));
    canvas.setForeColor(QColor(255, 0, 255));
    canvas.setDrawMode(mode);
    canvas.line(2, 10, 17, 10);
    EXPECT_EQ(canvas.pixel(9, 10), result) << int(mode);
  }
}

// Vector devices (SVG, PDF) have no raster operations: an inverted line is
// black, and a hatching lies beneath the curve it crosses, as its AND shows
// the curve on screen.
TEST(Canvas, VectorDevicesDrawInvertBlackAndHatchingBeneath) {
  Canvas canvas(20, 20);
  canvas.setForeColor(Qt::red);
  canvas.line(10, 0, 10, 19);  // a curve
  canvas.setForeColor(QColor(192, 255, 255));
  canvas.setDrawMode(Canvas::DrawMode::MaskPen);
  canvas.line(0, 10, 19, 10);  // the hatching across it
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.line(0, 4, 19, 4);
  QImage vectors(20, 20, QImage::Format_RGB32);
  {
    QPainter painter(&vectors);
    paintCanvas(painter, canvas, CanvasDevice::Vector);
  }
  const int row = int(canvas.pixelRow(10));
  EXPECT_EQ(vectors.pixel(10, row), qRgb(255, 0, 0));     // the curve shows through
  EXPECT_EQ(vectors.pixel(3, row), qRgb(192, 255, 255));  // the hatching beside it
  EXPECT_EQ(vectors.pixel(3, int(canvas.pixelRow(4))), qRgb(0, 0, 0));
  EXPECT_EQ(canvas.pixel(10, 10), qRgb(192, 0, 0));  // on screen: ANDed
}

TEST(Canvas, ClearingAndResizingShowBackColorOrTopLeftPictureAndNothingOutside) {
  Canvas canvas(30, 20);
  canvas.line(0, 10, 29, 10);
  canvas.resize(50, 40);
  const QImage& image = canvas.image();
  EXPECT_EQ(image.size(), QSize(50, 40));
  EXPECT_EQ(ink(image), std::pair(QRect(), 0));
  QImage picture(10, 5, QImage::Format_RGB32);
  picture.fill(Qt::red);
  canvas.setPicture(picture);
  canvas.line(0, 36, 49, 36);  // image row 4, the picture's last
  canvas.setBackColor(Qt::blue);
  EXPECT_EQ(std::tuple(image.pixel(9, 4), image.pixel(10, 4), image.pixel(9, 5)),
            std::tuple(qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)));
  canvas.setPicture(QImage());
  canvas.resize(0, -3);
  EXPECT_EQ(canvas.pixel(0, 1), qRgb(0, 0, 255));
  for (auto [x, y] : {std::pair{-1, 1}, {1, 1}, {0, 0}, {0, 2}})
    EXPECT_EQ(canvas.pixel(x, y), 0u) << x << "," << y;
}

TEST(Canvas, PrintHangsTextBelowThePositionAndMovesToTheNextLine) {
  Canvas canvas(200, 100);
  EXPECT_EQ(canvas.font().family(), "Arial");
  EXPECT_DOUBLE_EQ(canvas.font().pointSizeF(), 8.4);
  EXPECT_GT(canvas.textWidth("1000"), canvas.textWidth("10"));
  const double height = canvas.textHeight("Hgj");
  canvas.setCurrentX(20);
  canvas.setCurrentY(80);
  canvas.print("Hgj");
  const QRect bounds = ink(canvas.image()).first;
  EXPECT_TRUE(bounds.left() >= 20 && bounds.top() >= 20 && bounds.bottom() <= 20 + height);
  EXPECT_EQ(std::pair(canvas.currentX(), canvas.currentY()), std::pair(20.0, 80 - height));
}

// The record holds what was drawn since the last clear or resize, in image rows, and nothing
// for lines that lie outside; an inverted shape drawn again (a rubber band taken back) leaves
// it with its pixels. (Replaying the record is tested with the picture files.)
}  // namespace

// A kept canvas gives back every pixel: a drawing packs as runs, a noisy
// picture through zlib; packed bits of another size are refused.
TEST(Canvas, PackedPixelsComeBackExactlyInEitherForm) {
  QImage drawing(300, 200, QImage::Format_RGB32);
  drawing.fill(Qt::white);
  for (int x = 0; x < 300; ++x) drawing.setPixel(x, (x * x / 7) % 200, qRgb(200, 0, x % 256));
  QImage noise(300, 200, QImage::Format_RGB32);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x)
      noise.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x ^ y) % 256, y));
  }
  for (const QImage& image : {drawing, noise}) {
    const QByteArray packed = packPixels(image);
    EXPECT_LT(packed.size(), image.sizeInBytes());
    QImage back(image.size(), QImage::Format_RGB32);
    ASSERT_TRUE(unpackPixels(packed, back));
    EXPECT_EQ(back, image);
    QImage other(301, 200, QImage::Format_RGB32);
    EXPECT_FALSE(unpackPixels(packed, other));
  }
  EXPECT_EQ(packPixels(drawing).front(), 'R');
  EXPECT_EQ(packPixels(noise).front(), 'Z');
}
