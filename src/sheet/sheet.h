#pragma once
// The document on screen: its content (the function list, the view, the
// appearance, the two canvas labels) and the drawing itself. The window and
// its pages show a Sheet and send it commands; the Sheet tells its observers
// what changed and which message a command ended with. Its steps are kept by
// an UndoController, its view moved by a ViewNavigation.

#include <QObject>
#include <QPointF>
#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>

#include "calculus/curve_discussion.h"
#include "canvas/canvas.h"
#include "plot/drawing.h"
#include "plot/graph.h"
#include "plot/mouse_gesture.h"
#include "sheet/sheet_document.h"
#include "sheet/frame_coalescer.h"
#include "sheet/undo_controller.h"
#include "sheet/view_navigation.h"

class Engine;
class QImage;
struct PrintedSheet;

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
  // The drawing, for the widget that shows it.
  const Canvas& canvas() const { return canvas_; }
  void setSurface(std::function<Surface()> surface) { surface_ = std::move(surface); }

  // The function list, as the entry field shows it.
  const QStringList& terms() const { return doc_.list.terms; }
  int currentTerm() const { return doc_.list.current; }
  const QString& entryText() const { return doc_.list.entry; }
  void setEntryText(const QString& text);
  void selectTerm(int index);  // the field then shows that entry
  // Appends entries as the list does; the first one into an empty list is
  // chosen. The field shows `shown` afterwards.
  void appendTerms(const QStringList& terms, const QString& shown);
  void replaceTerms(const QStringList& terms);  // the field shows the last one

  // The texts of the six view fields as typed, and the window of the last
  // drawing of the coordinate system with its pixel frame.
  const ViewTexts& viewTexts() const { return doc_.viewTexts; }
  void setViewTexts(const ViewTexts& texts);
  // The user typing in the view fields: no step, and the fields need no update.
  void typeViewTexts(const ViewTexts& texts);
  const ViewWindow& view() const { return doc_.view; }
  const PixelFrame& frame() const { return doc_.frame; }
  void applyView(const ViewTexts& texts);  // shows the texts and redraws
  ViewNavigation& navigation() { return navigation_; }

  // The parameters of families (f_t(x) = x³ − t·x) on the sheet; a letter
  // never set has the defaults (value 1, von −5, bis 5, Schrittweite 0,5).
  const Parameters& parameters() const { return doc_.parameters; }
  // The one parameter of the entry field's term with its settings; none for
  // a term without a parameter or with two.
  std::optional<Parameter> entryParameter() const;
  // New settings of a letter. The graphs holding it are drawn again with the
  // value at the next screen frame: a dragged slider redraws at most once a
  // frame, and a drag is one step (steps().gestureStarted/Ended).
  void setParameter(const Parameter& parameter);
  void beginParameterDrag() { steps_.gestureStarted(); }
  void endParameterDrag();
  // A term as the calculators take it: a listed or typed term with the value
  // of its parameter written in, and the note "für t = 2" to show with the
  // result (empty for a term without a parameter).
  struct CalculatorTerm {
    QString term;
    QString note;
    QString refusal;  // the member has no real values: "f ist für t = 0 nicht definiert."
  };
  CalculatorTerm calculatorTerm(const QString& userTerm);
  // "Schar zeichnen": the members of the entry's family in shades of its
  // colour, one step.
  void drawFamily();
  // A locus ("Ortskurve") dashed in the colour of list entry `entry`: the
  // graph of `term`, or the vertical line x = term.
  void drawLocus(int entry, const EngineTerm& term, bool vertical);

  // The reconstruction task: the degree and the conditions; a change is a step.
  const SteckbriefTask& steckbrief() const { return doc_.steckbrief; }
  void setSteckbrief(const SteckbriefTask& task);

  const Appearance& appearance() const { return doc_.appearance; }
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
  // The same, but the entry field keeps its term (drawing walks the list and
  // leaves the last entry chosen otherwise).
  void redrawKeepingEntry();
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
  // Hatching lines in the hatching colour, ANDed with what is drawn so that
  // curves and axes show through.
  void drawHatching(const QList<QLineF>& segments);
  // The points of a curve discussion on the graph: a filled ring in the
  // colour of the list entry discussed (the axes colour for -1), its caption
  // beside it. Points outside the window are left out.
  void markKeyPoints(int entry, const QList<KeyPoint>& points);

  // The background picture, and the erase command.
  void setPicture(const QImage& picture);
  void erase();
  // The picture goes, unseen until the next drawing: a pasted picture does
  // not move along with the view.
  void dropPicture();
  // The drawing as shown, for the clipboard; as a picture file; and for the
  // printout, as vectors in the picture's place.
  const QImage& image() const { return canvas_.image(); }
  QString writePicture(const QString& fileName, int scale) const;
  void fillPrintout(PrintedSheet& printed) const;

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
  // step (see UndoController).
  UndoController& steps() { return steps_; }
  const UndoController& steps() const { return steps_; }
  void undo() { steps_.undo(); }
  void redo() { steps_.redo(); }
  bool canUndo() const { return steps_.canUndo(); }
  bool canRedo() const { return steps_.canRedo(); }
  bool modified() const { return steps_.modified(); }
  // Runs `change` without making it a step: the drawing follows a new size of
  // the window, which nobody wants to take back.
  void withoutStep(const std::function<void()>& change) { steps_.withoutStep(change); }

  // What a crash must not lose: the graph file's content, the appearance
  // and the labels; restoring it is one step.
  QByteArray recoveryBytes() const;
  bool restoreRecovery(const QByteArray& bytes);  // false: damaged, nothing changed

 signals:
  void termsChanged();
  void parametersChanged();
  void steckbriefChanged();
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
  void restore(const SheetState& state);

  Engine& engine_;
  Canvas canvas_;
  std::function<Surface()> surface_;
  SheetDocument doc_;
  MouseGesture gesture_;
  ViewNavigation navigation_{*this};
  UndoController steps_;
  FrameCoalescer parameterDraw_{[this] { redrawKeepingEntry(); }};
};
