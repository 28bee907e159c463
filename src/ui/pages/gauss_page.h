#pragma once
// The main tab "Gauß": a linear system solved by elimination, cell by cell,
// with a pause after each column when the check is on.

#include <QWidget>
#include <cstdint>
#include <memory>

class QLineEdit;
class QRadioButton;
class QSpinBox;
class Dialogs;
class ValueGrid;

class GaussPage : public QWidget {
  Q_OBJECT

 public:
  // `n` is the count the calculator tabs share; here the number of unknowns.
  GaussPage(Dialogs& dialogs, std::shared_ptr<std::int16_t> n, QWidget* parent = nullptr);

  void newGauss();
  void cmdGauss();

  ValueGrid* grdMatrix() const { return grdMatrix_; }

 private:
  Dialogs& dialogs_;
  std::shared_ptr<std::int16_t> n_;
  ValueGrid* grdMatrix_ = nullptr;
  QLineEdit* txt_nVar_ = nullptr;
  QSpinBox* upd_nVar_ = nullptr;
  QRadioButton* optStop_ = nullptr;
};
