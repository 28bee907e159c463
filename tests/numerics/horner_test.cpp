#include "numerics/horner.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

using Look = HornerCell::Look;

std::optional<HornerCell> cellAt(const HornerResult& result, int row, int col) {
  for (const HornerCell& cell : result.cells) {
    if (cell.row == row && cell.col == col) return cell;
  }
  return std::nullopt;
}

QString textAt(const HornerResult& result, int row, int col) {
  const auto cell = cellAt(result, row, col);
  return cell ? cell->text : QStringLiteral("<missing>");
}

}  // namespace

TEST(HornerScheme, WritesEveryBlockOfTheSchemeInOrder) {
  // x^2 - 2x + 1 at 2: f(2) = 1, f'(2) = 2, f''(2)/2! = 1.
  const HornerResult result = hornerScheme({"1", "-2", "1"}, "2");
  ASSERT_FALSE(result.failed);
  const struct {
    int row, col;
    const char* text;
    Look look;
  } expected[] = {
      {3, 0, "2", Look::X0},    {2, 1, "0", Look::Plain},
      {3, 1, "1", Look::Plain}, {2, 2, "2", Look::Plain},
      {3, 2, "0", Look::Plain}, {2, 3, "0", Look::Plain},
      {3, 3, "1", Look::Plain}, {3, 4, "= f(2)/0!", Look::Label},
      {5, 0, "2", Look::X0},    {4, 1, "0", Look::Plain},
      {5, 1, "1", Look::Plain}, {4, 2, "2", Look::Plain},
      {5, 2, "2", Look::Plain}, {5, 3, "= f'(2)/1!", Look::Label},
      {7, 0, "2", Look::X0},    {6, 1, "0", Look::Plain},
      {7, 1, "1", Look::Plain}, {7, 2, "= f''(2)/2!", Look::Label},
  };
  ASSERT_EQ(result.cells.size(), std::size(expected));
  for (size_t k = 0; k < std::size(expected); ++k) {
    const HornerCell& cell = result.cells[k];
    EXPECT_EQ(std::tie(cell.row, cell.col), std::tie(expected[k].row, expected[k].col)) << k;
    EXPECT_EQ(cell.text, QString::fromLatin1(expected[k].text)) << k;
    EXPECT_EQ(cell.look, expected[k].look) << k;
  }
}

TEST(HornerScheme, PutsTheLabelOfEveryBlockAfterItsLastSum) {
  // Degree 7: block i ends in row 2i + 1 at column n + 3 - i.
  const HornerResult result = hornerScheme({"1", "0", "0", "0", "0", "0", "0", "-1"}, "1");
  ASSERT_FALSE(result.failed);
  for (int block = 1; block <= 8; ++block) {
    const auto label = cellAt(result, 2 * block + 1, 10 - block);
    ASSERT_TRUE(label) << block;
    EXPECT_EQ(label->look, Look::Label);
    EXPECT_EQ(label->text, hornerLabel(block, "1"));
  }
  EXPECT_EQ(textAt(result, 17, 2), "= f'''''''(1)/7!");
}

TEST(HornerScheme, LabelsCountDerivativesAndShowX0AsNumberText) {
  EXPECT_EQ(hornerLabel(1, "2"), "= f(2)/0!");
  EXPECT_EQ(hornerLabel(3, "-0,5"), "= f''(-0,5)/2!");
  const HornerResult result = hornerScheme({"1", "0"}, "1.50");
  EXPECT_EQ(textAt(result, 3, 0), "1,5");
  EXPECT_EQ(textAt(result, 3, 3), "= f(1,5)/0!");
}

TEST(HornerScheme, ReadsEmptyCoefficientsAsZero) {
  const HornerResult result = hornerScheme({"0", "", "3"}, "2");
  ASSERT_FALSE(result.failed);
  EXPECT_EQ(textAt(result, 3, 2), "0");
  EXPECT_EQ(textAt(result, 3, 3), "3");  // f(2) = 3
}

TEST(HornerScheme, FormsEachSumFromTheUnroundedProduct) {
  // x0 = a(1) = 1 + 2^-12: the product 1 + 2^-11 + 2^-24 loses its last bit in single
  // precision, but the sum with -1 keeps it.
  const HornerResult result = hornerScheme({"1,000244140625", "-1"}, "1,000244140625");
  EXPECT_EQ(textAt(result, 2, 2), "1,000488");
  EXPECT_EQ(textAt(result, 3, 2), "4,883409E-04");
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
