#include "canvas/canvas.h"

#include <gtest/gtest.h>
#include <QGuiApplication>

#include <memory>
#include <set>
#include <utility>

namespace {

// Fonts need a QGuiApplication; created when the tests run, not when they are listed.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[5] = "test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};
const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// Image rows (not canvas y) holding a pixel that differs from white.
std::set<int> inkedRows(const QImage& image) {
  std::set<int> rows;
  for (int r = 0; r < image.height(); ++r)
    for (int c = 0; c < image.width(); ++c)
      if (image.pixel(c, r) != kWhite) rows.insert(r);
  return rows;
}

int inkedInRow(const QImage& image, int row) {
  int n = 0;
  for (int c = 0; c < image.width(); ++c) n += image.pixel(c, row) != kWhite;
  return n;
}

}  // namespace

TEST(Canvas, LinesLandOnImageRowHeightMinusYAndIncludeBothEnds) {
  Canvas canvas(600, 400);
  canvas.line(18, 196, 570, 196);
  EXPECT_EQ(inkedRows(canvas.image()), std::set<int>{204});
  EXPECT_EQ(inkedInRow(canvas.image(), 204), 570 - 18 + 1);
  EXPECT_EQ(canvas.pixel(18, 196), kBlack);
  EXPECT_EQ(canvas.pixel(570, 196), kBlack);
  canvas.clear();
  canvas.line(294, 50, 294, 300);
  const std::set<int> rows = inkedRows(canvas.image());
  EXPECT_EQ(*rows.begin(), 100);
  EXPECT_EQ(*rows.rbegin(), 350);
  for (int row : {100, 225, 350}) EXPECT_EQ(inkedInRow(canvas.image(), row), 1) << row;
  EXPECT_EQ(canvas.image().pixel(294, 225), kBlack);
}

TEST(Canvas, DrawWidthIsClampedAndWidensLinesUpwardsFromTheRow) {
  const struct {
    int requested, width;
    std::set<int> rows;
  } cases[] = {
      {-4, 1, {204}}, {2, 2, {203, 204}}, {3, 3, {203, 204, 205}}, {9, 3, {203, 204, 205}}};
  for (const auto& c : cases) {
    Canvas canvas(600, 400);
    canvas.setDrawWidth(c.requested);
    EXPECT_EQ(canvas.drawWidth(), c.width);
    canvas.line(18, 196, 570, 196);
    EXPECT_EQ(inkedRows(canvas.image()), c.rows) << "width " << c.requested;
  }
}

TEST(Canvas, DottedLineLeavesGaps) {
  Canvas canvas(100, 50);
  canvas.setLineStyle(Canvas::LineStyle::Dotted);
  canvas.line(10, 25, 89, 25);
  EXPECT_GT(inkedInRow(canvas.image(), 25), 10);
  EXPECT_LT(inkedInRow(canvas.image(), 25), 50);
}

TEST(Canvas, BoxAndCircleOutlineTheirShapesOnceEach) {
  Canvas canvas(50, 40);
  canvas.setDrawMode(Canvas::DrawMode::Invert);  // a pixel drawn twice would turn white again
  canvas.box(30, 25, 10, 10);
  canvas.circle(40, 30, 5);
  // Corners and edge midpoints of the box, then the circle's left, right, top and bottom.
  const std::pair<int, int> outline[] = {{10, 10}, {30, 25}, {10, 25}, {30, 10}, {20, 10},
                                         {10, 17}, {35, 30}, {45, 30}, {40, 35}, {40, 25}};
  for (auto [x, y] : outline) EXPECT_EQ(canvas.pixel(x, y), kBlack) << x << "," << y;
  EXPECT_EQ(canvas.pixel(20, 17), kWhite);
  EXPECT_EQ(canvas.pixel(40, 30), kWhite);
  EXPECT_EQ(inkedRows(canvas.image()).size(), 26u);
}

