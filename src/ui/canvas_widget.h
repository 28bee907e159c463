#pragma once
// The canvas picGraph on screen: shows the Canvas image and reports its size.

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

 signals:
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Canvas& canvas_;
};
