#pragma once
// The recovery file: what a sheet must not lose when the program dies (the
// graph file's content, the appearance and the labels), written after each
// change and removed on a clean exit. Every running program has a slot of its
// own in the folder, held by a lock file, so two never overwrite each other.

#include <QByteArray>
#include <QLockFile>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "documents/conditions.h"
#include "plot/appearance.h"
#include "plot/parameter.h"

struct RecoveredSheet {
  std::array<float, 6> view{};  // xmin, xmax, ymin, ymax, x-tic, y-tic of the last drawing
  QStringList terms;
  Appearance appearance;
  std::array<SheetLabel, 2> labels;
  Parameters parameters;
  SteckbriefTask steckbrief;
};

QByteArray writeRecovery(const RecoveredSheet& sheet);
// nullopt for anything damaged or of another kind.
std::optional<RecoveredSheet> readRecovery(const QByteArray& bytes);

class RecoveryFile {
 public:
  // Takes a slot in `folder` (made if missing): preferably one that a program
  // no longer running left a file in.
  explicit RecoveryFile(const QString& folder);
  ~RecoveryFile();

  bool claimed() const { return lock_ != nullptr; }
  QString path() const { return path_; }
  // The file found in the slot when it was taken, if any.
  const std::optional<QByteArray>& leftOver() const { return leftOver_; }
  void forgetLeftOver() { leftOver_.reset(); }

  bool write(const QByteArray& bytes);  // whole or not at all
  void remove();                        // the clean exit

 private:
  std::unique_ptr<QLockFile> lock_;
  QString path_;
  std::optional<QByteArray> leftOver_;
};
