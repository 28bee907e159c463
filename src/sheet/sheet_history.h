#pragma once
// The steps of a sheet that can be taken back and done again: whole states,
// each with its drawing packed small.

#include <deque>

#include "canvas/canvas.h"
#include "sheet/sheet_document.h"

struct SheetState {
  int id = 0;  // equal ids: the same state
  SheetDocument document;
  CanvasSnapshot canvas;
};

class SheetHistory {
 public:
  // At least this many steps are kept, as long as they fit into the bytes.
  static constexpr int kMaxSteps = 200;
  static constexpr qsizetype kMaxBytes = 48 * 1024 * 1024;

  // A new step away from `before`: the steps that could be redone are gone.
  void push(SheetState before);
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The state to go back (or forward) to; `current` is kept for the way back.
  SheetState undo(SheetState current);
  SheetState redo(SheetState current);
  int steps() const { return static_cast<int>(undo_.size()); }
  qsizetype bytes() const { return bytes_; }

 private:
  void trim();

  std::deque<SheetState> undo_, redo_;
  qsizetype bytes_ = 0;
};
