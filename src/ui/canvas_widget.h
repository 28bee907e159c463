#pragma once
// The canvas picGraph on screen: shows the Canvas image, reports its size,
// the mouse in canvas coordinates (y upwards) and labels dropped on it.

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

  // A widget position in canvas coordinates: y counts from the bottom edge.
  QPointF toCanvas(const QPointF& position) const;

  static constexpr const char* kLabelMime = "application/x-kurvalon-label";

 signals:
  void resized();
  void pressed(Qt::MouseButton button, QPointF at);
  void moved(Qt::MouseButtons buttons, QPointF at);
  void released(Qt::MouseButton button, QPointF at);
  // A label dragged from the canvas was let go at `topLeft` (widget pixels).
  void labelDropped(const QString& name, QPointF topLeft);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  Canvas& canvas_;
};
