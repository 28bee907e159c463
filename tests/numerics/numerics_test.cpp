#include <gtest/gtest.h>

#include <QStringList>

#include "engine/number_text.h"
#include "numerics/gauss.h"
#include "numerics/horner.h"
#include "numerics/newton.h"
#include "numerics/spline.h"
#include "qstring_print.h"

namespace {

using Matrix = std::vector<std::vector<QString>>;
using Solution = std::optional<std::vector<QString>>;

// Every write of the elimination as "row,col=text" and every pause as "|", in order.
struct Recorder {
  QStringList events;
  GaussSteps steps() {
    return {[this](int row, int col, const QString& text) {
              events << QStringLiteral("%1,%2=%3").arg(row).arg(col).arg(text);
            },
            [this] { events << QStringLiteral("|"); }};
  }
};

TEST(SolveGauss, EliminatesDownwardThenUpwardPausingAfterEachColumn) {
  // 2x + y = 5, x - y = 1.
  Recorder two;
  EXPECT_EQ(solveGauss({{"2", "1", "5"}, {"1", "-1", "1"}}, two.steps()), Solution({"2,0", "1,0"}));
  EXPECT_EQ(two.events,
            QStringList({"2,1=0", "2,2=-1,5", "2,3=-1,5", "|", "1,2=0", "1,3=4,0", "|"}));
  // x + y + z = 6, 2x + y - z = 1, x - y + 2z = 5: columns 1 and 2 downward (8 and 3
  // writes), then columns 3 and 2 upward (4 and 2).
  Recorder three;
  EXPECT_EQ(solveGauss({{"1", "1", "1", "6"}, {"2", "1", "-1", "1"}, {"1", "-1", "2", "5"}},
                       three.steps()),
            Solution({"1,0", "2,0", "3,0"}));
  QList<qsizetype> pauses;
  for (qsizetype k = 0; k < three.events.size(); ++k) {
    if (three.events[k] == "|") pauses << k - pauses.size();
  }
  EXPECT_EQ(pauses, QList<qsizetype>({8, 11, 15, 17}));
  EXPECT_TRUE(three.events.contains("3,3=7,0") && three.events.contains("3,4=21,0"));
  EXPECT_EQ(three.events.last(2).first(), "1,4=1,0");
  // Results with two decimals at most.
  EXPECT_EQ(solveGauss({{"3", "1"}}, {}), Solution({"0,33"}));
  EXPECT_EQ(solveGauss({{"-2", "3"}}, {}), Solution({"-1,5"}));
  EXPECT_EQ(solveGauss({{"1,5", "0"}}, {}), Solution({"0,0"}));
}

TEST(SolveGauss, DownwardMultiplierIsSinglePrecisionUpwardIsNot) {
  // Downward f = float(1/3): 3000000 * f = 1000000.0298...
  Recorder down;
  solveGauss({{"3", "3000000", "0"}, {"-1", "0", "1"}}, down.steps());
  EXPECT_TRUE(down.events.contains("2,2=1000000,03")) << down.events.join(' ').toStdString();
  // Upward m = -1/3 exactly enough that 3000000 * m stays -1000000.
  Recorder up;
  EXPECT_EQ(solveGauss({{"1", "1", "0"}, {"0", "3", "3000000"}}, up.steps()),
            Solution({"-1000000,0", "1000000,0"}));
  EXPECT_TRUE(up.events.contains("1,3=-1000000,0"));
}

// No rows are exchanged: a zero pivot is refused even where the system is solvable. Cells
// that are no number are refused before anything is written.
TEST(SolveGauss, RefusesZeroPivotsOverflowAndCellsThatAreNoNumber) {
  // clang-format off
  const Matrix cases[] = {
      {{"0", "1", "1"}, {"1", "1", "2"}}, {{"1", "1", "2"}, {"2", "2", "4"}}, {{"0", "5"}},
      {{"1E-300", "1", "1"}, {"1", "1", "2"}}, {{"1", "1E300", "0"}, {"-1E30", "0", "1"}},
      {{"2", "1", "5"}, {"1", "-1", "abc"}}, {{"2", "", "5"}, {"1", "-1", "1"}},
      {{"2", "1", "5"}, {"1", "-1"}}};
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i) {
    Recorder recorder;
    EXPECT_FALSE(solveGauss(cases[i], recorder.steps())) << i;
    if (i >= 5) {
      EXPECT_TRUE(recorder.events.isEmpty()) << recorder.events.join(' ').toStdString();
    }
  }
}

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

