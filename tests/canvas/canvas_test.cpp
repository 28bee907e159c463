#include "canvas/canvas.h"

#include <gtest/gtest.h>
#include <QGuiApplication>

#include <memory>
#include <set>
#include <tuple>
#include <utility>

namespace {

// Fonts need a QGuiApplication; created when the tests run, not when they are listed.
struct GuiEnvironment : ::testing::Environment {
  int argc = 1;
  char name[5] = "test", *argv[2] = {name, nullptr};
  std::unique_ptr<QGuiApplication> app;
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { app.reset(); }
};
const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

const QRgb kWhite = qRgb(255, 255, 255);

// Bounds (in image rows, not canvas y) and number of the pixels that are not white.
std::pair<QRect, int> ink(const QImage& image) {
  std::pair<QRect, int> ink;
  for (int r = 0; r < image.height(); ++r)
    for (int c = 0; c < image.width(); ++c)
      if (image.pixel(c, r) != kWhite) ink = {ink.first | QRect(c, r, 1, 1), ink.second + 1};
  return ink;
}

}  // namespace

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
}

TEST(Canvas, DottedLineLeavesGaps) {
  Canvas canvas(600, 400);
  canvas.setLineStyle(Canvas::LineStyle::Dotted);
  canvas.line(18, 196, 570, 196);
  EXPECT_GT(ink(canvas.image()).second, 553 / 4);
  EXPECT_LT(ink(canvas.image()).second, 553 / 2);
}

TEST(Canvas, InvertedShapesInkEachPixelOnceAndVanishWhenDrawnAgain) {
  Canvas canvas(50, 40);
  canvas.setDrawMode(Canvas::DrawMode::Invert);  // a pixel drawn twice would turn white again
  canvas.box(30, 25, 10, 10);
  canvas.circle(40, 30, 5);
  for (auto [x, y] : {std::pair{10, 10}, {30, 25}, {10, 25}, {30, 10}})  // the box's corners
    EXPECT_EQ(canvas.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
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

TEST(Canvas, RecordsEachDrawingWithItsSettingsUntilCleared) {
  Canvas canvas(100, 50);
  canvas.setForeColor(Qt::red);
  canvas.setDrawWidth(2);
  canvas.setLineStyle(Canvas::LineStyle::Dotted);
  canvas.lines({QLineF(10, 10, 90, 10), QLineF(500, 500, 600, 600)});  // the second lies outside
  canvas.setDrawMode(Canvas::DrawMode::MaskPen);
  canvas.box(5, 5, 20, 20);
  canvas.setCurrentX(3);
  canvas.setCurrentY(45);
  canvas.print(QStringLiteral("f(x)"));
  const std::vector<CanvasOperation>& ops = canvas.operations();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].kind, CanvasOperation::Kind::Lines);
  ASSERT_EQ(ops[0].lines.size(), 1);
  EXPECT_EQ(ops[0].lines[0], QLineF(10, 40, 90, 40));  // image rows: 50 - y
  EXPECT_EQ(ops[0].color, QColor(Qt::red));
  EXPECT_EQ(ops[0].width, 2);
  EXPECT_EQ(ops[0].style, Canvas::LineStyle::Dotted);
  EXPECT_EQ(ops[1].kind, CanvasOperation::Kind::Box);
  EXPECT_EQ(ops[1].mode, Canvas::DrawMode::MaskPen);
  EXPECT_EQ(ops[1].rect, QRectF(5, 30, 15, 15));
  EXPECT_EQ(ops[2].kind, CanvasOperation::Kind::Text);
  EXPECT_EQ(ops[2].text, QStringLiteral("f(x)"));
  canvas.lines({QLineF(500, 500, 600, 600)});  // nothing inside: nothing recorded
  EXPECT_EQ(canvas.operations().size(), 3u);
  canvas.clear();
  EXPECT_TRUE(canvas.operations().empty());
  canvas.line(0, 0, 10, 10);
  canvas.resize(80, 40);
  EXPECT_TRUE(canvas.operations().empty());
}

