#pragma once
// The canvas picGraph on screen: shows the Canvas image and the two labels
// lying on it, reports its size and the mouse in canvas coordinates
// (y upwards). A label is dragged from here and dropped back onto it.

#include <QWidget>
#include <array>

class Canvas;
class QLabel;
struct SheetLabel;

class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(const Canvas& canvas, QWidget* parent = nullptr);

  // A widget position in canvas coordinates: y counts from the bottom edge.
  QPointF toCanvas(const QPointF& position) const;

  // Label 0 is lblGraph, label 1 lblKommentar.
  QLabel* label(int which) const { return labels_.at(which); }
  void showLabel(int which, const SheetLabel& label);
  // The end of a drag: the label named `name` let go with its top-left
  // corner at `topLeft` (widget pixels).
  void dropLabel(const QString& name, QPointF topLeft);

  static constexpr const char* kLabelMime = "application/x-kurvalon-label";

 signals:
  void resized();
  void pressed(Qt::MouseButton button, QPointF at);
  void moved(Qt::MouseButtons buttons, QPointF at);
  void released(Qt::MouseButton button, QPointF at);
  // Notches of the wheel (positive away from the user), fine with Strg held.
  void wheeled(QPointF at, double notches, bool fine);
  void labelPressed(int which);
  void labelDropped(int which, QPointF at);  // at: canvas coordinates

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void startDrag(int which, QPointF grab);

  const Canvas& canvas_;
  std::array<QLabel*, 2> labels_{};
};
