#include <gtest/gtest.h>

#include <variant>

#include "plot/view_window.h"

namespace {

ViewWindow read(const ViewTexts& texts) { return std::get<ViewWindow>(readViewWindow(texts)); }

TEST(PixelFrame, DefaultWindowOnA600By400Canvas) {
  PixelFrame f = computePixelFrame(read(kDefaultViewTexts), 600, 400);
  EXPECT_EQ(f.pixLinks, 18);
  EXPECT_EQ(f.pixRechts, 570);
  EXPECT_EQ(f.pixUnten, 4);
  EXPECT_EQ(f.pixOben, 388);
  EXPECT_FLOAT_EQ(f.massX, 27.6f);
  EXPECT_FLOAT_EQ(f.massY, 64.0f / 3);
  EXPECT_FLOAT_EQ(f.nullX, 294);
  EXPECT_FLOAT_EQ(f.nullY, 196);
}

TEST(PixelFrame, MarginsRoundAHalfToTheEvenNeighbour) {
  // 850 * 0.03 = 25.5 -> 26 (even), 950 * 0.03 = 28.5 -> 28, 250 * 0.01 = 2.5 -> 2.
  EXPECT_EQ(computePixelFrame(ViewWindow{}, 850, 100).pixLinks, 26);
  EXPECT_EQ(computePixelFrame(ViewWindow{}, 950, 100).pixLinks, 28);
  EXPECT_EQ(computePixelFrame(ViewWindow{}, 100, 250).pixUnten, 2);
}

TEST(ViewWindow, TickDecimalsFollowTheWrittenSpacing) {
  const std::pair<const char*, int> cases[] = {{"1", 1}, {"10", 2}, {"0,25", 2}, {"0,5", 1},
                                               {"2,", 0}, {"-1", 2}};
  for (const auto& [text, decimals] : cases) EXPECT_EQ(decimalsOf(QString::fromUtf8(text)), decimals) << text;
}

TEST(ViewWindow, RefusesWindowsThatCannotBeDrawn) {
  struct Case {
    int field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {0, "abc", "Im Feld xmin steht keine gültige Zahl!"},
      {3, "", "Im Feld ymax steht keine gültige Zahl!"},
      {5, "-", "Im Feld y-tic steht keine gültige Zahl!"},
      {1, "-10", "xmin und xmax dürfen nicht gleich sein!"},
      {3, "-9", "ymin und ymax dürfen nicht gleich sein!"},
      {4, "0", "x-tic muss größer als 0 sein!"},
      {5, "-1", "y-tic muss größer als 0 sein!"},
      {1, "-9,9999", "Der Bereich von xmin bis xmax ist zu klein!"},
  };
  for (const Case& c : cases) {
    ViewTexts texts = kDefaultViewTexts;
    texts[c.field] = QString::fromUtf8(c.text);
    auto result = readViewWindow(texts);
    ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.text;
    EXPECT_EQ(std::get<QString>(result).toStdString(), c.message);
  }
  ViewTexts mirrored = {QStringLiteral("0,5"), QStringLiteral("3"),   QStringLiteral("-1,5"),
                        QStringLiteral("2"),   QStringLiteral("0,25"), QStringLiteral("1")};
  ViewWindow view = read(mirrored);
  EXPECT_FLOAT_EQ(view.xmin, 0.5f);
  EXPECT_EQ(view.stellenX, 2);
  // A reversed window, as a zoom dragged from right to left gives, is drawn mirrored.
  ViewTexts reversed = kDefaultViewTexts;
  std::swap(reversed[0], reversed[1]);
  EXPECT_LT(computePixelFrame(read(reversed), 600, 400).massX, 0);
}

}  // namespace
