#pragma once
// The settings page "DGL's": the slope field and the Euler curve of a
// first-order equation, the solution curve of a second-order equation.

#include <QWidget>

class QLineEdit;
class Dialogs;
class Sheet;
struct OdeDrawing;
struct Style;

class DglPage : public QWidget {
  Q_OBJECT

 public:
  explicit DglPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  // The slope field of f(x, y) in place of the curves.
  void cmdDgl1();
  // The Euler curve through (x0, y0), over what is drawn.
  void command5();
  // The solution of y'' = f(x, y, ystr) on a fresh coordinate system.
  void cmdDgl2();

 private:
  QWidget* buildFirstOrderFrame();
  QWidget* buildSecondOrderFrame();
  void draw(const OdeDrawing& computed, const Style& style);

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit* txtDGL1_ = nullptr;
  QLineEdit* txtx0_ = nullptr;
  QLineEdit* txty0_ = nullptr;
  QLineEdit* txtDGL2_ = nullptr;
  QLineEdit* txt_x0_ = nullptr;
  QLineEdit* txt_y0_ = nullptr;
  QLineEdit* txt_ystrich_ = nullptr;
};