TEST(HornerScheme, WritesEveryBlockOfTheSchemeInOrder) {
  // x^2 - 2x + 1 at 2: f(2) = 1, f'(2) = 2, f''(2)/2! = 1.
  const HornerResult result = hornerScheme({"1", "-2", "1"}, "2");
  ASSERT_FALSE(result.failed);
  EXPECT_EQ(cellsOf(result),
            QStringList({"3,0x=2", "2,1=0", "3,1=1", "2,2=2", "3,2=0", "2,3=0", "3,3=1",
                         "3,4L= f(2)/0!", "5,0x=2", "4,1=0", "5,1=1", "4,2=2", "5,2=2",
                         "5,3L= f'(2)/1!", "7,0x=2", "6,1=0", "7,1=1", "7,2L= f''(2)/2!"}));
  // Degree 7: block i ends in row 2i + 1 at column n + 3 - i.
  const QStringList seven = cellsOf(hornerScheme({"1", "0", "0", "0", "0", "0", "0", "-1"}, "1"));
  for (int block = 1; block <= 8; ++block) {
    EXPECT_TRUE(seven.contains(
        QStringLiteral("%1,%2L%3").arg(2 * block + 1).arg(10 - block).arg(hornerLabel(block, "1"))))
        << block;
  }
  EXPECT_TRUE(seven.contains("17,2L= f'''''''(1)/7!"));
  EXPECT_EQ(hornerLabel(3, "-0,5"), "= f''(-0,5)/2!");
  // x0 shown as number text; an empty coefficient reads as 0.
  const QStringList typed = cellsOf(hornerScheme({"0", "", "3"}, "1.50"));
  for (const char* cell : {"3,0x=1,5", "3,2=0", "3,3=3", "3,4L= f(1,5)/0!"}) {
    EXPECT_TRUE(typed.contains(cell)) << cell;
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
  const std::pair<QStringList, const char*> cases[] = {{{"1", "1,2,3"}, "2"}, {{"-", "1"}, "2"},
                                                       {{"1E39", "1"}, "2"},  {{"1", "2"}, "abc"},
                                                       {{"1", "2"}, ""},      {{"1", "2"}, "1E39"}};
  for (const auto& [coefficients, x0] : cases) {
    const HornerResult result = hornerScheme(coefficients, QString::fromLatin1(x0));
    EXPECT_TRUE(result.failed && result.cells.empty())
        << coefficients.join(' ').toStdString() << " / " << x0;
  }
}

TEST(NewtonPolynomial, WritesTheTermAsAPupilReadsItOrRefuses) {
  const std::tuple<QStringList, QStringList, const char*> cases[] = {
      {{"1", "2", "4"}, {"2", "3", "1"}, "2+1,0*(x-1,0)-0,667*(x-1,0)*(x-2,0)"},
      {{"-1", "0", "1"}, {"0", "1", "0"}, "0+1,0*(x+1)-1,0*(x+1)*(x+0)"},
      {{"1", "3"}, {"1", "5"}, "1+2,0*(x-1,0)"},
      {{"1", "3"}, {"2,50", "2,5"}, "2,50+0,0*(x-1,0)"},  // the first y as typed
      {{"0,5", "1,5"}, {"0", "1"}, "0+1,0*(x-0,5)"},
      // Equal x values, an empty y, an x and a y that are no number.
      {{"1", "1"}, {"2", "3"}, nullptr},
      {{"1", "2"}, {"2", ""}, nullptr},
      {{"1", "a"}, {"2", "3"}, nullptr},
      {{"1", "2"}, {"1,2,3", "3"}, nullptr}};
  for (const auto& [xs, ys, term] : cases) {
    const std::optional<NewtonPolynomial> p = newtonPolynomial(xs, ys);
    EXPECT_EQ(p ? p->term : QString(), QString::fromLatin1(term)) << xs.join(' ').toStdString();
  }
  const std::optional<NewtonPolynomial> p = newtonPolynomial({"1", "2", "4"}, {"2", "3", "1"});
  ASSERT_TRUE(p && p->coefficients.size() == 3);
  EXPECT_DOUBLE_EQ(p->coefficients[1], 1);
  EXPECT_NEAR(p->coefficients[2], -2.0 / 3, 1e-12);
}

TEST(NaturalSpline, ThreePointsGiveTheTwoWorkedPieces) {
  auto pieces = naturalSpline({"0", "1", "2"}, {"0", "1", "0"});
  ASSERT_TRUE(pieces && pieces->size() == 2u);
  EXPECT_EQ((*pieces)[0].shown, (std::array<QString, 4>{"-0,5", "0,0", "1,5", "0,0"}));
  EXPECT_EQ((*pieces)[1].shown, (std::array<QString, 4>{"0,5", "-3,0", "4,5", "-1,0"}));
  EXPECT_EQ((*pieces)[0].term, "((-0,5*x-0)*x+1,5)*x-0");
  EXPECT_EQ((*pieces)[1].term, "((0,5*x-3)*x+4,5)*x-1");
  // Two points give the line; the sign follows the value, the size the table: 0,00001 gives
  // +0, 0 gives -0.
  auto line = naturalSpline({"1", "3"}, {"1", "5"});
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ((*line)[0].shown, (std::array<QString, 4>{"0,0", "0,0", "2,0", "-1,0"}));
  EXPECT_EQ((*line)[0].term, "((0,0*x-0)*x+2)*x-1");
  EXPECT_EQ((*naturalSpline({"0", "1"}, {"0", "0,00001"}))[0].term, "((0,0*x-0)*x+0)*x-0");
  EXPECT_FALSE(naturalSpline({"0", "0", "2"}, {"0", "1", "0"}));  // equal x values
  EXPECT_FALSE(naturalSpline({"0", "a"}, {"0", "1"}));
  EXPECT_FALSE(naturalSpline({"0"}, {"0"}));
}

// Five uneven points: the pieces pass through them, meet with equal slope
// and bending, and do not bend at the ends: the properties of the natural
// spline, checked on the coefficients themselves.
TEST(NaturalSpline, PiecesInterpolateAndJoinSmoothlyWithStraightEnds) {
  const double x[] = {-4, -1, 0.5, 2, 5}, y[] = {0, 2, -1, 1.5, 0};
  QStringList xs, ys;
  for (int i = 0; i < 5; ++i) {
    xs << numberText(x[i]);
    ys << numberText(y[i]);
  }
  const auto pieces = naturalSpline(xs, ys);
  ASSERT_TRUE(pieces && pieces->size() == 4u);
  auto at = [&](int k, double t, int derivative) {
    const auto& [a, b, c, d] = (*pieces)[k].coefficients;
    if (derivative == 0) return ((a * t + b) * t + c) * t + d;
    if (derivative == 1) return (3 * a * t + 2 * b) * t + c;
    return 6 * a * t + 2 * b;
  };
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(at(k, x[k], 0), y[k], 1e-5) << k;
    EXPECT_NEAR(at(k, x[k + 1], 0), y[k + 1], 1e-5) << k;
  }
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(at(k, x[k + 1], 1), at(k + 1, x[k + 1], 1), 1e-5) << k;
    EXPECT_NEAR(at(k, x[k + 1], 2), at(k + 1, x[k + 1], 2), 1e-5) << k;
  }
  EXPECT_NEAR(at(0, x[0], 2), 0, 1e-5);
  EXPECT_NEAR(at(3, x[4], 2), 0, 1e-5);
}

}  // namespace
