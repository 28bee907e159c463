#pragma once
// The main window: the "Graph" tab with the canvas and its settings, the
// calculator tabs, and the status bar. It wires the controls to the drawing
// and calculating code and holds the window's derived state (the pixel frame,
// the sampling state).

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>

#include <QPointF>
#include <map>

#include "canvas/canvas.h"
#include "documents/printing.h"
#include "engine/engine.h"
#include "plot/graph.h"
#include "plot/view_window.h"

class QAction;
class QComboBox;
class QLabel;
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
  explicit FrmGraph(Dialogs& dialogs, QWidget* parent = nullptr);

  static constexpr int kMainTabs = 6;
  static constexpr int kParameterTabs = 6;

  // Clears the canvas and draws the coordinate system of the view fields;
  // false (after a message) when a field is wrong: the canvas then keeps
  // its last drawing.
  bool Koordinatensystem_zeichnen();
  // Draws every entry of the function list in its colour; an entry that
  // fails is left out and the others are drawn.
  void Graphen_zeichnen();
  // Draws one curve in the current colour; nothing while the entry field is empty.
  GraphResult Graph_zeichnen(const QString& fktTerm);
  // Both, as every change of the view or the appearance does.
  void redraw();
  void neu();
  void calculate();

  // The toolbar's one handler: runs the command of a button's key.
  void buttonClick(const QString& key);
  QAction* toolButton(const QString& key) const;
  bool modeOn(const QString& key) const;  // zoom, point or line mode

  // The graph file and the printout.
  void speichern();
  void öffnen();
  void drucke();
  // The drawing as a PNG picture (1 to 4 times its size) or an SVG file.
  void exportieren();
  // Fills the derivative and discussion lines of the printout.
  void setPrintTexts(std::function<void(PrintedSheet&)> fill);

  // Puts a page in place of the empty one at `tab` of the main tab strip.
  void setMainPage(int tab, QWidget* page);

  // What opening a tab does; later pages register their resets and prefills.
  void setTabMainAction(int tab, std::function<void()> action);
  void setTabParameterAction(int tab, std::function<void()> action);
  // Called with the term when Enter adds it to the function list.
  void addTermListener(std::function<void(const QString&)> listener);

  // The size the calculator tab on screen works with: the degree, the number
  // of unknowns, points or intervals; each tab's reset sets it.
  std::int16_t n = 0;

  Engine& engine() { return engine_; }
  Dialogs& dialogs() { return dialogs_; }
  DifferentialPage* differentialPage() const { return differentialPage_; }
  Canvas& canvas() { return canvas_; }
  const ViewWindow& view() const { return view_; }
  const PixelFrame& frame() const { return frame_; }
  const SamplingState& sampling() const { return sampling_; }
  QComboBox* cboFunktionsterm() const;
  KurvalonPage* kurvalonPage() const;
  QTabWidget* tabMain() const { return tabMain_; }
  QTabWidget* tabParameter() const;
  CanvasWidget* picGraph() const;
  QLabel* lblGraph() const { return lblGraph_; }
  QLabel* lblKommentar() const { return lblKommentar_; }
  QStatusBar* sbrGraph() const { return sbrGraph_; }
  QString statusPanel(int index) const;

  // Drag and drop of the two canvas labels, split so that tests can drive it.
  void labelPressed(QLabel* label, QPointF grab);
  void labelDropped(const QString& name, QPointF topLeft);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void functionEntered();
  void chooseSwatchColor(int index);
  void chooseGridColor();
  void lineWidthChosen();
  void canvasResized();

  void buildToolbar();
  void buildMenus();
  void applyView(const ViewTexts& texts);  // writes the fields and redraws
  void pan(int direction);
  void showGraphLabel();
  void askComment();
  void copyPicture();

  void canvasPressed(Qt::MouseButton button, QPointF at);
  void canvasMoved(Qt::MouseButtons buttons, QPointF at);
  void canvasReleased(Qt::MouseButton button, QPointF at);
  QPointF worldPoint(double x, double y) const;

  Dialogs& dialogs_;
  Engine engine_;
  Canvas canvas_;
  ViewWindow view_;
  PixelFrame frame_;
  SamplingState sampling_;

  QTabWidget* tabMain_ = nullptr;
  GraphPage* graphPage_ = nullptr;
  DifferentialPage* differentialPage_ = nullptr;
  QStatusBar* sbrGraph_ = nullptr;
  std::array<std::function<void()>, kMainTabs> tabMainActions_;
  std::array<std::function<void()>, kParameterTabs> tabParameterActions_;
  std::vector<std::function<void(const QString&)>> termListeners_;
  std::function<void(PrintedSheet&)> printTexts_;

  QToolBar* tbrGraph_ = nullptr;
  std::map<QString, QAction*> toolButtons_;
  QLabel* lblGraph_ = nullptr;
  QLabel* lblKommentar_ = nullptr;
  QPointF labelGrab_;

  // The gesture on the canvas: where it began and where its other end was
  // last drawn, in canvas pixels; the view texts a zoom replaced on press.
  int startX = 0, startY = 0, endX = 0, endY = 0;
  QString zoomOldXmin_, zoomOldYmax_;
};
