#pragma once
// The main tab "Horner": the complete Horner scheme of a polynomial at x0.

#include <QWidget>
#include <cstdint>
#include <memory>

class QLineEdit;
class QSpinBox;
class Dialogs;
class ValueGrid;

class HornerPage : public QWidget {
  Q_OBJECT

 public:
  // `n` is the count the calculator tabs share; here the degree.
  HornerPage(Dialogs& dialogs, std::shared_ptr<std::int16_t> n, QWidget* parent = nullptr);

  void newHorner();
  void cmdHorner();

  ValueGrid* grdHorner() const { return grdHorner_; }
  QLineEdit* txt_xo() const { return txt_xo_; }

 private:
  Dialogs& dialogs_;
  std::shared_ptr<std::int16_t> n_;
  ValueGrid* grdHorner_ = nullptr;
  QLineEdit* txtPolygrd_ = nullptr;
  QSpinBox* updPolygrd_ = nullptr;
  QLineEdit* txt_xo_ = nullptr;
};
