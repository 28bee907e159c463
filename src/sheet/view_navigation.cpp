#include "sheet/view_navigation.h"

#include "plot/mouse_gesture.h"
#include "sheet/sheet.h"

std::optional<ViewTexts> ViewNavigation::accepted(const std::variant<ViewTexts, QString>& outcome) {
  if (const QString* failure = std::get_if<QString>(&outcome)) {
    emit sheet_.message(*failure);
    return std::nullopt;
  }
  return std::get<ViewTexts>(outcome);
}

void ViewNavigation::pan(Pan direction) {
  if (std::optional<ViewTexts> moved = accepted(panView(sheet_.viewTexts(), direction))) {
    sheet_.dropPicture();  // a pasted picture does not move along
    sheet_.applyView(*moved);
  }
}

void ViewNavigation::zoomStep(bool zoomIn) {
  if (std::optional<ViewTexts> zoomed = accepted(::zoomStep(sheet_.viewTexts(), zoomIn))) {
    sheet_.applyView(*zoomed);
  }
}

void ViewNavigation::zoomBack() {
  sheet_.applyView(kDefaultViewTexts);
}

void ViewNavigation::one2one() {
  sheet_.applyView(one2oneView());
}

void ViewNavigation::showSoon(const ViewTexts& texts) {
  next_ = texts;
  frameDraw_.request();
}

void ViewNavigation::applyNext() {
  sheet_.applyView(*std::exchange(next_, std::nullopt));
}

void ViewNavigation::wheelZoom(QPointF at, double notches, bool fine) {
  // The point under the cursor in the window about to be shown.
  const ViewTexts& base = next_ ? *next_ : sheet_.viewTexts();
  auto window = readViewWindow(base);
  if (auto* failure = std::get_if<QString>(&window)) {
    emit sheet_.message(*failure);
    return;
  }
  const ViewWindow& view = std::get<ViewWindow>(window);
  const QPointF centre = worldPoint(
      at, view, computePixelFrame(view, sheet_.canvas().width(), sheet_.canvas().height()));
  if (std::optional<ViewTexts> zoomed = accepted(zoomAbout(base, centre, notches, fine))) {
    showSoon(*zoomed);
  }
}

void ViewNavigation::dragStarted(QPointF at) {
  frameDraw_.flush();
  drag_ = Drag{at, sheet_.viewTexts(), sheet_.frame()};
  sheet_.steps().gestureStarted();
}

void ViewNavigation::dragMoved(QPointF at) {
  if (!drag_) return;
  const PixelFrame& frame = drag_->frame;
  if (frame.massX == 0 || frame.massY == 0) return;
  std::optional<ViewTexts> shifted =
      accepted(shiftView(drag_->texts, (drag_->from.x() - at.x()) / frame.massX,
                         (drag_->from.y() - at.y()) / frame.massY));
  if (!shifted) {
    drag_.reset();
    sheet_.steps().gestureEnded();
    return;
  }
  if (!drag_->moved) {
    sheet_.dropPicture();  // a pasted picture does not move along
    drag_->moved = true;
  }
  showSoon(*shifted);
}

void ViewNavigation::dragEnded(QPointF at) {
  if (!drag_) return;
  dragMoved(at);
  frameDraw_.flush();
  drag_.reset();
  sheet_.steps().gestureEnded();
}
