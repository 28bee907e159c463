#pragma once
// The main tab "Lösungsweg": the worked curve discussion of a term, copied
// as HTML and plain text or printed through the page preview; a family's
// Ortskurven drawn on the sheet.

#include <QWidget>
#include <utility>

#include "calculus/worked_solution.h"

class QPushButton;
class QTextBrowser;
class Dialogs;
class Sheet;

class WorkedSolutionPage : public QWidget {
  Q_OBJECT

 public:
  WorkedSolutionPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  // Works out the term (engine notation) for the points in the view window;
  // a term that cannot be discussed gives its message.
  void showSolution(const EngineTerm& f);
  // Opening the tab: the entry's term, unless it is shown already for the
  // same x range; its
  // message, if any, stands in the view.
  void opened();
  void cmdLoesungswegKopieren();
  void cmdLoesungswegDrucken();
  // "Ortskurve zeichnen": a family's loci dashed in the colour of its entry.
  void cmdOrtskurve();

 signals:
  void graphWanted();  // the drawing is on the "Graph" tab

 public:

  QTextBrowser* txtLoesungsweg() const { return txtLoesungsweg_; }
  const WorkedSolution& solution() const { return solution_; }

 private:
  Sheet& sheet_;
  Dialogs& dialogs_;
  QTextBrowser* txtLoesungsweg_ = nullptr;
  QPushButton* cmdKopieren_ = nullptr;
  QPushButton* cmdDrucken_ = nullptr;
  QPushButton* cmdOrtskurve_ = nullptr;
  void work(const EngineTerm& f);

  WorkedSolution solution_;
  EngineTerm shown_;  // the term worked out last, and the window's x range then
  std::pair<double, double> shownRange_;
};