TEST(Canvas, AnInvertedShapeDrawnAgainLeavesTheRecordWithItsPixels) {
  Canvas canvas(100, 50);
  canvas.line(0, 25, 100, 25);
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.box(10, 10, 40, 40);  // a rubber band ...
  canvas.box(10, 10, 60, 40);  // ... dragged on: the old one taken back, a new one drawn
  canvas.box(10, 10, 40, 40);
  ASSERT_EQ(canvas.operations().size(), 2u);
  EXPECT_EQ(canvas.operations()[1].rect, QRectF(10, 10, 50, 30));
  canvas.box(10, 10, 60, 40);
  EXPECT_EQ(canvas.operations().size(), 1u);
  EXPECT_EQ(ink(canvas.image()).second, 100);  // only the line
}

TEST(Canvas, SmoothingBlendsCopiedLinesOnlyAndKeepsTheirWidth) {
  Canvas canvas(100, 100);
  canvas.setForeColor(Qt::black);
  canvas.setSmooth(true);
  canvas.line(10, 10, 90, 37);  // a slanted line touches pixels partly
  std::set<QRgb> colours;
  const QImage& image = canvas.image();
  for (int r = 0; r < 100; ++r)
    for (int c = 0; c < 100; ++c) colours.insert(image.pixel(c, r));
  EXPECT_GT(colours.size(), 10u);  // shades of grey along the edges
  canvas.clear();
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.line(10, 10, 90, 37);
  colours.clear();
  for (int r = 0; r < 100; ++r)
    for (int c = 0; c < 100; ++c) colours.insert(image.pixel(c, r));
  EXPECT_EQ(colours, (std::set<QRgb>{kWhite, qRgb(0, 0, 0)}));  // inverted pixels stay whole
}

TEST(Canvas, HighDensityImagesKeepTheGeometryInLogicalPixels) {
  Canvas canvas(100, 50);
  canvas.resize(100, 50, 2);
  EXPECT_EQ(canvas.width(), 100);
  EXPECT_EQ(canvas.height(), 50);
  EXPECT_EQ(canvas.image().size(), QSize(200, 100));
  canvas.setForeColor(Qt::blue);
  canvas.line(10, 10, 90, 10);
  EXPECT_EQ(canvas.pixel(50, 10), QColor(Qt::blue).rgb());
  EXPECT_EQ(canvas.pixel(50, 20), kWhite);
  // Around physical row 2 * (50 - 10) = 80 the line is two pixels thick.
  int thick = 0;
  for (int row = 76; row <= 84; ++row)
    thick += canvas.image().pixel(100, row) == QColor(Qt::blue).rgb();
  EXPECT_EQ(thick, 2);
  EXPECT_EQ(canvas.image().pixel(100, 80), QColor(Qt::blue).rgb());
  // A picture's pixels are screen pixels: a 20 x 10 picture covers 10 x 5 logical pixels.
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(Qt::green);
  canvas.setPicture(picture);
  EXPECT_EQ(canvas.pixel(9, 46), QColor(Qt::green).rgb());
  EXPECT_EQ(canvas.pixel(11, 46), kWhite);
}

TEST(Canvas, ASmoothedCurveOfManyShortSegmentsLooksLikeItsChords) {
  // 400 segments along two straight pieces draw what the two pieces draw.
  QList<QLineF> many;
  for (int i = 0; i < 400; ++i) {
    const double x = 10 + i * 0.2, next = x + 0.2;
    auto y = [](double t) { return t < 50 ? 20 + 0.5 * (t - 10) : 40 - 0.25 * (t - 50); };
    many.append(QLineF(x, y(x), next, y(next)));
  }
  Canvas fine(100, 60), coarse(100, 60);
  for (Canvas* canvas : {&fine, &coarse}) {
    canvas->setSmooth(true);
    canvas->setDrawWidth(2);
  }
  fine.lines(many);
  coarse.lines({QLineF(10, 20, 50, 40), QLineF(50, 40, 90, 30)});
  int differing = 0;
  for (int r = 0; r < 60; ++r)
    for (int c = 0; c < 100; ++c) {
      const QRgb a = fine.image().pixel(c, r), b = coarse.image().pixel(c, r);
      differing += std::abs(qGray(a) - qGray(b)) > 40;
    }
  EXPECT_LE(differing, 4);
  EXPECT_GT(ink(fine.image()).second, 150);
}
