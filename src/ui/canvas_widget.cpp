#include "ui/canvas_widget.h"

#include <QDataStream>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "canvas/canvas.h"

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(200, 150);
  setMouseTracking(true);  // the status bar follows the pointer without a button held
  setAcceptDrops(true);
  setCursor(Qt::CrossCursor);
}

QPointF CanvasWidget::toCanvas(const QPointF& position) const {
  return QPointF(position.x(), height() - position.y());
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  painter.drawImage(0, 0, canvas_.image());
}

void CanvasWidget::resizeEvent(QResizeEvent*) {
  emit resized();
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button(), toCanvas(event->position()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  emit moved(event->buttons(), toCanvas(event->position()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->button(), toCanvas(event->position()));
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(QLatin1String(kLabelMime))) event->acceptProposedAction();
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(QLatin1String(kLabelMime))) event->acceptProposedAction();
}

// The drag carries the label's name and where inside the label it was grabbed.
void CanvasWidget::dropEvent(QDropEvent* event) {
  QByteArray data = event->mimeData()->data(QLatin1String(kLabelMime));
  QDataStream stream(data);
  QString name;
  QPointF grab;
  stream >> name >> grab;
  if (stream.status() != QDataStream::Ok) return;
  event->acceptProposedAction();
  emit labelDropped(name, event->position() - grab);
}
