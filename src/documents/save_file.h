#pragma once
// Writes a file whole or not at all: beside the target first, renamed over
// it at the end, so a failed save never destroys the old file.

#include <QByteArray>
#include <QString>

// Empty on success, else the German message naming the file and the reason.
QString saveFile(const QString& fileName, const QByteArray& bytes);
