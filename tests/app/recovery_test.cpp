// The program killed after a change leaves its recovery file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "documents/recovery_file.h"

namespace {

TEST(Recovery, AKilledProgramLeavesTheSheetInItsRecoveryFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString sheet = dir.filePath(QStringLiteral("blatt.fkt"));
  QFile file(sheet);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("-5,5,-4,4,1,1\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n");
  file.close();

  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
  environment.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("print_suppressions=0"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(KURVALON_EXECUTABLE), {sheet});  // opening it is a change
  ASSERT_TRUE(process.waitForStarted());

  const QString recovery = dir.filePath(QStringLiteral("data/Kurvalon/recovery-1.json"));
  QElapsedTimer waited;
  waited.start();
  while (!QFile::exists(recovery) && waited.elapsed() < 30000) QThread::msleep(50);
  ASSERT_TRUE(QFile::exists(recovery)) << "no recovery file after " << waited.elapsed() << " ms";
  process.kill();  // SIGKILL: nothing is cleaned up
  ASSERT_TRUE(process.waitForFinished());
  EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

  // The next program takes over the slot and finds the sheet.
  RecoveryFile next(dir.filePath(QStringLiteral("data/Kurvalon")));
  EXPECT_EQ(next.path(), recovery);
  ASSERT_TRUE(next.leftOver());
  std::optional<RecoveredSheet> found = readRecovery(*next.leftOver());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->terms, QStringList({"x^2-2x", "sin(x)"}));
  EXPECT_EQ(found->view, (std::array<float, 6>{-5, 5, -4, 4, 1, 1}));
}

}  // namespace
