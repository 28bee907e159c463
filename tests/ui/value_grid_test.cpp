#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "gui_app.h"
#include "ui/value_grid.h"

namespace {

const QColor kYellow(255, 255, 192), kRed(255, 0, 0), kWhite(Qt::white);
using Cell = std::pair<int, int>;

class ValueGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication<QApplication>();
    grid = std::make_unique<ValueGrid>();
    grid->setRows(4);
    grid->setCols(3);
    grid->resize(400, 300);
    grid->show();
  }

  Cell at() const { return {grid->row(), grid->col()}; }
  QPoint centre(int row, int col) const {
    return grid->visualItemRect(grid->item(row, col)).center();
  }
  void click(int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre(row, col));
  }
  QColor painted(int row, int col) const {
    return grid->grab().toImage().pixelColor(centre(row, col) + grid->viewport()->pos());
  }

  std::unique_ptr<ValueGrid> grid;
};

TEST_F(ValueGridTest, TypingKeepsDigitsCommasAndMinusOnly) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"", "a b+E7", "7"}, {"1,2", ",3", "1,2,3"}, {"", "--4", "--4"}, {"-", "0.25", "-0,25"}};
  for (const auto& [before, typed, after] : cases) {
    grid->setTextAt(1, 1, QString::fromLatin1(before));
    QTest::keyClicks(grid.get(), QString::fromLatin1(typed));
    EXPECT_EQ(grid->text(), QString::fromLatin1(after)) << typed;
  }
}

TEST_F(ValueGridTest, BackspaceRemovesTheLastCharacterAndEnterNothing) {
  const std::tuple<Qt::Key, const char*, const char*> cases[] = {{Qt::Key_Backspace, "-1,5", "-1,"},
                                                                 {Qt::Key_Backspace, "7", ""},
                                                                 {Qt::Key_Backspace, "", ""},
                                                                 {Qt::Key_Return, "3,5", "3,5"},
                                                                 {Qt::Key_Enter, "3,5", "3,5"}};
  grid->setCurrent(2, 2);
  for (const auto& [key, before, after] : cases) {
    grid->setText(QString::fromLatin1(before));
    QTest::keyClick(grid.get(), key);
    EXPECT_EQ(grid->textAt(2, 2), QString::fromLatin1(after)) << before;
    EXPECT_EQ(at(), Cell(2, 2));
  }
}

TEST_F(ValueGridTest, ProgramCanMakeAHeadingCurrentForTyping) {
  grid->setTextAt(3, 0, QStringLiteral("2."));
  grid->setCurrent(2, 1);
  grid->setCurrent(3, 0);
  QTest::keyClicks(grid.get(), QStringLiteral("5"));
  EXPECT_EQ(grid->textAt(3, 0), QStringLiteral("2.5"));
  EXPECT_TRUE(grid->selectedItems().isEmpty());
  grid->setCurrent(9, 1);  // outside: ignored
  EXPECT_EQ(at(), Cell(3, 0));
}

TEST_F(ValueGridTest, MouseSelectsDataCellsButNotHeadings) {
  click(0, 2);
  click(2, 0);
  EXPECT_EQ(at(), Cell(1, 1));
  click(3, 2);
  EXPECT_EQ(at(), Cell(3, 2));
  EXPECT_EQ(Cell(grid->currentRow(), grid->currentColumn()), Cell(3, 2));
}

TEST_F(ValueGridTest, ArrowsStayWithinDataCells) {
  const std::tuple<Cell, Qt::Key, Cell> cases[] = {
      {{1, 1}, Qt::Key_Up, {1, 1}},   {{1, 1}, Qt::Key_Left, {1, 1}},
      {{1, 1}, Qt::Key_Down, {2, 1}}, {{1, 1}, Qt::Key_Right, {1, 2}},
      {{3, 2}, Qt::Key_Down, {3, 2}}, {{3, 2}, Qt::Key_Right, {3, 2}},
      {{3, 0}, Qt::Key_Up, {3, 0}},   {{3, 0}, Qt::Key_Right, {3, 1}}};
  for (const auto& [from, key, to] : cases) {
    grid->setCurrent(from.first, from.second);
    QTest::keyClick(grid.get(), key);
    EXPECT_EQ(at(), to) << from.first << "," << from.second << " key " << key;
  }
  EXPECT_EQ(Cell(grid->currentRow(), grid->currentColumn()), Cell(3, 1));
}

TEST_F(ValueGridTest, HeadingsUseButtonFaceAndDataCellsTheDataColour) {
  const QColor face = grid->palette().color(QPalette::Button);
  grid->setCurrent(2, 1);
  grid->setCellBackground(kRed);
  grid->setDataColour(kYellow);
  EXPECT_EQ(grid->cellBackground(0, 2), face);
  EXPECT_EQ(grid->cellBackground(2, 0), face);
  EXPECT_EQ(grid->cellBackground(3, 2), kYellow);
  EXPECT_EQ(grid->cellBackground(2, 1), kRed);  // the cell's own colour wins
  grid->setCurrent(0, 0);                       // no data cell shows as selected
  EXPECT_EQ(painted(0, 1), face);
  EXPECT_EQ(painted(1, 2), kYellow);
}

TEST_F(ValueGridTest, ResizingKeepsTextsAndStylesAndClearAllKeepsTheCounts) {
  grid->setTextAt(0, 1, QStringLiteral("x"));
  grid->setTextAt(2, 1, QStringLiteral("7"));
  grid->setCurrent(3, 2);
  grid->setRows(3);
  EXPECT_EQ(at(), Cell(2, 2));  // the current cell is clamped
  grid->setRows(6);
  grid->setCols(5);
  EXPECT_EQ(grid->textAt(2, 1), QStringLiteral("7"));
  EXPECT_EQ(grid->textAt(5, 4), QString());
  EXPECT_EQ(grid->cellBackground(5, 0), grid->palette().color(QPalette::Button));
  EXPECT_EQ(grid->cellBackground(5, 4), kWhite);
  grid->setCellBackground(kRed);
  grid->setCellForeground(kRed);
  ASSERT_EQ(grid->cellBackground(2, 2), kRed);
  grid->clearAll();
  EXPECT_EQ(Cell(grid->rows(), grid->cols()), Cell(6, 5));
  EXPECT_EQ(grid->textAt(0, 1) + grid->textAt(2, 1), QString());
  EXPECT_EQ(grid->cellBackground(2, 2), kWhite);
  EXPECT_NE(grid->cellForeground(2, 2), kRed);
}

TEST_F(ValueGridTest, WidthsAndCellRectAreInTwips) {
  const int dpi = grid->logicalDpiX();
  grid->setColumnWidthTwips(0, 720);
  grid->setColumnWidthTwips(1, 1440);
  EXPECT_EQ(grid->columnWidth(1), dpi);
  EXPECT_EQ(grid->columnWidthTwips(1), 1440);
  grid->setCurrent(2, 2);
  const QRect cell = grid->currentCellTwips();
  const int frame = std::lround(grid->viewport()->x() * 1440.0 / dpi);
  EXPECT_EQ(cell.left() - frame, 2160);
  EXPECT_EQ(cell.width(), grid->columnWidthTwips(2));
}

}  // namespace
