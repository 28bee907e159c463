#pragma once
// The settings page "lin. Fkt": six calculators for straight lines, each in
// its frame; the two that give an equation can draw it.

#include <QWidget>

class QGridLayout;
class QGroupBox;
class QLineEdit;
class Dialogs;
class Sheet;

class LinearPage : public QWidget {
  Q_OBJECT

 public:
  explicit LinearPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  void cmdPSt();
  void cmdPStplot();
  void cmdZwPF();
  void cmdZwPFplot();
  void cmdOrhtogonale();
  void cmdWinkel();
  void command1();  // length of the segment
  void command2();  // midpoint of the segment

 private:
  QGroupBox* buildPointSlopeFrame();
  QGroupBox* buildTwoPointFrame();
  QGroupBox* buildOrthogonalFrame();
  QGroupBox* buildAngleFrame();
  QGroupBox* buildLengthFrame();
  QGroupBox* buildMidpointFrame();

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit *txtPx_ = nullptr, *txtPy_ = nullptr, *txtm_ = nullptr, *txtPSt_ = nullptr;
  QLineEdit *txt_x1_ = nullptr, *txt_y1_ = nullptr, *txt_x2_ = nullptr, *txt_y2_ = nullptr;
  QLineEdit* txtZwPF_ = nullptr;
  QLineEdit *txt_m1_ = nullptr, *txt_m2_ = nullptr;
  QLineEdit *txtm1_ = nullptr, *txtm2_ = nullptr, *txt_alpha_ = nullptr;
  QLineEdit *txtx1_ = nullptr, *txtx2_ = nullptr, *txty1_ = nullptr, *txty2_ = nullptr;
  QLineEdit* txtl_ = nullptr;
  QLineEdit *txtMx1_ = nullptr, *txtMx2_ = nullptr, *txtMy1_ = nullptr, *txtMy2_ = nullptr;
  QLineEdit *txtxm_ = nullptr, *txtym_ = nullptr;
};
