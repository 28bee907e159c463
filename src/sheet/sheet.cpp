#include "sheet/sheet.h"

#include <QFile>
#include <QImage>
#include <QTimer>
#include <algorithm>
#include <variant>

#include "documents/graph_file.h"
#include "documents/recovery_file.h"
#include "documents/save_file.h"
#include "engine/engine.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "plot/coordinate_system.h"
#include "plot/overlay.h"

Sheet::Sheet(Engine& engine, QObject* parent) : QObject(parent), engine_(engine) {
  surface_ = [this] { return Surface{QSize(canvas_.width(), canvas_.height()), 1}; };
  committed_ = capture(0);
  for (auto changed : {&Sheet::drawingChanged, &Sheet::appearanceChanged, &Sheet::labelsChanged}) {
    connect(this, changed, this, &Sheet::noteChange);
  }
}

// The field's text is part of the state, but typing is no step: the state
// the next step goes back to holds it.
void Sheet::setEntryText(const QString& text) {
  entry_ = text;
  if (!stepPending_) committed_.entry = text;
}

void Sheet::selectTerm(int index) {
  if (index < 0 || index >= terms_.size()) return;
  current_ = index;
  entry_ = terms_[index];
  if (!stepPending_) {
    committed_.current = current_;
    committed_.entry = entry_;
  }
  emit termsChanged();
}

void Sheet::appendTerms(const QStringList& terms, const QString& shown) {
  for (const QString& term : terms) {
    terms_.append(term);
    if (current_ < 0) current_ = 0;
  }
  entry_ = shown;
  emit termsChanged();
  noteChange();
}

void Sheet::replaceTerms(const QStringList& terms) {
  terms_ = terms;
  current_ = terms_.isEmpty() ? -1 : 0;
  entry_ = terms_.isEmpty() ? QString() : terms_.last();
  emit termsChanged();
  noteChange();
}

void Sheet::typeViewTexts(const ViewTexts& texts) {
  viewTexts_ = texts;
  if (!stepPending_) committed_.viewTexts = texts;
}

void Sheet::setViewTexts(const ViewTexts& texts) {
  if (viewTexts_ == texts) return;
  viewTexts_ = texts;
  emit viewTextsChanged();
}

void Sheet::setAppearance(const Appearance& appearance) {
  appearance_ = appearance;
  emit appearanceChanged();
}

const SheetLabel& Sheet::label(Label which) const {
  return labels_[static_cast<int>(which)];
}

bool Sheet::Koordinatensystem_zeichnen() {
  std::variant<ViewWindow, QString> read = readViewWindow(viewTexts_);
  if (auto* failure = std::get_if<QString>(&read)) {
    emit message(*failure);
    return false;
  }
  view_ = std::get<ViewWindow>(read);
  // The image follows the screen's pixel density; the geometry stays in logical pixels.
  const Surface surface = surface_();
  if (canvas_.width() != surface.size.width() || canvas_.height() != surface.size.height() ||
      canvas_.devicePixelRatio() != surface.ratio) {
    canvas_.resize(surface.size.width(), surface.size.height(), surface.ratio);
  }
  frame_ = ::Koordinatensystem_zeichnen(canvas_, view_, appearance_);
  emit drawingChanged();
  return true;
}

GraphResult Sheet::Graph_zeichnen(const QString& fktTerm, std::optional<Ink> ink) {
  if (entry_.isEmpty()) {
    if (ink) takePenColour(canvas_, inkColour(*ink, appearance_));
    return GraphResult::Drawn;
  }
  GraphResult result =
      ::Graph_zeichnen(canvas_, engine_, fktTerm, view_, frame_, appearance_, ink);
  emit drawingChanged();
  return result;
}

void Sheet::Graphen_zeichnen() {
  bool drawn = false;
  ::Graphen_zeichnen(canvas_, engine_, terms_, view_, frame_, appearance_,
                     [&](int entry, GraphResult) {
                       current_ = entry;
                       entry_ = terms_[entry];
                       drawn = drawn || !entry_.isEmpty();
                     });
  if (drawn) emit drawingChanged();
  if (!terms_.isEmpty()) emit termsChanged();
}

void Sheet::redraw() {
  if (Koordinatensystem_zeichnen()) Graphen_zeichnen();
}

