#pragma once
// Moving the view of a sheet: the toolbar's pan and zoom steps, the default
// and the equal-units window, the mouse wheel about the point under the
// cursor and the middle-button drag. The wheel and the drag follow the mouse
// at most once per screen frame; a drag is one step when it ends.

#include <QPointF>
#include <optional>
#include <utility>

#include "plot/view_commands.h"
#include "plot/view_window.h"
#include "sheet/frame_coalescer.h"

class Sheet;

class ViewNavigation {
 public:
  explicit ViewNavigation(Sheet& sheet) : sheet_(sheet) {}

  void pan(Pan direction);
  void zoomStep(bool zoomIn);
  void zoomBack();  // the default window
  void one2one();

  void wheelZoom(QPointF at, double notches, bool fine);
  void dragStarted(QPointF at);
  void dragMoved(QPointF at);
  void dragEnded(QPointF at);
  bool dragging() const { return drag_.has_value(); }

 private:
  // Shows `texts` at the next screen frame; later texts replace them.
  void showSoon(const ViewTexts& texts);
  // The texts, or the message that refuses them.
  std::optional<ViewTexts> accepted(const std::variant<ViewTexts, QString>& outcome);

  Sheet& sheet_;
  struct Drag {
    QPointF from;
    ViewTexts texts;
    PixelFrame frame;
    bool moved = false;
  };
  std::optional<Drag> drag_;
  std::optional<ViewTexts> next_;  // waiting for the next frame
  FrameCoalescer frameDraw_{[this] {
    if (next_) applyNext();
  }};
  void applyNext();
};
