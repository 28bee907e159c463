#pragma once
// Small clickable widgets of the settings page: a colour swatch (its colour
// is its background) and a caption that reacts to clicks.

#include <QFrame>
#include <QLabel>

class Swatch : public QFrame {
  Q_OBJECT

 public:
  explicit Swatch(const QColor& color, QWidget* parent = nullptr);
  QColor color() const { return color_; }
  void setColor(const QColor& color);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor color_;
};

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;
  void setTextColor(const QColor& color);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// A sample of a curve line, for the line-width options.
class LineSample : public QWidget {
 public:
  LineSample(int width, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int width_;
};
