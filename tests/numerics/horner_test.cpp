#include "numerics/horner.h"

#include <gtest/gtest.h>

namespace {

// Every cell as "row,col=text", with "x=" for x0 and "L" before a label.
QStringList cellsOf(const HornerResult& result) {
  QStringList cells;
  for (const HornerCell& cell : result.cells) {
    const char* look = cell.look == HornerCell::Look::X0      ? "x="
                       : cell.look == HornerCell::Look::Label ? "L"
                                                              : "=";
    cells << QStringLiteral("%1,%2%3%4").arg(cell.row).arg(cell.col).arg(look).arg(cell.text);
  }
  return cells;
}

}  // namespace

TEST(HornerScheme, WritesEveryBlockOfTheSchemeInOrder) {
  // x^2 - 2x + 1 at 2: f(2) = 1, f'(2) = 2, f''(2)/2! = 1.
  const HornerResult result = hornerScheme({"1", "-2", "1"}, "2");
  ASSERT_FALSE(result.failed);
  EXPECT_EQ(cellsOf(result),
            (QStringList{"3,0x=2", "2,1=0", "3,1=1", "2,2=2", "3,2=0", "2,3=0", "3,3=1",
                         "3,4L= f(2)/0!", "5,0x=2", "4,1=0", "5,1=1", "4,2=2", "5,2=2",
                         "5,3L= f'(2)/1!", "7,0x=2", "6,1=0", "7,1=1", "7,2L= f''(2)/2!"}));
}

TEST(HornerScheme, PutsTheLabelOfEveryBlockAfterItsLastSum) {
  // Degree 7: block i ends in row 2i + 1 at column n + 3 - i.
  const QStringList cells = cellsOf(hornerScheme({"1", "0", "0", "0", "0", "0", "0", "-1"}, "1"));
  for (int block = 1; block <= 8; ++block) {
    EXPECT_TRUE(cells.contains(
        QStringLiteral("%1,%2L%3").arg(2 * block + 1).arg(10 - block).arg(hornerLabel(block, "1"))))
        << block;
  }
  EXPECT_TRUE(cells.contains("17,2L= f'''''''(1)/7!"));
  EXPECT_EQ(hornerLabel(3, "-0,5"), "= f''(-0,5)/2!");
}

TEST(HornerScheme, ShowsX0AsNumberTextAndReadsEmptyCoefficientsAsZero) {
  const QStringList cells = cellsOf(hornerScheme({"0", "", "3"}, "1.50"));
  for (const char* cell : {"3,0x=1,5", "3,2=0", "3,3=3", "3,4L= f(1,5)/0!"}) {
    EXPECT_TRUE(cells.contains(cell)) << cell;
  }
}

TEST(HornerScheme, FormsEachSumFromTheUnroundedProduct) {
  // x0 = a(1) = 1 + 2^-12: the product 1 + 2^-11 + 2^-24 loses its last bit in single
  // precision, but the sum with -1 keeps it.
  const QStringList cells = cellsOf(hornerScheme({"1,000244140625", "-1"}, "1,000244140625"));
  EXPECT_TRUE(cells.contains("2,2=1,000488"));
  EXPECT_TRUE(cells.contains("3,2=4,883409E-04"));
}

TEST(HornerScheme, FailsWithoutCellsOnTextsThatAreNoNumber) {
  const struct {
    QStringList coefficients;
    const char* x0;
  } cases[] = {
      {{"1", "1,2,3"}, "2"}, {{"-", "1"}, "2"}, {{"1E39", "1"}, "2"},
      {{"1", "2"}, "abc"},   {{"1", "2"}, ""},  {{"1", "2"}, "1E39"},
  };
  for (const auto& c : cases) {
    const HornerResult result = hornerScheme(c.coefficients, QString::fromLatin1(c.x0));
    EXPECT_TRUE(result.failed) << c.coefficients.join(' ').toStdString() << " / " << c.x0;
    EXPECT_TRUE(result.cells.empty());
  }
}
