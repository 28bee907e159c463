#pragma once
// The document on screen: the function list, the view window, the
// appearance, the two canvas labels and the drawing itself. The window and
// its pages show a Sheet and send it commands; the Sheet tells its observers
// what changed and which message a command ended with.

#include <QObject>
#include <QPointF>
#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

#include "calculus/curve_discussion.h"
#include "canvas/canvas.h"
#include "plot/appearance.h"
#include "plot/drawing.h"
#include "plot/graph.h"
#include "plot/mouse_gesture.h"
#include "plot/view_commands.h"
#include "plot/view_window.h"
#include "sheet/frame_coalescer.h"
#include "sheet/sheet_history.h"

class Engine;
class QImage;

class Sheet : public QObject {
  Q_OBJECT

 public:
  enum class Label { Graph, Kommentar };
  // The canvas follows its widget: the size in logical pixels and the
  // screen's pixel ratio, asked for at every drawing of the coordinate system.
  struct Surface {
    QSize size{1, 1};
    double ratio = 1;
  };

  explicit Sheet(Engine& engine, QObject* parent = nullptr);

  Engine& engine() { return engine_; }
  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }
  void setSurface(std::function<Surface()> surface) { surface_ = std::move(surface); }

  // The function list, as the entry field shows it: the entries, the one
  // chosen (-1 for none) and the text in the field, which may differ.
  const QStringList& terms() const { return terms_; }
  int currentTerm() const { return current_; }
  const QString& entryText() const { return entry_; }
  void setEntryText(const QString& text);
  void selectTerm(int index);  // the field then shows that entry
  // Appends entries as the list does; the first one into an empty list is
  // chosen. The field shows `shown` afterwards.
  void appendTerms(const QStringList& terms, const QString& shown);
  void replaceTerms(const QStringList& terms);  // the field shows the last one

  // The texts of the six view fields as typed, and the window of the last
  // drawing of the coordinate system with its pixel frame.
  const ViewTexts& viewTexts() const { return viewTexts_; }
  void setViewTexts(const ViewTexts& texts);
  // The user typing in the view fields: no step, and the fields need no update.
  void typeViewTexts(const ViewTexts& texts);
  const ViewWindow& view() const { return view_; }
  const PixelFrame& frame() const { return frame_; }

  const Appearance& appearance() const { return appearance_; }
  void setAppearance(const Appearance& appearance);

  const SheetLabel& label(Label which) const;

  // Clears the canvas and draws the coordinate system of the view texts;
  // false (after a message) when a text is wrong: the canvas then keeps its
  // last drawing.
  bool Koordinatensystem_zeichnen();
  // Draws one curve in `ink`, or in the pen's colour when unset; nothing
  // while the entry field is empty.
  GraphResult Graph_zeichnen(const QString& fktTerm, std::optional<Ink> ink = std::nullopt);
  // Draws every entry in its colour, walking the list; the last one stays chosen.
  void Graphen_zeichnen();
  void redraw();  // both, as every change of the view or the appearance does
  void neu();

  // Enter in the entry field: a new term is listed in its colour, and drawn.
  void enterTerm();
  // Lists a computed equation once, in the colour of its entry, and draws
  // it in the current colour.
  void drawEquation(const QString& equation);
  // What a calculator hands over, drawn in the window of the last drawing.
  void draw(const Drawing& drawing);
  // Red circles of width 2 at world points; the pen stays as it was.
  void drawPoints(const QList<QPointF>& points);
  // The points of a curve discussion on the graph: a filled ring in the
  // colour of the list entry discussed (the axes colour for -1), its caption
  // beside it. Points outside the window are left out.
  void markKeyPoints(int entry, const QList<KeyPoint>& points);

  // The toolbar's view commands on the view texts.
  void pan(Pan direction);
  void zoomStep(bool zoomIn);
  void zoomBack();  // the default window
  void one2one();
  void applyView(const ViewTexts& texts);  // shows the texts and redraws

  // The wheel over the canvas zooms about the point under the cursor, the
  // middle button drags the view; the view follows at most once per screen
  // frame, and a drag is one step when it ends.
  void wheelZoom(QPointF at, double notches, bool fine);
  void dragStarted(QPointF at);
  void dragMoved(QPointF at);
  void dragEnded(QPointF at);
  bool dragging() const { return drag_.has_value(); }

  // The background picture, and the erase command.
  void setPicture(const QImage& picture);
  void erase();

  // The labels: the function label in the colour of its entry, the comment
  // in black; a label pressed leaves the canvas, one dropped is printed at
  // its top-left corner.
  void showGraphLabel(const QString& functionKind);
  void showComment(const QString& text);
  void hideLabel(Label which);
  void printLabel(Label which, QPointF at);

  // The mouse on the canvas, in canvas pixels. A gesture begun with the left
  // button is one step when it ends.
  GestureStep mousePressed(const GestureModes& modes, QPointF at, bool leftButton = true);
  void mouseMoved(const GestureModes& modes, bool leftOnly, QPointF at);
  GestureStep mouseReleased(const GestureModes& modes, QPointF at);

  // The graph file: the window of the last drawing and the function list.
  bool open(const QString& fileName);
  bool save(const QString& fileName);

  // Every change of the list, the drawing, the appearance or the labels is a
  // step, taken when the event that made it is handled. Undo restores the
  // sheet as it was before the last step, redo does it again.
  void undo();
  void redo();
  bool canUndo() const;
  bool canRedo() const;
  const SheetHistory& history() const { return history_; }
  // Runs `change` without making it a step: the drawing follows a new size of
  // the window, which nobody wants to take back.
  void withoutStep(const std::function<void()>& change);
  // Changed since it was last opened or saved (undo back there counts as unchanged).
  bool modified() const;

  // What a crash must not lose: the graph file's content, the appearance
  // and the labels; restoring it is one step.
  QByteArray recoveryBytes() const;
  bool restoreRecovery(const QByteArray& bytes);  // false: damaged, nothing changed

  // Canvas changes made directly through canvas() are announced with this.
  void drawn() { emit drawingChanged(); }

 signals:
  void termsChanged();
  void termAdded(const QString& term);  // Enter listed a new term
  void viewTextsChanged();
  void appearanceChanged();
  void labelsChanged();
  void drawingChanged();
  void message(const QString& text);  // a command ended with this error message
  void historyChanged();              // a step was taken, undone or redone

 private:
  // Lists a term not listed yet and gives its entry's colour; a listed one
  // is drawn in the pen's colour.
  std::optional<Ink> listTerm(const QString& term);
  void showViewSoon(const ViewTexts& texts);
  void noteChange();
  void takeStep();
  SheetState capture(int id) const;
  void restore(const SheetState& state);

  Engine& engine_;
  Canvas canvas_;
  std::function<Surface()> surface_;
  QStringList terms_;
  int current_ = -1;
  QString entry_ = QStringLiteral("x^2-2x");
  ViewTexts viewTexts_ = kDefaultViewTexts;
  ViewWindow view_;
  PixelFrame frame_;
  Appearance appearance_;
  std::array<SheetLabel, 2> labels_;
  MouseGesture gesture_;
  struct Drag {
    QPointF from;
    ViewTexts texts;
    PixelFrame frame;
    bool moved = false;
  };
  std::optional<Drag> drag_;
  std::optional<ViewTexts> nextView_;  // waiting for the next frame
  FrameCoalescer frameDraw_{[this] {
    if (nextView_) applyView(*std::exchange(nextView_, std::nullopt));
  }};

  SheetHistory history_;
  SheetState committed_;  // the state after the last step
  int lastId_ = 0, savedId_ = 0;
  bool stepPending_ = false, stepArmed_ = false, quiet_ = false, gestureActive_ = false;
};
