#include "documents/save_file.h"

#include <QSaveFile>

QString saveFile(const QString& fileName, const QByteArray& bytes) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return QStringLiteral("Die Datei %1 konnte nicht gespeichert werden: %2")
        .arg(fileName, file.errorString());
  }
  return QString();
}
