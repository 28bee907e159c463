#pragma once
// The main tab "Newton Interpolation": its value table, spinner and reset.

#include <QWidget>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Dialogs;
class Sheet;
class ValueGrid;

class NewtonPage : public QWidget {
  Q_OBJECT

 public:
  // `n` is the count the calculator tabs share.
  NewtonPage(Sheet& sheet, Dialogs& dialogs, std::shared_ptr<std::int16_t> n,
             QWidget* parent = nullptr);

  void newNewton();
  void cmdNewton();
  void cmdPlotNewton();

  ValueGrid* grdNewton() const { return grdNewton_; }
  QLineEdit* txtNewton() const { return txtNewton_; }
  QLineEdit* txt_n() const { return txt_n_; }

 signals:
  // N(x) is about to be drawn: the Graph tab is wanted in front.
  void graphWanted();

 private:
  Sheet& sheet_;
  Dialogs& dialogs_;
  std::shared_ptr<std::int16_t> n_;
  ValueGrid* grdNewton_ = nullptr;
  QLineEdit* txt_n_ = nullptr;
  QSpinBox* upd_n_ = nullptr;
  QLineEdit* txtNewton_ = nullptr;
  QLabel* lblNx_ = nullptr;
  QPushButton* cmdPlotNewton_ = nullptr;
};
