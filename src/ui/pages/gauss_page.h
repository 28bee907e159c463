#pragma once
// The main tab "Gauß": a linear system solved by elimination, cell by cell,
// with a pause after each column when the check is on.

#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include <QString>

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
  // A system handed over from elsewhere: n rows of n + 1 number texts, shown
  // in a fresh table of n unknowns, ready for "LGS lösen".
  void showSystem(const std::vector<std::vector<QString>>& matrix);

  ValueGrid* grdMatrix() const { return grdMatrix_; }

 private:
  Dialogs& dialogs_;
  std::shared_ptr<std::int16_t> n_;
  ValueGrid* grdMatrix_ = nullptr;
  QLineEdit* txt_nVar_ = nullptr;
  QSpinBox* upd_nVar_ = nullptr;
  QRadioButton* optStop_ = nullptr;
};