TEST(Canvas, ClearingShowsBackColorOrTopLeftPicture) {
  Canvas canvas(30, 20);
  canvas.line(0, 10, 29, 10);
  canvas.setBackColor(Qt::blue);
  EXPECT_EQ(canvas.pixel(5, 10), qRgb(0, 0, 255));
  QImage picture(10, 5, QImage::Format_RGB32);
  picture.fill(Qt::red);
  canvas.setPicture(picture);
  canvas.line(0, 18, 29, 18);
  canvas.clear();
  EXPECT_EQ(canvas.image().pixel(9, 4), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.image().pixel(10, 4), qRgb(0, 0, 255));
  EXPECT_EQ(canvas.image().pixel(9, 5), qRgb(0, 0, 255));
  canvas.setPicture(QImage());
  EXPECT_EQ(canvas.image().pixel(0, 0), qRgb(0, 0, 255));
}

TEST(Canvas, ResizeGivesAClearedImageOfAtLeastOnePixel) {
  Canvas canvas(30, 20);
  canvas.line(0, 10, 29, 10);
  canvas.resize(50, 40);
  EXPECT_EQ(canvas.image().size(), QSize(50, 40));
  EXPECT_TRUE(inkedRows(canvas.image()).empty());
  canvas.resize(0, -3);
  EXPECT_EQ(canvas.image().size(), QSize(1, 1));
}

TEST(Canvas, RasterModesCombinePenWithPixelsIgnoringPenForInvert) {
  const struct {
    Canvas::DrawMode mode;
    QRgb paper, pen, result;
  } cases[] = {
      {Canvas::DrawMode::Invert, qRgb(10, 20, 30), qRgb(255, 0, 0), qRgb(245, 235, 225)},
      {Canvas::DrawMode::MaskPen, kWhite, qRgb(255, 0, 0), qRgb(255, 0, 0)},
      {Canvas::DrawMode::MaskPen, qRgb(0, 255, 0), qRgb(255, 0, 0), kBlack},
      {Canvas::DrawMode::MaskPen, qRgb(200, 100, 50), qRgb(255, 0, 255), qRgb(200, 0, 50)},
  };
  for (const auto& c : cases) {
    Canvas canvas(20, 20);
    canvas.setBackColor(QColor(c.paper));
    canvas.setForeColor(QColor(c.pen));
    canvas.setDrawMode(c.mode);
    canvas.line(2, 10, 17, 10);
    EXPECT_EQ(canvas.pixel(9, 10), c.result);
    EXPECT_EQ(canvas.pixel(9, 11), c.paper);
  }
}

TEST(Canvas, InvertingTwiceRestoresLinesCirclesAndText) {
  Canvas canvas(120, 80);
  canvas.setBackColor(QColor(40, 90, 160));
  canvas.line(5, 5, 100, 60);
  const QImage before = canvas.image();
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.setDrawWidth(3);
  for (int pass = 0; pass < 2; ++pass) {
    canvas.line(0, 40, 119, 10);
    canvas.circle(60, 40, 25);
    canvas.setCurrentX(10);
    canvas.setCurrentY(70);
    canvas.print("Hallo 10");
    if (pass == 0) {
      ASSERT_NE(canvas.image(), before);
    }
  }
  EXPECT_EQ(canvas.image(), before);
}

TEST(Canvas, PrintHangsTextBelowThePositionAndMovesToTheNextLine) {
  Canvas canvas(200, 100);
  EXPECT_EQ(canvas.font().family(), "Arial");
  EXPECT_DOUBLE_EQ(canvas.font().pointSizeF(), 8.4);
  EXPECT_GT(canvas.textWidth("10"), 0);
  EXPECT_GT(canvas.textWidth("1000"), canvas.textWidth("10"));
  canvas.setCurrentX(20);
  canvas.setCurrentY(80);
  canvas.print("Hgj");
  const std::set<int> rows = inkedRows(canvas.image());
  ASSERT_FALSE(rows.empty());
  EXPECT_GE(*rows.begin(), 20);
  EXPECT_LT(*rows.rbegin(), 20 + canvas.textHeight("Hgj") + 1);
  EXPECT_DOUBLE_EQ(canvas.currentY(), 80 - canvas.textHeight("Hgj"));
  EXPECT_EQ(canvas.currentX(), 20);
}

TEST(Canvas, PixelOutsideTheImageIsZero) {
  Canvas canvas(10, 10);
  for (auto [x, y] : {std::pair{-1, 5}, {10, 5}, {5, 0}, {5, 11}})
    EXPECT_EQ(canvas.pixel(x, y), 0u);
  EXPECT_EQ(canvas.pixel(9, 10), kWhite);
}
