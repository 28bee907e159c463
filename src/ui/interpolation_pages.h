#pragma once
// The main tabs "Newton Interpolation" and "Spline Interpolation": their value
// tables, spinners and resets. The spline reset also resets the Newton table.

#include <QStringList>
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
  QSpinBox* upd_n() const { return upd_n_; }

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

class SplinePage : public QWidget {
  Q_OBJECT

 public:
  SplinePage(Sheet& sheet, Dialogs& dialogs, std::shared_ptr<std::int16_t> n, NewtonPage& newton,
             QWidget* parent = nullptr);

  void newSpline();
  void cmdSplineKoeff();
  void cmdPlotSpline();

  ValueGrid* grdSpline() const { return grdSpline_; }
  ValueGrid* grd_z() const { return grd_z_; }
  QSpinBox* updSpline() const { return updSpline_; }
  QLineEdit* txtSpline() const { return txtSpline_; }

 signals:
  // The pieces are about to be drawn: the Graph tab is wanted in front.
  void graphWanted();

 private:
  void writeRowLabels();

  Sheet& sheet_;
  Dialogs& dialogs_;
  std::shared_ptr<std::int16_t> n_;
  NewtonPage& newton_;
  QStringList splX_, splY_;  // the points of the last computation, as typed
  ValueGrid* grdSpline_ = nullptr;
  ValueGrid* grd_z_ = nullptr;
  QLineEdit* txtSpline_ = nullptr;
  QSpinBox* updSpline_ = nullptr;
  QPushButton* cmdPlotSpline_ = nullptr;
};
