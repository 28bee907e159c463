#pragma once
// The main window: the "Graph" tab with the canvas and its settings, the
// calculator tabs, the toolbar, the menus and the status bar. It shows the
// Sheet and wires the controls to it; the pages get the sheet and the
// dialogs, never the window.

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "sheet/sheet.h"

class QAction;
class QMenu;
class QPrinter;
struct PrintedSheet;
class QTimer;
class RecentFiles;
class RecoveryFile;
class QComboBox;
class QStatusBar;
class QToolBar;
class QTabWidget;
class CanvasWidget;
class Dialogs;
class DifferentialPage;
class GraphPage;
class KurvalonPage;

class FrmGraph : public QMainWindow {
  Q_OBJECT

 public:
  FrmGraph(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);
  ~FrmGraph() override;

  Sheet& sheet() { return sheet_; }

  // The toolbar's one handler: runs the command of a button's key.
  void buttonClick(const QString& key);
  QAction* toolButton(const QString& key) const;
  bool modeOn(const QString& key) const;  // zoom, point or line mode

  // Where the sheet is kept against a crash; a file left there by a program
  // that died is offered back by offerRecovery().
  void setRecovery(std::unique_ptr<RecoveryFile> recovery);
  void offerRecovery();
  // The sheets opened or saved last, for "Zuletzt geöffnet"; in memory only
  // until one with settings is given.
  void setRecentFiles(std::unique_ptr<RecentFiles> recentFiles);
  const RecentFiles& recentFiles() const { return *recentFiles_; }
  // Sheets named on the command line or dropped on the window, one after the
  // other; one that cannot be read gives the message of "Öffnen".
  void openFiles(const QStringList& fileNames);
  bool openFile(const QString& fileName);
  void openRecent(int index);  // the index-th entry of "Zuletzt geöffnet"

  // The graph file, the printout and the picture export, with their dialogs;
  // speichern() is false when cancelled or failed.
  bool speichern();
  void öffnen();
  void drucke();
  void seitenansicht();
  void exportieren();  // PNG (1 to 4 times its size) or SVG

  QComboBox* cboFunktionsterm() const;
  KurvalonPage* kurvalonPage() const { return kurvalonPage_; }
  QTabWidget* tabMain() const { return tabMain_; }
  QTabWidget* tabParameter() const;
  CanvasWidget* picGraph() const;
  QString statusPanel(int index) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The tab pages, in the order of their tabs on the two strips.
  enum class Strip { Main, Parameter };
  struct TabPage {
    Strip strip;
    const char* caption;
    QWidget* page;
    std::function<void()> opened;  // runs when the tab is clicked
  };
  void buildPages();
  void addPage(const TabPage& page);
  void buildToolbar();
  void buildMenus();
  void connectSheet();
  void connectTabs();

  // The sheet shown in the controls.
  void showTerms();
  void showParameter();
  void showViewTexts();
  void showLabels();
  void showHistory();
  void showRecentFiles();

  void calculate();
  void chooseSwatchColor(int index);
  void chooseGridColor();
  void lineWidthChosen();
  void askComment();
  void copyPicture();
  // What the print command and the preview print: the picture, copied to
  // the clipboard on the way, the drawing and the lines below it.
  PrintedSheet printout();
  bool print(QPrinter& printer, const PrintedSheet& printed);  // false: failed

  void canvasPressed(Qt::MouseButton button, QPointF at);
  void canvasMoved(Qt::MouseButtons buttons, QPointF at);
  void canvasReleased(Qt::MouseButton button, QPointF at);
  GestureModes gestureModes() const;
  void applyGestureStep(const GestureStep& step);

  Sheet& sheet_;
  Dialogs& dialogs_;
  bool showing_ = false;  // the controls are being set from the sheet
  bool rowToggled_ = false;  // the parameter row came or went: the canvas is about to move

  QTabWidget* tabMain_ = nullptr;
  GraphPage* graphPage_ = nullptr;
  KurvalonPage* kurvalonPage_ = nullptr;
  DifferentialPage* differentialPage_ = nullptr;
  QStatusBar* sbrGraph_ = nullptr;
  // What a click on each tab runs, by strip and tab index.
  std::array<std::vector<std::function<void()>>, 2> opened_;

  QToolBar* tbrGraph_ = nullptr;
  std::map<QString, QAction*> toolButtons_;
  QAction* mnuUndo_ = nullptr;
  QAction* mnuRedo_ = nullptr;

  std::unique_ptr<RecentFiles> recentFiles_;
  QMenu* mnuRecent_ = nullptr;

  std::unique_ptr<RecoveryFile> recovery_;
  QTimer* recoveryTimer_ = nullptr;
};
