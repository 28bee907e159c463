#pragma once
// The main tab "Horner": the complete Horner scheme of a polynomial at x0.

#include <QWidget>

class QLineEdit;
class QSpinBox;
class FrmGraph;
class ValueGrid;

class HornerPage : public QWidget {
  Q_OBJECT

 public:
  explicit HornerPage(FrmGraph& window, QWidget* parent = nullptr);

  void newHorner();
  void cmdHorner();

  ValueGrid* grdHorner() const { return grdHorner_; }
  QLineEdit* txt_xo() const { return txt_xo_; }
  QSpinBox* updPolygrd() const { return updPolygrd_; }

 private:
  FrmGraph& window_;
  ValueGrid* grdHorner_ = nullptr;
  QLineEdit* txtPolygrd_ = nullptr;
  QSpinBox* updPolygrd_ = nullptr;
  QLineEdit* txt_xo_ = nullptr;
};
