#pragma once
// When a change of the sheet becomes a step that can be taken back: every
// change one event makes is one step, taken once the event is handled; a
// gesture (a drag, a rubber band) is one step when it ends; a change made
// without a step (the drawing following a new window size) is none.

#include <QObject>
#include <functional>

#include "sheet/sheet_history.h"

class UndoController {
 public:
  using Capture = std::function<SheetState(int id)>;
  using Restore = std::function<void(const SheetState& state)>;

  // `capture` takes the sheet as it is now, `restore` puts a state back;
  // `changed` hears of every step taken, undone or redone. Steps are taken
  // on `owner`'s thread once the event is handled.
  UndoController(QObject* owner, Capture capture, Restore restore, std::function<void()> changed);

  // The sheet changed: a step is taken when the event that changed it is handled.
  void noteChange();
  // A step for what changed so far, at once.
  void takeStep();
  // Runs `change` without making it a step.
  void withoutStep(const std::function<void()>& change);
  // While a gesture runs no step is taken; its changes are one step when it ends.
  void gestureStarted() { gesture_ = true; }
  void gestureEnded();
  bool gestureRunning() const { return gesture_; }

  // Undo restores the sheet as it was before the last step, redo does it again.
  void undo();
  void redo();
  bool canUndo() const;
  bool canRedo() const;
  const SheetHistory& history() const { return history_; }

  // The state the next step goes back to: what is typed without a step
  // (the entry field, the view fields) goes into it while no step waits.
  void amendSettled(const std::function<void(SheetDocument&)>& amend);

  // Changed since it was last opened or saved (undo back there counts as unchanged).
  bool modified() const { return pending_ || committed_.id != savedId_; }
  void markSaved() { savedId_ = committed_.id; }

 private:
  void restore(SheetState state);

  QObject* owner_;
  Capture capture_;
  Restore restore_;
  std::function<void()> changed_;
  SheetHistory history_;
  SheetState committed_;  // the state after the last step
  int lastId_ = 0, savedId_ = 0;
  bool pending_ = false;  // a change waits to become a step
  bool armed_ = false;    // the step is asked for at the end of the event
  bool quiet_ = false;    // changes now are no step
  bool gesture_ = false;
};
