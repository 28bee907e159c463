#include "ui/widgets/canvas_widget.h"

#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "canvas/canvas.h"
#include "sheet/sheet.h"

CanvasWidget::CanvasWidget(const Canvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(200, 150);
  setMouseTracking(true);  // the status bar follows the pointer without a button held
  setAcceptDrops(true);
  setCursor(Qt::CrossCursor);
  // The two labels lie on the canvas, hidden until the toolbar shows them.
  const char* names[] = {"lblGraph", "lblKommentar"};
  for (int i = 0; i < 2; ++i) {
    labels_[i] = new QLabel(this);
    labels_[i]->setObjectName(QLatin1String(names[i]));
    labels_[i]->move(8, 8 + 24 * i);
    labels_[i]->setCursor(Qt::OpenHandCursor);
    labels_[i]->installEventFilter(this);
    labels_[i]->hide();
  }
}

QPointF CanvasWidget::toCanvas(const QPointF& position) const {
  return QPointF(position.x(), height() - position.y());
}

void CanvasWidget::showLabel(int which, const SheetLabel& shown) {
  QLabel* label = labels_.at(which);
  if (!shown.shown) {
    label->hide();
    return;
  }
  if (which == 0) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, shown.color);
    label->setPalette(palette);
  }
  label->setText(shown.text);
  label->adjustSize();
  label->show();
  label->raise();
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

void CanvasWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  emit wheeled(toCanvas(event->position()), delta / 120.0,
               event->modifiers().testFlag(Qt::ControlModifier));
  event->accept();
}

bool CanvasWidget::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < 2; ++i) {
    if (watched == labels_[i] && event->type() == QEvent::MouseButtonPress) {
      startDrag(i, static_cast<QMouseEvent*>(event)->position());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CanvasWidget::startDrag(int which, QPointF grab) {
  QLabel* label = labels_[which];
  emit labelPressed(which);            // the label leaves the canvas while it is dragged
  if (!window()->isVisible()) return;  // nothing to drag in a window that is not shown
  auto* mime = new QMimeData;
  QByteArray data;
  QDataStream stream(&data, QIODevice::WriteOnly);
  stream << label->objectName() << grab;
  mime->setData(QLatin1String(kLabelMime), data);
  auto* drag = new QDrag(label);
  drag->setMimeData(mime);
  drag->setPixmap(label->grab());
  drag->setHotSpot(grab.toPoint());
  drag->exec(Qt::MoveAction);
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
  dropLabel(name, event->position() - grab);
}

void CanvasWidget::dropLabel(const QString& name, QPointF topLeft) {
  for (int i = 0; i < 2; ++i) {
    // The text's top-left corner goes where the label's was when let go.
    if (name == labels_[i]->objectName()) emit labelDropped(i, toCanvas(topLeft));
  }
}
