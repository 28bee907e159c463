// The list behind "Zuletzt geöffnet".
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "documents/recent_files.h"

namespace {

TEST(RecentFiles, NewestFirstAtMostFiveEachOnceAndKeptInTheSettings) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(QStringLiteral("Kurvalon.conf"));
  auto sheet = [&](int i) { return dir.filePath(QStringLiteral("blatt%1.fkt").arg(i)); };
  {
    QSettings settings(ini, QSettings::IniFormat);
    RecentFiles recent(&settings);
    EXPECT_TRUE(recent.files().isEmpty());
    for (int i = 1; i <= 6; ++i) recent.add(sheet(i));
    EXPECT_EQ(recent.files(), QStringList({sheet(6), sheet(5), sheet(4), sheet(3), sheet(2)}));
    recent.add(sheet(4));                                           // moves up, not in twice
    recent.add(dir.filePath(QStringLiteral("neu/../blatt3.fkt")));  // the same sheet
    recent.remove(sheet(5));
    EXPECT_EQ(recent.files(), QStringList({sheet(3), sheet(4), sheet(6), sheet(2)}));
  }
  // The next start reads what this one wrote.
  QSettings settings(ini, QSettings::IniFormat);
  EXPECT_EQ(RecentFiles(&settings).files(), QStringList({sheet(3), sheet(4), sheet(6), sheet(2)}));

  // A list edited by hand: relative names become absolute, repeats and
  // empty entries go, and no more than five are taken.
  settings.setValue(QStringLiteral("recentFiles"),
                    QStringList({QStringLiteral("a.fkt"), QString(), QStringLiteral("a.fkt"),
                                 sheet(1), sheet(2), sheet(3), sheet(4), sheet(5)}));
  EXPECT_EQ(RecentFiles(&settings).files(),
            QStringList({QDir::current().absoluteFilePath(QStringLiteral("a.fkt")), sheet(1),
                         sheet(2), sheet(3), sheet(4)}));
}

}  // namespace
