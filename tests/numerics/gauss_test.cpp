#include "numerics/gauss.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

using Matrix = std::vector<std::vector<QString>>;

// Every write as "row,col=text" and every pause as "|", in order.
struct Recorder {
  QStringList events;
  GaussSteps steps() {
    return {[this](int row, int col, const QString& text) {
              events << QStringLiteral("%1,%2=%3").arg(row).arg(col).arg(text);
            },
            [this] { events << QStringLiteral("|"); }};
  }
};

}  // namespace

TEST(SolveGauss, EliminatesDownwardThenUpwardPausingAfterEachColumn) {
  // 2x + y = 5, x - y = 1.
  Recorder two;
  EXPECT_EQ(solveGauss({{"2", "1", "5"}, {"1", "-1", "1"}}, two.steps()),
            (std::vector<QString>{"2,0", "1,0"}));
  EXPECT_EQ(two.events,
            (QStringList{"2,1=0", "2,2=-1,5", "2,3=-1,5", "|", "1,2=0", "1,3=4,0", "|"}));
  // x + y + z = 6, 2x + y - z = 1, x - y + 2z = 5: columns 1 and 2 downward (8 and 3
  // writes), then columns 3 and 2 upward (4 and 2).
  Recorder three;
  EXPECT_EQ(solveGauss({{"1", "1", "1", "6"}, {"2", "1", "-1", "1"}, {"1", "-1", "2", "5"}},
                       three.steps()),
            (std::vector<QString>{"1,0", "2,0", "3,0"}));
  QList<qsizetype> pauses;
  for (qsizetype k = 0; k < three.events.size(); ++k) {
    if (three.events[k] == "|") pauses << k - pauses.size();
  }
  EXPECT_EQ(pauses, (QList<qsizetype>{8, 11, 15, 17}));
  EXPECT_TRUE(three.events.contains("3,3=7,0") && three.events.contains("3,4=21,0"));
  EXPECT_EQ(three.events.last(2).first(), "1,4=1,0");
}

TEST(SolveGauss, FormatsWithTwoDecimalsAtMost) {
  const char* cases[][3] = {
      {"3", "1", "0,33"}, {"1", "2", "2,0"}, {"-2", "3", "-1,5"}, {"1,5", "0", "0,0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(solveGauss({{c[0], c[1]}}, {}), std::vector<QString>{QString::fromLatin1(c[2])})
        << c[0] << " " << c[1];
  }
}

TEST(SolveGauss, DownwardMultiplierIsSinglePrecisionUpwardIsNot) {
  // Downward f = float(1/3): 3000000 * f = 1000000.0298...
  Recorder down;
  solveGauss({{"3", "3000000", "0"}, {"-1", "0", "1"}}, down.steps());
  EXPECT_TRUE(down.events.contains("2,2=1000000,03"));
  // Upward m = -1/3 exactly enough that 3000000 * m stays -1000000.
  Recorder up;
  EXPECT_EQ(solveGauss({{"1", "1", "0"}, {"0", "3", "3000000"}}, up.steps()),
            (std::vector<QString>{"-1000000,0", "1000000,0"}));
  EXPECT_TRUE(up.events.contains("1,3=-1000000,0"));
}

TEST(SolveGauss, RefusesZeroPivotsOverflowAndCellsThatAreNoNumber) {
  const Matrix cases[] = {
      {{"0", "1", "1"}, {"1", "1", "2"}},          // solvable, but no rows are exchanged
      {{"1", "1", "2"}, {"2", "2", "4"}},          // zero pivot only after elimination
      {{"0", "5"}},                                // zero diagonal element
      {{"1E-300", "1", "1"}, {"1", "1", "2"}},     // multiplier overflows
      {{"1", "1E300", "0"}, {"-1E30", "0", "1"}},  // a diagonal element overflows
  };
  for (const Matrix& matrix : cases)
    EXPECT_FALSE(solveGauss(matrix, {})) << matrix[0][0].toStdString();
  // Cells that are no number are refused before anything is written.
  const Matrix unreadable[] = {{{"2", "1", "5"}, {"1", "-1", "abc"}},
                               {{"2", "", "5"}, {"1", "-1", "1"}},
                               {{"2", "1", "5"}, {"1", "-1"}}};
  for (const Matrix& matrix : unreadable) {
    Recorder recorder;
    EXPECT_FALSE(solveGauss(matrix, recorder.steps()));
    EXPECT_TRUE(recorder.events.isEmpty()) << recorder.events.join(' ').toStdString();
  }
}
