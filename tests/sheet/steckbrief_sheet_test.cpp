// A reconstruction task on the sheet: kept by undo, the graph file and the
// recovery file, written as Latin-1 whatever the pupil typed.
#include <QFile>
#include <QTemporaryDir>

#include "documents/graph_file.h"
#include "documents/recovery_file.h"
#include "sheet/sheet_fixture.h"

namespace {

using SteckbriefSheetTest = SheetFixture;

const SteckbriefTask kTask{4, {QStringLiteral("achsensymmetrisch"), QStringLiteral("HP(0 | 4)"),
                              QStringLiteral("f′(−1) = 0"), QStringLiteral("a\\u2212b")}};

TEST_F(SteckbriefSheetTest, TheTaskSurvivesUndoSavingOpeningAndRecovery) {
  enter({QStringLiteral("x^2")});
  act([&] { sheet.setSteckbrief(kTask); });
  act([&] {
    SteckbriefTask more = kTask;
    more.conditions << QStringLiteral("TP(1 | 3)");
    sheet.setSteckbrief(more);
  });
  act([&] { sheet.undo(); });
  EXPECT_EQ(sheet.steckbrief(), kTask);

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("steckbrief.fkt"));
  ASSERT_TRUE(sheet.save(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("-10,10,-9,9,1,1\r\n\"x^2\"\r\n#Steckbrief Grad=4\r\n"
                                       "#Bedingung achsensymmetrisch\r\n#Bedingung HP(0 | 4)\r\n"
                                       "#Bedingung f\\u2032(\\u22121) = 0\r\n"
                                       "#Bedingung a\\\\u2212b\r\n"));

  Sheet opened(engine);
  opened.setSurface([this] { return Sheet::Surface{size_, 1}; });
  ASSERT_TRUE(opened.open(path));
  EXPECT_EQ(opened.steckbrief(), kTask);

  Sheet recovered(engine);
  recovered.setSurface([this] { return Sheet::Surface{size_, 1}; });
  ASSERT_TRUE(recovered.restoreRecovery(sheet.recoveryBytes()));
  EXPECT_EQ(recovered.steckbrief(), kTask);

  act([&] { sheet.neu(); });
  EXPECT_TRUE(sheet.steckbrief().isEmpty());
}

TEST(SteckbriefFile, BrokenTaskLinesAreRefusedWithTheirLine) {
  for (const char* line : {"#Steckbrief Grad=7", "#Steckbrief Grad=drei", "#Bedingung f\\u22(1)",
                           "#Bedingung x\\q", "#Bedingung \\u12"}) {
    const auto read = readGraphFile(QByteArray("-10,10,-9,9,1,1\r\n\"x\"\r\n") + line + "\r\n");
    ASSERT_TRUE(std::holds_alternative<QString>(read)) << line;
    EXPECT_TRUE(std::get<QString>(read).startsWith(QStringLiteral("Zeile 3: "))) << line;
  }
  // Every character a pupil types comes back, a backslash too.
  const QString typed = QStringLiteral("Tangente y = −½x + 4 bei x = 4 \\ ∞ ‴");
  EXPECT_EQ(unescapedCondition(escapedCondition(typed)), typed);
  const QString escaped = escapedCondition(typed);
  EXPECT_EQ(QString::fromLatin1(escaped.toLatin1()), escaped);  // nothing lost in Latin-1
}

}  // namespace
