#include "documents/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentFiles");

QString absolute(const QString& fileName) {
  return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}

}  // namespace

RecentFiles::RecentFiles(QSettings* settings) : settings_(settings) {
  if (!settings_) return;
  // A list edited by hand may hold anything: keep the first five distinct names.
  for (const QString& name : settings_->value(kKey).toStringList()) {
    if (!name.isEmpty() && !files_.contains(absolute(name)) && files_.size() < kLimit)
      files_ << absolute(name);
  }
}

void RecentFiles::add(const QString& fileName) {
  const QString name = absolute(fileName);
  files_.removeAll(name);
  files_.prepend(name);
  while (files_.size() > kLimit) files_.removeLast();
  store();
}

void RecentFiles::remove(const QString& fileName) {
  if (files_.removeAll(absolute(fileName)) > 0) store();
}

void RecentFiles::store() {
  if (!settings_) return;
  settings_->setValue(kKey, files_);
  settings_->sync();
}
