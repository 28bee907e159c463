#pragma once
// The main tab "Steckbrief": a polynomial reconstructed from conditions.
// The degree and the conditions belong to the sheet; the page reads them,
// shows the equations each gives, the linear system, the solution with its
// check, and hands the system to the "Gauß" tab.

#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class Dialogs;
class Sheet;

class SteckbriefPage : public QWidget {
  Q_OBJECT

 public:
  SteckbriefPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  void cmdBedingungHinzu();
  void cmdBedingungWeg();
  void cmdSteckbriefSystem();
  void cmdSteckbriefGauss();
  void cmdSteckbrief();
  void cmdSteckbriefZeichnen();

 signals:
  // The system for the "Gauß" tab: n rows of n + 1 number texts.
  void gaussWanted(const std::vector<std::vector<QString>>& matrix);
  void graphWanted();

 private:
  void showTask();  // the sheet's degree and conditions

  Sheet& sheet_;
  Dialogs& dialogs_;
  QSpinBox* updGrad_ = nullptr;
  QLabel* lblAllgemein_ = nullptr;
  QListWidget* lstBedingungen_ = nullptr;
  QLineEdit* txtBedingung_ = nullptr;
  QLineEdit* txtSteckbrief_ = nullptr;
  QListWidget* lstSteckbrief_ = nullptr;  // the system, or the check of the solution
  QString solved_;  // the polynomial found, as a term the entry field takes
};
