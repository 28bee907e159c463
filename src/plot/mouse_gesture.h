#pragma once
// What the mouse does on the canvas in the toolbar's modes: the zoom
// rectangle, a point, a line. Fed with press, move and release positions in
// canvas pixels (y upwards); rubber bands are drawn inverting, so drawing the
// last one again takes it away.

#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

#include "plot/view_window.h"

class Canvas;

// The modes switched on in the toolbar; more than one may be on at once.
struct GestureModes {
  bool zoom = false, point = false, line = false;
};

enum class GestureCursor { Unchanged, Zoom, Point, Cross };

// What a press or release asks of its owner.
struct GestureStep {
  std::optional<ViewTexts> viewTexts;  // new texts of the view fields, set on press
  GestureCursor cursor = GestureCursor::Unchanged;
  GestureModes finished;  // modes whose gesture is over
};

// A canvas position as a world point, computed in double and kept in single
// precision like the view itself.
QPointF worldPoint(QPointF at, const ViewWindow& view, const PixelFrame& frame);
// "x = 1,5" and "y = -0,25" for the status bar, rounded to the tick decimals.
std::pair<QString, QString> coordinateTexts(QPointF at, const ViewWindow& view,
                                            const PixelFrame& frame);

class MouseGesture {
 public:
  GestureStep press(const GestureModes& modes, QPointF at, Canvas& canvas, const ViewTexts& texts,
                    const ViewWindow& view, const PixelFrame& frame);
  // Moves the rubber band while only the left button is held.
  void move(const GestureModes& modes, bool leftOnly, QPointF at, Canvas& canvas);
  // A finished zoom calls `showView` with the new texts and redraw true, an
  // empty rectangle with the old texts and redraw false, before a point is drawn.
  using ShowView = std::function<void(const ViewTexts& texts, bool redraw)>;
  GestureStep release(const GestureModes& modes, QPointF at, Canvas& canvas, const ViewTexts& texts,
                      const ViewWindow& view, const PixelFrame& frame, const ShowView& showView);

 private:
  // Where the gesture began and where its other end was last drawn.
  int startX = 0, startY = 0, endX = 0, endY = 0;
  // The view texts a zoom replaced on press, for an empty rectangle.
  QString zoomOldXmin_, zoomOldYmax_;
};
