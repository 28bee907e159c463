#include "sheet/sheet_history.h"

namespace {

qsizetype bytesOf(const std::deque<SheetState>& states) {
  qsizetype bytes = 0;
  for (const SheetState& state : states) bytes += state.canvas.bytes();
  return bytes;
}

}  // namespace

void SheetHistory::push(SheetState before) {
  bytes_ += before.canvas.bytes();
  undo_.push_back(std::move(before));
  for (const SheetState& dropped : redo_) bytes_ -= dropped.canvas.bytes();
  redo_.clear();
  trim();
}

SheetState SheetHistory::undo(SheetState current) {
  SheetState target = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(std::move(current));
  bytes_ = bytesOf(undo_) + bytesOf(redo_);
  return target;
}

SheetState SheetHistory::redo(SheetState current) {
  SheetState target = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(std::move(current));
  bytes_ = bytesOf(undo_) + bytesOf(redo_);
  trim();
  return target;
}

void SheetHistory::trim() {
  while (!undo_.empty() && (undo_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
    bytes_ -= undo_.front().canvas.bytes();
    undo_.pop_front();
  }
}
