#include <gtest/gtest.h>

#include "gui_app.h"

#include <QGuiApplication>
#include <QPainter>

#include "documents/printing.h"

namespace {

TEST(Printing, LinesFollowOnlyWhenDerivativesWereFormed) {
  PrintedSheet sheet;
  sheet.f = QStringLiteral("x^2");
  sheet.discussion = {QStringLiteral("Nullstellen:")};
  EXPECT_TRUE(printedLines(sheet).isEmpty());
  sheet.f1 = QStringLiteral("2*x");
  sheet.f2 = QStringLiteral("2");
  sheet.f3 = QStringLiteral("0");
  EXPECT_EQ(printedLines(sheet),
            QStringList({"f(x) = x^2", "f'(x) = 2*x", "f''(x) = 2", "f'''(x) = 0", "",
                         "Nullstellen:"}));
}

// A page of 144 dots per inch: 100 twips are 10 dots.
struct Page {
  QImage image{1200, 1600, QImage::Format_RGB32};
  Page() {
    image.setDotsPerMeterX(qRound(144 / 0.0254));
    image.setDotsPerMeterY(qRound(144 / 0.0254));
    image.fill(Qt::white);
  }
  void paint(const PrintedSheet& sheet, double screenDpi) {
    QPainter painter(&image);
    paintSheet(painter, sheet, 144, screenDpi);
  }
  int firstInkedRowBelow(int row) const {
    for (int y = row; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) return y;
      }
    }
    return -1;
  }
};

TEST(Printing, PictureAtHundredTwipsInItsOwnSizeThenTheText) {
  ensureApplication();
  PrintedSheet sheet;
  sheet.picture = QImage(100, 50, QImage::Format_RGB32);
  sheet.picture.fill(Qt::red);
  sheet.f = sheet.f1 = sheet.f2 = sheet.f3 = QStringLiteral("x");
  Page page;
  page.paint(sheet, 72);  // a screen of 72 dpi: the picture doubles on the page
  EXPECT_EQ(page.image.pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(page.image.pixel(209, 109), qRgb(255, 0, 0));
  EXPECT_EQ(page.image.pixel(9, 10), qRgb(255, 255, 255));
  EXPECT_EQ(page.image.pixel(210, 60), qRgb(255, 255, 255));
  // The text begins 100 twips below the picture's height: at 10 + 100 dots.
  int text = page.firstInkedRowBelow(111);
  EXPECT_GE(text, 110);
  EXPECT_LT(text, 130);
}

TEST(Printing, PictureWiderThanThePageIsScaledToFit) {
  ensureApplication();
  PrintedSheet sheet;
  sheet.picture = QImage(1000, 100, QImage::Format_RGB32);
  sheet.picture.fill(Qt::blue);
  Page page;
  page.paint(sheet, 72);  // 2000 dots wide in its own size: too wide for 1200
  EXPECT_EQ(page.image.pixel(1195, 20), qRgb(0, 0, 255));
  EXPECT_EQ(page.image.pixel(600, 10 + 119 + 5), qRgb(255, 255, 255));  // height scaled alike
}

}  // namespace
