#include "ui/widgets/swatch.h"

#include <QMouseEvent>
#include <QPainter>

Swatch::Swatch(const QColor& color, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  setFixedSize(22, 16);
  setCursor(Qt::PointingHandCursor);
  setColor(color);
}

void Swatch::setColor(const QColor& color) {
  color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
}

void Swatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

void ClickableLabel::setTextColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

LineSample::LineSample(int width, QWidget* parent) : QWidget(parent), width_(width) {
  setFixedSize(60, 12);
}

void LineSample::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(QRect(4, height() / 2 - width_ / 2, width() - 8, width_),
                   palette().color(QPalette::WindowText));
}