void Sheet::neu() {
  for (SheetLabel& label : labels_) label.shown = false;
  emit labelsChanged();
  canvas_.setPicture(QImage());
  terms_.clear();
  current_ = -1;
  entry_.clear();
  emit termsChanged();
  Koordinatensystem_zeichnen();
}

std::optional<Ink> Sheet::listTerm(const QString& term) {
  if (terms_.contains(term)) return std::nullopt;  // drawn in the pen as it is
  appendTerms({term}, term);
  return Ink::entry(static_cast<int>(terms_.size()) - 1);
}

void Sheet::enterTerm() {
  const QString term = entry_;
  const std::optional<Ink> ink = listTerm(term);
  if (ink) emit termAdded(term);
  if (Graph_zeichnen(entry_, ink) == GraphResult::TermFaulty) emit message(kTermErrorMessage);
}

void Sheet::drawEquation(const QString& equation) {
  if (equation.isEmpty()) {
    emit message(QStringLiteral("Sie haben noch keine Funktionsgleichung berechnet!"));
    return;
  }
  Graph_zeichnen(equation, listTerm(equation));
}

void Sheet::draw(const Drawing& drawing) {
  drawOverlay(canvas_, drawing, view_, frame_, appearance_);
  emit drawingChanged();
}

void Sheet::drawPoints(const QList<QPointF>& points) {
  Drawing drawing;
  drawing.style.ink = Ink::fixed(Qt::red);
  drawing.style.width = 2;
  drawing.style.keepsPen = true;
  drawing.rings = points;
  draw(drawing);
}

void Sheet::markKeyPoints(int entry, const QList<KeyPoint>& points) {
  Drawing drawing;
  drawing.style = {entry >= 0 ? Ink::entry(entry) : Ink::palette(kAchsen), 1, false, false, false,
                   true};
  for (const KeyPoint& point : points) drawing.marks << Mark{{point.x, point.y}, point.caption};
  // Points of an earlier window may all lie outside this one: nothing changes.
  if (drawOverlay(canvas_, drawing, view_, frame_, appearance_)) emit drawingChanged();
}

void Sheet::applyView(const ViewTexts& texts) {
  setViewTexts(texts);
  redraw();
}

void Sheet::pan(Pan direction) {
  auto moved = panView(viewTexts_, direction);
  if (auto* failure = std::get_if<QString>(&moved)) {
    emit message(*failure);
    return;
  }
  canvas_.setPicture(QImage());  // a pasted picture does not move along
  applyView(std::get<ViewTexts>(moved));
}

void Sheet::zoomStep(bool zoomIn) {
  auto zoomed = ::zoomStep(viewTexts_, zoomIn);
  if (auto* failure = std::get_if<QString>(&zoomed)) {
    emit message(*failure);
    return;
  }
  applyView(std::get<ViewTexts>(zoomed));
}

void Sheet::showViewSoon(const ViewTexts& texts) {
  nextView_ = texts;
  frameDraw_.request();
}

void Sheet::wheelZoom(QPointF at, double notches, bool fine) {
  // The point under the cursor in the window about to be shown.
  const ViewTexts& base = nextView_ ? *nextView_ : viewTexts_;
  auto window = readViewWindow(base);
  if (auto* failure = std::get_if<QString>(&window)) {
    emit message(*failure);
    return;
  }
  const ViewWindow& view = std::get<ViewWindow>(window);
  const QPointF centre =
      worldPoint(at, view, computePixelFrame(view, canvas_.width(), canvas_.height()));
  auto zoomed = zoomAbout(base, centre, notches, fine);
  if (auto* failure = std::get_if<QString>(&zoomed)) {
    emit message(*failure);
    return;
  }
  showViewSoon(std::get<ViewTexts>(zoomed));
}

void Sheet::dragStarted(QPointF at) {
  frameDraw_.flush();
  drag_ = Drag{at, viewTexts_, frame_};
  gestureActive_ = true;
}

