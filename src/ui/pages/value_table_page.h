#pragma once
// The main tab "Wertetabelle": x, f(x), f'(x) and f''(x) of a term from
// "von" to "bis" in steps, shown in a table and copied for a spreadsheet.

#include <QList>
#include <QWidget>

#include "calculus/value_table.h"
#include "plot/view_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class Dialogs;
class Sheet;

class ValueTablePage : public QWidget {
  Q_OBJECT

 public:
  ValueTablePage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  // Opening the tab: the term of the function field, and the view window's
  // xmin, xmax and x-tic while the view has changed since they were filled in.
  void opened();
  void cmdWertetabelle();
  void cmdWerteKopieren();

  QLineEdit* txtWtTerm() const { return txtWtTerm_; }
  QLineEdit* txtWtVon() const { return txtWtVon_; }
  QLineEdit* txtWtBis() const { return txtWtBis_; }
  QLineEdit* txtWtSchritt() const { return txtWtSchritt_; }
  QTableWidget* grdWerte() const { return grdWerte_; }

 private:
  void showRows();

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit* txtWtTerm_ = nullptr;
  QLabel* lblParameterHinweis_ = nullptr;
  QLineEdit* txtWtVon_ = nullptr;
  QLineEdit* txtWtBis_ = nullptr;
  QLineEdit* txtWtSchritt_ = nullptr;
  QTableWidget* grdWerte_ = nullptr;
  QList<ValueRow> rows_;
  ViewTexts filledFrom_;  // the view texts the range fields were last filled from
};
