#pragma once
// The main tab "Spline Interpolation": its value tables, spinner and reset,
// which also resets the Newton table.

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>

class QPushButton;
class QLineEdit;
class QSpinBox;
class Dialogs;
class NewtonPage;
class Sheet;
class ValueGrid;

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
