#include <gtest/gtest.h>

#include <QBitmap>
#include <QIcon>
#include <QImage>

#include <QApplication>

#include "gui_app.h"
#include "ui/cursors.h"
#include "ui/toolbar_icons.h"

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

TEST(ToolbarIcons, EveryKeyHasADrawnHighDpiIcon) {
  ensureApplication<QApplication>();
  const QStringList keys = {
      "new",   "open",  "save",        "print",        "cut",  "copy",      "paste", "erase",
      "koord", "graph", "label",       "point",        "line", "comment",   "left",  "right",
      "up",    "down",  "zoomin_step", "zoomout_step", "zoom", "zoom_undo", "col",   "one2one"};
  EXPECT_EQ(toolbarIconKeys(), keys);
  for (const QString& key : keys) {
    SCOPED_TRACE(key.toStdString());
    const QIcon icon = toolbarIcon(key);
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
    const QImage image = icon.pixmap(QSize(24, 24), 2.0).toImage();
    ASSERT_EQ(image.size(), QSize(48, 48));
    bool varies = false;
    for (int y = 0; y < image.height() && !varies; ++y) {
      for (int x = 0; x < image.width() && !varies; ++x)
        varies = image.pixel(x, y) != image.pixel(0, 0);
    }
    EXPECT_TRUE(varies);
  }
}

TEST(ToolbarIcons, UnknownKeyGivesNullIcon) {
  ensureApplication<QApplication>();
  EXPECT_TRUE(toolbarIcon(QStringLiteral("nosuchkey")).isNull());
}

TEST(Cursors, PointCursorIsAnOpenCrosshairEdgedInWhite) {
  ensureApplication<QApplication>();
  const QCursor cursor = pointCursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(11, 11));
  EXPECT_EQ(cursor.bitmap().size(), QSize(32, 32));
  const QImage picture = pointCursorPicture();
  ASSERT_EQ(picture.size(), QSize(32, 32));
  for (int y = 10; y <= 12; ++y) {
    for (int x = 10; x <= 12; ++x) EXPECT_EQ(qAlpha(picture.pixel(x, y)), 0) << x << "," << y;
  }
  EXPECT_EQ(picture.pixel(4, 11), kBlack);
  EXPECT_EQ(picture.pixel(4, 10), kWhite);
  EXPECT_EQ(picture.pixel(11, 18), kBlack);
  EXPECT_EQ(picture.pixel(12, 18), kWhite);
  // The cursor's planes carry the picture: black is set in bitmap and mask.
  const QImage bits = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(bits.pixel(4, 11), kBlack);
  EXPECT_EQ(mask.pixel(4, 11), kBlack);
  EXPECT_EQ(mask.pixel(11, 11), kWhite);
}

TEST(Cursors, ZoomCursorSizeAndHotSpot) {
  ensureApplication<QApplication>();
  const QCursor cursor = zoomCursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(7, 7));
  EXPECT_EQ(cursor.bitmap().size(), QSize(16, 16));
  EXPECT_EQ(zoomCursorPicture().size(), QSize(16, 16));
}

}  // namespace
