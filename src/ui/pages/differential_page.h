#pragma once
// The settings page "Differential": the symbolic derivatives of the current
// term, drawing f' and f'', and the curve discussion.

#include <QList>
#include <QWidget>

#include "calculus/curve_discussion.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class Dialogs;
class Sheet;
struct PrintedSheet;

class DifferentialPage : public QWidget {
  Q_OBJECT

 public:
  explicit DifferentialPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  // Opening the tab: f from the entry field, derivatives and list emptied.
  void opened();
  void cmdDiff();
  void drawDerivative(bool second);
  void cmdDiskussion();
  void cmdPunkte();  // marks the listed points on the graph
  void cmdLoesungsweg();
  void fillPrintout(PrintedSheet& sheet) const;

  QLineEdit* txt_y() const { return txt_y_; }
  QLineEdit* txt_ystr() const { return txt_ystr_; }
  QLineEdit* txt_y2str() const { return txt_y2str_; }
  QLineEdit* txt_y3str() const { return txt_y3str_; }
  QListWidget* lstDisk() const { return lstDisk_; }

 signals:
  // The worked solution of the term (engine notation) is asked for.
  void workedSolutionWanted(const QString& term);

 private:
  void clearDiscussion();

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit* txt_y_ = nullptr;
  QLabel* lblParameterHinweis_ = nullptr;
  QLineEdit* txt_ystr_ = nullptr;
  QLineEdit* txt_y2str_ = nullptr;
  QLineEdit* txt_y3str_ = nullptr;
  QRadioButton* opty_str_ = nullptr;
  QRadioButton* opty_2str_ = nullptr;
  QListWidget* lstDisk_ = nullptr;
  QProgressBar* prb_ = nullptr;
  QPushButton* cmdPunkte_ = nullptr;
  QList<KeyPoint> points_;  // of the listed run
  int entry_ = -1;          // the list entry whose term txt_y took, -1 for none
};
