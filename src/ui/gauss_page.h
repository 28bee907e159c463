#pragma once
// The main tab "Gauß": a linear system solved by elimination, cell by cell,
// with a pause after each column when the check is on.

#include <QWidget>

class QLineEdit;
class QRadioButton;
class QSpinBox;
class FrmGraph;
class ValueGrid;

class GaussPage : public QWidget {
  Q_OBJECT

 public:
  explicit GaussPage(FrmGraph& window, QWidget* parent = nullptr);

  void newGauss();
  void cmdGauss();

  ValueGrid* grdMatrix() const { return grdMatrix_; }
  QSpinBox* upd_nVar() const { return upd_nVar_; }

 private:
  FrmGraph& window_;
  ValueGrid* grdMatrix_ = nullptr;
  QLineEdit* txt_nVar_ = nullptr;
  QSpinBox* upd_nVar_ = nullptr;
  QRadioButton* optStop_ = nullptr;
};
