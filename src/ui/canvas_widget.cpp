#include "ui/canvas_widget.h"

#include <QPainter>

#include "canvas/canvas.h"

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(200, 150);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  painter.drawImage(0, 0, canvas_.image());
}

void CanvasWidget::resizeEvent(QResizeEvent*) { emit resized(); }
