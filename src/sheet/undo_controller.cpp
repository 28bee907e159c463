#include "sheet/undo_controller.h"

#include <QTimer>

UndoController::UndoController(QObject* owner, Capture capture, Restore restore,
                               std::function<void()> changed)
    : owner_(owner),
      capture_(std::move(capture)),
      restore_(std::move(restore)),
      changed_(std::move(changed)) {
  committed_ = capture_(0);
}

void UndoController::noteChange() {
  if (quiet_) return;
  pending_ = true;
  if (armed_) return;
  armed_ = true;
  QTimer::singleShot(0, owner_, [this] {
    armed_ = false;
    takeStep();
  });
}

void UndoController::takeStep() {
  if (!pending_ || gesture_) return;
  pending_ = false;
  SheetState now = capture_(++lastId_);
  history_.push(std::move(committed_));
  committed_ = std::move(now);
  changed_();
}

void UndoController::gestureEnded() {
  gesture_ = false;
  if (pending_) noteChange();
}

void UndoController::withoutStep(const std::function<void()>& change) {
  takeStep();  // what came before stays a step of its own
  const bool wasQuiet = quiet_;
  quiet_ = true;
  change();
  quiet_ = wasQuiet;
  committed_ = capture_(committed_.id);
}

void UndoController::amendSettled(const std::function<void(SheetDocument&)>& amend) {
  if (!pending_) amend(committed_.document);
}

bool UndoController::canUndo() const {
  return history_.canUndo() || (pending_ && !gesture_);
}

bool UndoController::canRedo() const {
  return history_.canRedo() && !pending_;
}

void UndoController::undo() {
  takeStep();
  if (!history_.canUndo()) return;
  restore(history_.undo(std::move(committed_)));
}

void UndoController::redo() {
  takeStep();
  if (!history_.canRedo()) return;
  restore(history_.redo(std::move(committed_)));
}

void UndoController::restore(SheetState state) {
  const bool wasQuiet = quiet_;
  quiet_ = true;
  committed_ = std::move(state);
  restore_(committed_);
  quiet_ = wasQuiet;
  changed_();
}
