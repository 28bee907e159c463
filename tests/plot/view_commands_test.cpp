#include <gtest/gtest.h>

#include <QStringList>

#include "plot/view_commands.h"

namespace {

ViewTexts texts(const QStringList& list) {
  ViewTexts result;
  for (int i = 0; i < 6; ++i) result[i] = list[i];
  return result;
}

QStringList list(const ViewTexts& view) {
  QStringList result;
  for (const QString& text : view) result << text;
  return result;
}

QStringList panned(const ViewTexts& start, Pan direction) {
  return list(std::get<ViewTexts>(panView(start, direction)));
}

TEST(ViewCommands, PanMovesOneTickAndBackExactly) {
  const QStringList start = {"-10", "10", "-9", "9", "1", "1"};
  EXPECT_EQ(panned(texts(start), Pan::Left), QStringList({"-9", "11", "-9", "9", "1", "1"}));
  EXPECT_EQ(panned(texts(start), Pan::Right), QStringList({"-11", "9", "-9", "9", "1", "1"}));
  EXPECT_EQ(panned(texts(start), Pan::Up), QStringList({"-10", "10", "-10", "8", "1", "1"}));
  EXPECT_EQ(panned(texts(start), Pan::Down), QStringList({"-10", "10", "-8", "10", "1", "1"}));
  ViewTexts moved = std::get<ViewTexts>(panView(texts(start), Pan::Left));
  EXPECT_EQ(panned(moved, Pan::Right), start);
}

TEST(ViewCommands, PanWorksInSinglePrecision) {
  // 0,1 is no exact binary number: the float sums drift, and seven digits
  // show it (-9.9f + 0.1f is -9.79999924). Worked out independently.
  ViewTexts view = texts({"-10", "10", "-9", "9", "0,1", "1"});
  for (int i = 0; i < 3; ++i) view = std::get<ViewTexts>(panView(view, Pan::Left));
  EXPECT_EQ(list(view), QStringList({"-9,699999", "10,3", "-9", "9", "0,1", "1"}));
  view = texts({"0,3", "1", "-9", "9", "0,1", "1"});
  view = std::get<ViewTexts>(panView(view, Pan::Left));
  EXPECT_EQ(view[0], QStringLiteral("0,4"));
  EXPECT_EQ(view[1], QStringLiteral("1,1"));
}

TEST(ViewCommands, ZoomStepsHalveAndDoubleAllSix) {
  const QStringList start = {"-10", "10", "-9", "9", "1", "1"};
  ViewTexts in = std::get<ViewTexts>(zoomStep(texts(start), true));
  EXPECT_EQ(list(in), QStringList({"-5", "5", "-4,5", "4,5", "0,5", "0,5"}));
  EXPECT_EQ(list(std::get<ViewTexts>(zoomStep(in, false))), start);
  // Double precision: a third stays a third to fifteen digits.
  ViewTexts third = std::get<ViewTexts>(zoomStep(texts({"-1", "1", "-1", "1", "0,333333333333333", "1"}), false));
  EXPECT_EQ(third[4], QStringLiteral("0,666666666666666"));
}

TEST(ViewCommands, FieldThatIsNoNumberIsNamed) {
  EXPECT_EQ(std::get<QString>(panView(texts({"-10", "x", "-9", "9", "1", "1"}), Pan::Left)),
            QStringLiteral("Im Feld xmax steht keine gültige Zahl!"));
  EXPECT_EQ(std::get<QString>(panView(texts({"-10", "10", "-9", "9", "1", ""}), Pan::Up)),
            QStringLiteral("Im Feld y-tic steht keine gültige Zahl!"));
  // A pan reads only its own three fields.
  EXPECT_TRUE(std::holds_alternative<ViewTexts>(panView(texts({"-10", "10", "?", "9", "1", "?"}), Pan::Left)));
  EXPECT_EQ(std::get<QString>(zoomStep(texts({"-10", "10", "-9", "9", "1", "a"}), true)),
            QStringLiteral("Im Feld y-tic steht keine gültige Zahl!"));
}

TEST(ViewCommands, OneToOneIsAFixedWindow) {
  EXPECT_EQ(list(one2oneView()), QStringList({"-8,52", "8,52", "-7,7", "7,7", "1", "1"}));
}

}  // namespace
