// kurvalon SHEET.fkt ...: the program opens the sheets it is given, and when
// it is killed after that change its recovery file stays behind.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include "documents/recovery_file.h"

namespace {

TEST(OpenCommand, OpensEveryReadableSheetStaysOpenAfterAnUnreadableOneAndLeavesItsRecovery) {
  QTemporaryDir dir;
  const QString first = dir.filePath(QStringLiteral("erstes.fkt"));
  const QString second = dir.filePath(QStringLiteral("zweites.fkt"));
  const QString broken = dir.filePath(QStringLiteral("kaputt.fkt"));
  for (const auto& [name, bytes] : {std::pair{first, "-5,5,-4,4,1,1\r\n\"x^2-2x\"\r\n"},
                                    {second, "-3,3,-2,2,1,1\r\n\"sin(x)\"\r\n\"1/x\"\r\n"},
                                    {broken, "kein Blatt\r\n"}}) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
  }

  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
  environment.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("print_suppressions=0"));
  process.setProcessEnvironment(environment);
  // The unreadable sheet comes last: its message waits for an OK nobody gives.
  process.start(QStringLiteral(KURVALON_EXECUTABLE), {first, second, broken});
  ASSERT_TRUE(process.waitForStarted());

  // Opening is a change: the recovery file holds both sheets once the window does.
  const QString recovery = dir.filePath(QStringLiteral("data/Kurvalon/recovery-1.json"));
  std::optional<RecoveredSheet> shown;
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 30000 && !(shown && shown->terms.size() >= 3)) {
    QFile file(recovery);
    if (file.open(QIODevice::ReadOnly)) shown = readRecovery(file.readAll());
    QThread::msleep(50);
  }
  ASSERT_TRUE(shown) << "no recovery file after " << waited.elapsed() << " ms";
  EXPECT_FALSE(process.waitForFinished(1000)) << "ended with " << process.exitCode();
  QSettings settings(dir.filePath(QStringLiteral("config/Kurvalon/Kurvalon.conf")),
                     QSettings::IniFormat);
  EXPECT_EQ(settings.value(QStringLiteral("recentFiles")).toStringList(),
            QStringList({second, first}));
  process.kill();  // SIGKILL: nothing is cleaned up
  ASSERT_TRUE(process.waitForFinished());
  EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

  // The next program takes over the slot and finds the sheet.
  RecoveryFile next(dir.filePath(QStringLiteral("data/Kurvalon")));
  EXPECT_EQ(next.path(), recovery);
  ASSERT_TRUE(next.leftOver());
  const std::optional<RecoveredSheet> found = readRecovery(*next.leftOver());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->terms, QStringList({"x^2-2x", "sin(x)", "1/x"}));
  EXPECT_EQ(found->view, (std::array<float, 6>{-3, 3, -2, 2, 1, 1}));
}

}  // namespace
