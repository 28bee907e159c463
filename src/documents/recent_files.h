#pragma once
// The sheets opened or saved last, newest first, for the "Zuletzt geöffnet"
// menu. Kept in a QSettings when one is given (written at every change, so
// a program that dies keeps the list), in memory only otherwise.

#include <QStringList>

class QSettings;

class RecentFiles {
 public:
  static constexpr int kLimit = 5;

  // Reads the list from `settings` (may be null); the settings outlive this.
  explicit RecentFiles(QSettings* settings = nullptr);

  const QStringList& files() const { return files_; }
  // Puts the sheet first; a sheet already listed moves up, the oldest beyond
  // the limit drops out. Names are kept as absolute paths.
  void add(const QString& fileName);
  void remove(const QString& fileName);

 private:
  void store();

  QSettings* settings_;
  QStringList files_;
};
