#pragma once
// The main tab "Reihen": the Taylor polynomial of a term at 0 and the Fourier
// series of a term over an interval, each with a button that draws it.

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Dialogs;
class Sheet;

class SeriesPage : public QWidget {
  Q_OBJECT

 public:
  explicit SeriesPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  void cmdTaylor();
  void cmdPlotTaylor();
  void cmdFourier();
  void cmdPlotFourier();

  QLineEdit* txtT_Funktion() const { return txtT_Funktion_; }
  QLineEdit* txtnTaylor() const { return txtnTaylor_; }
  QLineEdit* txtTaylor() const { return txtTaylor_; }
  QLineEdit* txtFourier() const { return txtFourier_; }
  QLineEdit* txt_t1() const { return txt_t1_; }
  QLineEdit* txt_t2() const { return txt_t2_; }
  QLineEdit* txtGrad() const { return txtGrad_; }
  QLineEdit* txtFourierReihe() const { return txtFourierReihe_; }

 signals:
  // A series is about to be drawn: the Graph tab is wanted in front.
  void graphWanted();

 private:
  // Asks for the Graph tab, appends the terms to the function list, shows
  // the first in the entry field and draws the whole list.
  void plot(const QStringList& terms);

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit* txtT_Funktion_ = nullptr;
  QLabel* lblParameterHinweis_ = nullptr;
  QLineEdit* txtnTaylor_ = nullptr;
  QSpinBox* updnTaylor_ = nullptr;
  QLabel* lblTx_ = nullptr;
  QLineEdit* txtTaylor_ = nullptr;
  QPushButton* cmdPlotTaylor_ = nullptr;
  QLineEdit* txtFourier_ = nullptr;
  QLineEdit* txt_t1_ = nullptr;
  QLineEdit* txt_t2_ = nullptr;
  QLineEdit* txtGrad_ = nullptr;
  QLabel* lblF_ = nullptr;
  QLineEdit* txtFourierReihe_ = nullptr;
  QPushButton* cmdPlotFourier_ = nullptr;
};