void Sheet::dragMoved(QPointF at) {
  if (!drag_) return;
  const PixelFrame& frame = drag_->frame;
  if (frame.massX == 0 || frame.massY == 0) return;
  auto shifted = shiftView(drag_->texts, (drag_->from.x() - at.x()) / frame.massX,
                           (drag_->from.y() - at.y()) / frame.massY);
  if (auto* failure = std::get_if<QString>(&shifted)) {
    emit message(*failure);
    drag_.reset();
    gestureActive_ = false;
    return;
  }
  if (!drag_->moved) {
    canvas_.setPicture(QImage());  // a pasted picture does not move along
    drag_->moved = true;
  }
  showViewSoon(std::get<ViewTexts>(shifted));
}

void Sheet::dragEnded(QPointF at) {
  if (!drag_) return;
  dragMoved(at);
  frameDraw_.flush();
  drag_.reset();
  gestureActive_ = false;
  if (stepPending_) noteChange();
}

void Sheet::zoomBack() {
  applyView(kDefaultViewTexts);
}

void Sheet::one2one() {
  applyView(one2oneView());
}

void Sheet::setPicture(const QImage& picture) {
  canvas_.setPicture(picture);
  emit drawingChanged();
}

void Sheet::erase() {
  canvas_.setPicture(QImage());
  Koordinatensystem_zeichnen();
}

void Sheet::showGraphLabel(const QString& functionKind) {
  // An entry counts as chosen while the field shows it unchanged.
  if (current_ != -1 && terms_[current_] == entry_) {
    takePenColour(canvas_, appearance_.curveColor(current_));
  }
  if (terms_.isEmpty()) {
    emit message(kNoTermMessage);
    return;
  }
  SheetLabel& label = labels_[static_cast<int>(Label::Graph)];
  label.color = penColour(canvas_);
  label.text = functionKind + entry_;
  label.shown = true;
  emit labelsChanged();
}

void Sheet::showComment(const QString& text) {
  takePenColour(canvas_, Qt::black);
  SheetLabel& label = labels_[static_cast<int>(Label::Kommentar)];
  label.text = text;
  label.shown = true;
  emit labelsChanged();
}

void Sheet::hideLabel(Label which) {
  labels_[static_cast<int>(which)].shown = false;
  emit labelsChanged();
}

void Sheet::printLabel(Label which, QPointF at) {
  // Both labels are printed where their text is that of the one dropped.
  const QString& dropped = label(which).text;
  for (const SheetLabel& other : labels_) {
    if (other.text != dropped) continue;
    printText(canvas_, at, other.text);
  }
  emit drawingChanged();
}

GestureStep Sheet::mousePressed(const GestureModes& modes, QPointF at, bool leftButton) {
  gestureActive_ = leftButton && (modes.zoom || modes.point || modes.line);
  GestureStep step = gesture_.press(modes, at, canvas_, viewTexts_, view_, frame_);
  if (step.viewTexts) setViewTexts(*step.viewTexts);
  return step;
}

void Sheet::mouseMoved(const GestureModes& modes, bool leftOnly, QPointF at) {
  if (!modes.zoom && !modes.line) return;  // only rubber bands move
  gesture_.move(modes, leftOnly, at, canvas_);
  emit drawingChanged();
}

GestureStep Sheet::mouseReleased(const GestureModes& modes, QPointF at) {
  GestureStep step = gesture_.release(modes, at, canvas_, viewTexts_, view_, frame_,
                                      [this](const ViewTexts& texts, bool redrawn) {
                                        setViewTexts(texts);
                                        if (redrawn) redraw();
                                      });
  gestureActive_ = false;
  // A click in no mode draws nothing: no step, and the sheet stays saved.
  if (modes.zoom || modes.point || modes.line) emit drawingChanged();
  return step;
}

bool Sheet::open(const QString& fileName) {
  // The file's terms join those of the sheet: unsaved terms stay unsaved.
  const bool wasSaved = !modified() || terms_.isEmpty();
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    emit message(QStringLiteral("Die Datei %1 kann nicht geöffnet werden: %2")
                     .arg(fileName, file.errorString()));
    return false;
  }
  // The whole file is checked before anything changes.
  auto read = readGraphFile(file.readAll());
  if (auto* failure = std::get_if<QString>(&read)) {
    emit message(QStringLiteral("Die Datei %1 ist keine Graphdatei.\n%2").arg(fileName, *failure));
    return false;
  }
  const GraphFile& content = std::get<GraphFile>(read);
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = numberText(content.view[i]);
  auto window = readViewWindow(texts);
  if (auto* failure = std::get_if<QString>(&window)) {
    emit message(
        QStringLiteral("Die Datei %1 ist keine Graphdatei.\nZeile 1: %2").arg(fileName, *failure));
    return false;
  }
  setViewTexts(texts);
  if (!content.terms.isEmpty()) {
    const QString shown = terms_.isEmpty() ? content.terms.first() : entry_;
    appendTerms(content.terms, shown);
  }
  redraw();
  takeStep();
  if (wasSaved) savedId_ = committed_.id;
  return true;
}

