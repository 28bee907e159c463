// The mouse on the canvas: coordinates in the status bar, and the toolbar's
// modes, whose gestures the sheet carries out.
#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include "ui/widgets/canvas_widget.h"
#include "ui/window/cursors.h"
#include "ui/window/frm_graph.h"

GestureModes FrmGraph::gestureModes() const {
  return {modeOn(QStringLiteral("zoom")), modeOn(QStringLiteral("point")),
          modeOn(QStringLiteral("line"))};
}

void FrmGraph::applyGestureStep(const GestureStep& step) {
  switch (step.cursor) {
    case GestureCursor::Zoom:
      picGraph()->setCursor(zoomCursor());
      break;
    case GestureCursor::Point:
      picGraph()->setCursor(pointCursor());
      break;
    case GestureCursor::Cross:
      picGraph()->setCursor(Qt::CrossCursor);
      break;
    case GestureCursor::Unchanged:
      break;
  }
  if (step.finished.zoom) toolButton(QStringLiteral("zoom"))->setChecked(false);
  if (step.finished.point) toolButton(QStringLiteral("point"))->setChecked(false);
  if (step.finished.line) toolButton(QStringLiteral("line"))->setChecked(false);
}

// The middle button drags the view; the other buttons keep their gestures.
void FrmGraph::canvasPressed(Qt::MouseButton button, QPointF at) {
  if (button == Qt::MiddleButton) {
    sheet_.navigation().dragStarted(at);
    return;
  }
  applyGestureStep(sheet_.mousePressed(gestureModes(), at));
}

void FrmGraph::canvasMoved(Qt::MouseButtons buttons, QPointF at) {
  auto [x, y] = coordinateTexts(at, sheet_.view(), sheet_.frame());
  auto panel = [this](int index) {
    return sbrGraph_->findChild<QLabel*>(QStringLiteral("sbrGraph(%1)").arg(index));
  };
  panel(1)->setText(x);
  panel(2)->setText(y);
  if (sheet_.navigation().dragging()) {
    sheet_.navigation().dragMoved(at);
    return;
  }
  sheet_.mouseMoved(gestureModes(), buttons == Qt::LeftButton, at);
}

void FrmGraph::canvasReleased(Qt::MouseButton button, QPointF at) {
  if (button == Qt::MiddleButton) {
    sheet_.navigation().dragEnded(at);
    return;
  }
  if (button != Qt::LeftButton) return;
  applyGestureStep(sheet_.mouseReleased(gestureModes(), at));
}