bool Sheet::save(const QString& fileName) {
  // The window of the last drawing, not what the fields may hold by now.
  auto bytes = writeGraphFile(
      {view_.xmin, view_.xmax, view_.ymin, view_.ymax, view_.xtic, view_.ytic}, terms_);
  if (auto* failure = std::get_if<QString>(&bytes)) {
    emit message(*failure);
    return false;
  }
  const QString failure = saveFile(fileName, std::get<QByteArray>(bytes));
  if (!failure.isEmpty()) {
    emit message(failure);
    return false;
  }
  takeStep();
  savedId_ = committed_.id;
  return true;
}

void Sheet::noteChange() {
  if (quiet_) return;
  stepPending_ = true;
  if (stepArmed_) return;
  // Everything one event changes is one step.
  stepArmed_ = true;
  QTimer::singleShot(0, this, [this] {
    stepArmed_ = false;
    takeStep();
  });
}

void Sheet::takeStep() {
  if (!stepPending_ || gestureActive_) return;  // a gesture is one step when it ends
  stepPending_ = false;
  SheetState now = capture(++lastId_);
  history_.push(std::move(committed_));
  committed_ = std::move(now);
  emit historyChanged();
}

void Sheet::withoutStep(const std::function<void()>& change) {
  takeStep();  // what came before stays a step of its own
  const bool wasQuiet = quiet_;
  quiet_ = true;
  change();
  quiet_ = wasQuiet;
  committed_ = capture(committed_.id);
}

bool Sheet::canUndo() const {
  return history_.canUndo() || (stepPending_ && !gestureActive_);
}

bool Sheet::canRedo() const {
  return history_.canRedo() && !stepPending_;
}

void Sheet::undo() {
  takeStep();
  if (!history_.canUndo()) return;
  restore(history_.undo(std::move(committed_)));
}

void Sheet::redo() {
  takeStep();
  if (!history_.canRedo()) return;
  restore(history_.redo(std::move(committed_)));
}

bool Sheet::modified() const {
  return stepPending_ || committed_.id != savedId_;
}

SheetState Sheet::capture(int id) const {
  return SheetState{id,    terms_, current_,    entry_,  viewTexts_,
                    view_, frame_, appearance_, labels_, canvas_.snapshot()};
}

void Sheet::restore(const SheetState& state) {
  const bool wasQuiet = quiet_;
  quiet_ = true;
  terms_ = state.terms;
  current_ = state.current;
  entry_ = state.entry;
  viewTexts_ = state.viewTexts;
  view_ = state.view;
  frame_ = state.frame;
  appearance_ = state.appearance;
  labels_ = state.labels;
  canvas_.restore(state.canvas);
  committed_ = state;
  emit termsChanged();
  emit viewTextsChanged();
  emit appearanceChanged();
  emit labelsChanged();
  emit drawingChanged();
  emit historyChanged();
  quiet_ = wasQuiet;
}

QByteArray Sheet::recoveryBytes() const {
  return writeRecovery({{view_.xmin, view_.xmax, view_.ymin, view_.ymax, view_.xtic, view_.ytic},
                        terms_,
                        appearance_,
                        labels_});
}

bool Sheet::restoreRecovery(const QByteArray& bytes) {
  std::optional<RecoveredSheet> recovered = readRecovery(bytes);
  if (!recovered) return false;
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = numberText(recovered->view[i]);
  if (std::holds_alternative<QString>(readViewWindow(texts))) return false;
  setViewTexts(texts);
  setAppearance(recovered->appearance);
  labels_ = recovered->labels;
  emit labelsChanged();
  canvas_.setPicture(QImage());
  replaceTerms(recovered->terms);
  redraw();
  return true;
}
