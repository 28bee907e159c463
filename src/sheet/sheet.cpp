#include "sheet/sheet.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <variant>

#include "calculus/family.h"
#include "documents/graph_file.h"
#include "documents/picture_file.h"
#include "documents/printing.h"
#include "documents/recovery_file.h"
#include "documents/save_file.h"
#include "engine/engine.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/school_notation.h"
#include "plot/coordinate_system.h"
#include "plot/family_plot.h"
#include "plot/sampling.h"
#include "plot/overlay.h"

namespace {

// The six numbers of a file as the view fields would show them; nullopt
// (with the message) when they make no window.
std::variant<ViewTexts, QString> viewTextsOf(const std::array<float, 6>& numbers) {
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = numberText(numbers[i]);
  auto window = readViewWindow(texts);
  if (auto* failure = std::get_if<QString>(&window)) return *failure;
  return texts;
}

}  // namespace

Sheet::Sheet(Engine& engine, QObject* parent)
    : QObject(parent),
      engine_(engine),
      steps_(
          this,
          [this](int id) {
            return SheetState{id, doc_, canvas_.snapshot()};
          },
          [this](const SheetState& state) { restore(state); }, [this] { emit historyChanged(); }) {
  surface_ = [this] { return Surface{QSize(canvas_.width(), canvas_.height()), 1}; };
  for (auto changed : {&Sheet::drawingChanged, &Sheet::appearanceChanged, &Sheet::labelsChanged}) {
    connect(this, changed, this, [this] { steps_.noteChange(); });
  }
}

// The field's text is part of the state, but typing is no step: the state
// the next step goes back to holds it.
void Sheet::setEntryText(const QString& text) {
  doc_.list.entry = text;
  steps_.amendSettled([&](SheetDocument& settled) { settled.list.entry = text; });
}

void Sheet::selectTerm(int index) {
  if (!doc_.list.select(index)) return;
  steps_.amendSettled([&](SheetDocument& settled) {
    settled.list.current = doc_.list.current;
    settled.list.entry = doc_.list.entry;
  });
  emit termsChanged();
}

void Sheet::appendTerms(const QStringList& terms, const QString& shown) {
  doc_.list.append(terms, shown);
  emit termsChanged();
  steps_.noteChange();
}

void Sheet::replaceTerms(const QStringList& terms) {
  doc_.list.replace(terms);
  emit termsChanged();
  steps_.noteChange();
}

void Sheet::typeViewTexts(const ViewTexts& texts) {
  doc_.viewTexts = texts;
  steps_.amendSettled([&](SheetDocument& settled) { settled.viewTexts = texts; });
}

void Sheet::setViewTexts(const ViewTexts& texts) {
  if (doc_.viewTexts == texts) return;
  doc_.viewTexts = texts;
  emit viewTextsChanged();
}

void Sheet::applyView(const ViewTexts& texts) {
  setViewTexts(texts);
  redraw();
}

void Sheet::setAppearance(const Appearance& appearance) {
  doc_.appearance = appearance;
  emit appearanceChanged();
}

std::optional<Parameter> Sheet::entryParameter() const {
  const QList<QChar> letters = parameterLetters(EngineTerm::fromUser(doc_.list.entry));
  if (letters.size() != 1) return std::nullopt;
  return parameterFor(doc_.parameters, letters.front());
}

void Sheet::setParameter(const Parameter& parameter) {
  if (parameterFor(doc_.parameters, parameter.letter) == parameter) return;
  storeParameter(doc_.parameters, parameter);
  emit parametersChanged();
  steps_.noteChange();
  // A drag follows the mouse at most once a frame and is one step when it
  // ends; a typed value or a key is drawn at once, within its own step.
  if (steps_.gestureRunning()) {
    parameterDraw_.request();
  } else {
    redrawKeepingEntry();
  }
}

void Sheet::redrawKeepingEntry() {
  // Drawing walks the list; the entry field keeps its term, so that the
  // parameter row stays with the family being moved.
  const FunctionList before = doc_.list;
  redraw();
  if (doc_.list.current == before.current && doc_.list.entry == before.entry) return;
  doc_.list.current = before.current;
  doc_.list.entry = before.entry;
  emit termsChanged();
}

void Sheet::setSteckbrief(const SteckbriefTask& task) {
  if (doc_.steckbrief == task) return;
  doc_.steckbrief = task;
  emit steckbriefChanged();
  steps_.noteChange();
}

void Sheet::endParameterDrag() {
  parameterDraw_.flush();
  steps_.gestureEnded();
}

Sheet::CalculatorTerm Sheet::calculatorTerm(const QString& userTerm) {
  const EngineTerm term = EngineTerm::fromUser(userTerm);
  const QList<QChar> letters = parameterLetters(term);
  if (letters.size() != 1) return {userTerm, QString(), QString()};
  const Parameter p = parameterFor(doc_.parameters, letters.front());
  const EngineTerm member = substitute(engine_, term, QString(p.letter).toLatin1().constData(),
                                       EngineTerm::number(p.value));
  if (member.isEmpty() || member.text().startsWith(QStringLiteral("Fehler"))) {
    return {userTerm, QString(), QString()};
  }
  const QString value = QString(p.letter) + QStringLiteral(" = ") + schoolNumber(p.value);
  // x/t at t = 0 is infinity, √t·x at t = −1 imaginary: no member to work on.
  static const QRegularExpression noMember(QStringLiteral("\\b(undef|infinity|i)\\b"));
  if (member.text().contains(noMember)) {
    return {userTerm, QString(),
            QStringLiteral("Die Funktion ist für ") + value + QStringLiteral(" nicht definiert.")};
  }
  return {member.forUser(), QStringLiteral("für ") + value, QString()};
}

void Sheet::drawFamily() {
  const std::optional<Parameter> parameter = entryParameter();
  if (!parameter) {
    emit message(QStringLiteral("Der Term im Eingabefeld enthält keinen Parameter."));
    return;
  }
  if (parameter->members().isEmpty()) {
    emit message(QStringLiteral("Von, bis und Schrittweite ergeben keinen Wert des Parameters."));
    return;
  }
  if (parameter->memberCount() > kMaxMembers) {
    emit message(QStringLiteral("Die Schar hätte mehr als %1 Graphen; bitte wählen Sie eine "
                                "größere Schrittweite.")
                     .arg(kMaxMembers));
    return;
  }
  const int entry = static_cast<int>(doc_.list.terms.indexOf(doc_.list.entry));
  const QColor colour = entry >= 0 ? doc_.appearance.curveColor(entry) : penColour(canvas_);
  for (const Drawing& member : familyDrawings(engine_, doc_.list.entry, *parameter, colour,
                                              doc_.view, doc_.frame, doc_.appearance)) {
    drawOverlay(canvas_, member, doc_.view, doc_.frame, doc_.appearance);
  }
  emit drawingChanged();
}

void Sheet::drawLocus(int entry, const EngineTerm& term, bool vertical) {
  Drawing drawing;
  drawing.style.ink = entry >= 0 ? Ink::entry(entry) : Ink::palette(kAchsen);
  drawing.style.width = doc_.appearance.lineWidth;
  drawing.style.dashed = true;
  drawing.style.smooth = true;
  drawing.style.keepsPen = true;
  if (vertical) {
    const std::optional<double> x = approximateNumber(engine_, term);
    if (!x) return;
    drawing.segments << QLineF(*x, doc_.view.ymin, *x, doc_.view.ymax);
  } else {
    CurveSampling sampling;
    sampling.from = doc_.view.xmin;
    sampling.to = doc_.view.xmax;
    drawing.polylines = sampleCurve(engine_, term, sampling).polylines;
    drawing.band = 400;
  }
  draw(drawing);
}

const SheetLabel& Sheet::label(Label which) const {
  return doc_.labels[static_cast<int>(which)];
}

bool Sheet::Koordinatensystem_zeichnen() {
  std::variant<ViewWindow, QString> read = readViewWindow(doc_.viewTexts);
  if (auto* failure = std::get_if<QString>(&read)) {
    emit message(*failure);
    return false;
  }
  doc_.view = std::get<ViewWindow>(read);
  // The image follows the screen's pixel density; the geometry stays in logical pixels.
  const Surface surface = surface_();
  if (canvas_.width() != surface.size.width() || canvas_.height() != surface.size.height() ||
      canvas_.devicePixelRatio() != surface.ratio) {
    canvas_.resize(surface.size.width(), surface.size.height(), surface.ratio);
  }
  doc_.frame = ::Koordinatensystem_zeichnen(canvas_, doc_.view, doc_.appearance);
  emit drawingChanged();
  return true;
}

GraphResult Sheet::Graph_zeichnen(const QString& fktTerm, std::optional<Ink> ink) {
  if (doc_.list.entry.isEmpty()) {
    if (ink) takePenColour(canvas_, inkColour(*ink, doc_.appearance));
    return GraphResult::Drawn;
  }
  GraphResult result =
      ::Graph_zeichnen(canvas_, engine_, fktTerm, doc_.view, doc_.frame, doc_.appearance, ink,
                       doc_.parameters);
  emit drawingChanged();
  return result;
}

void Sheet::Graphen_zeichnen() {
  bool drawn = false;
  FunctionList& list = doc_.list;
  ::Graphen_zeichnen(canvas_, engine_, list.terms, doc_.view, doc_.frame, doc_.appearance,
                     [&](int entry, GraphResult) {
                       list.select(entry);
                       drawn = drawn || !list.entry.isEmpty();
                     },
                     doc_.parameters);
  if (drawn) emit drawingChanged();
  if (!list.terms.isEmpty()) emit termsChanged();
}

void Sheet::redraw() {
  if (Koordinatensystem_zeichnen()) Graphen_zeichnen();
}

void Sheet::neu() {
  for (SheetLabel& label : doc_.labels) label.shown = false;
  emit labelsChanged();
  canvas_.setPicture(QImage());
  doc_.list.replace({});
  doc_.parameters.clear();
  doc_.steckbrief = {};
  emit termsChanged();
  emit parametersChanged();
  emit steckbriefChanged();
  Koordinatensystem_zeichnen();
}

std::optional<Ink> Sheet::listTerm(const QString& term) {
  if (doc_.list.terms.contains(term)) return std::nullopt;  // drawn in the pen as it is
  appendTerms({term}, term);
  return Ink::entry(static_cast<int>(doc_.list.terms.size()) - 1);
}

void Sheet::enterTerm() {
  const QString term = doc_.list.entry;
  // A family has one parameter; a term with two is not listed.
  if (const ParameterReading reading = parameterOf(EngineTerm::fromUser(term));
      !reading.message.isEmpty()) {
    emit message(reading.message);
    return;
  }
  const std::optional<Ink> ink = listTerm(term);
  if (ink) emit termAdded(term);
  if (Graph_zeichnen(term, ink) == GraphResult::TermFaulty) emit message(kTermErrorMessage);
}

void Sheet::drawEquation(const QString& equation) {
  if (equation.isEmpty()) {
    emit message(QStringLiteral("Sie haben noch keine Funktionsgleichung berechnet!"));
    return;
  }
  Graph_zeichnen(equation, listTerm(equation));
}

void Sheet::draw(const Drawing& drawing) {
  drawOverlay(canvas_, drawing, doc_.view, doc_.frame, doc_.appearance);
  emit drawingChanged();
}

void Sheet::drawHatching(const QList<QLineF>& segments) {
  Drawing hatching;
  hatching.style.ink = Ink::palette(kSchraffur);
  hatching.style.mask = true;
  hatching.segments = segments;
  draw(hatching);
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
  drawing.style = {
      entry >= 0 ? Ink::entry(entry) : Ink::palette(kAchsen), 1, false, false, false, true};
  for (const KeyPoint& point : points) drawing.marks << Mark{{point.x, point.y}, point.caption};
  // Points of an earlier window may all lie outside this one: nothing changes.
  if (drawOverlay(canvas_, drawing, doc_.view, doc_.frame, doc_.appearance)) emit drawingChanged();
}

void Sheet::setPicture(const QImage& picture) {
  canvas_.setPicture(picture);
  emit drawingChanged();
}

void Sheet::erase() {
  canvas_.setPicture(QImage());
  Koordinatensystem_zeichnen();
}

void Sheet::dropPicture() {
  canvas_.setPicture(QImage());
}

QString Sheet::writePicture(const QString& fileName, int scale) const {
  return ::writePicture(canvas_, fileName, scale);
}

void Sheet::fillPrintout(PrintedSheet& printed) const {
  if (printed.picture.isNull()) printed.picture = canvas_.image();
  printed.picture.setDevicePixelRatio(canvas_.devicePixelRatio());  // screen pixels
  printed.drawing = &canvas_;  // printed as vectors in the picture's place
}

void Sheet::showGraphLabel(const QString& functionKind) {
  // An entry counts as chosen while the field shows it unchanged.
  const FunctionList& list = doc_.list;
  if (list.showsChosen()) takePenColour(canvas_, doc_.appearance.curveColor(list.current));
  if (list.terms.isEmpty()) {
    emit message(kNoTermMessage);
    return;
  }
  SheetLabel& label = doc_.labels[static_cast<int>(Label::Graph)];
  label.color = penColour(canvas_);
  label.text = functionKind + list.entry;
  label.shown = true;
  emit labelsChanged();
}

void Sheet::showComment(const QString& text) {
  takePenColour(canvas_, Qt::black);
  SheetLabel& label = doc_.labels[static_cast<int>(Label::Kommentar)];
  label.text = text;
  label.shown = true;
  emit labelsChanged();
}

void Sheet::hideLabel(Label which) {
  doc_.labels[static_cast<int>(which)].shown = false;
  emit labelsChanged();
}

void Sheet::printLabel(Label which, QPointF at) {
  // Both labels are printed where their text is that of the one dropped.
  const QString& dropped = label(which).text;
  for (const SheetLabel& other : doc_.labels) {
    if (other.text == dropped) printText(canvas_, at, other.text);
  }
  emit drawingChanged();
}

GestureStep Sheet::mousePressed(const GestureModes& modes, QPointF at, bool leftButton) {
  if (leftButton && (modes.zoom || modes.point || modes.line)) steps_.gestureStarted();
  GestureStep step = gesture_.press(modes, at, canvas_, doc_.viewTexts, doc_.view, doc_.frame);
  if (step.viewTexts) setViewTexts(*step.viewTexts);
  return step;
}

void Sheet::mouseMoved(const GestureModes& modes, bool leftOnly, QPointF at) {
  if (!modes.zoom && !modes.line) return;  // only rubber bands move
  gesture_.move(modes, leftOnly, at, canvas_);
  emit drawingChanged();
}

GestureStep Sheet::mouseReleased(const GestureModes& modes, QPointF at) {
  GestureStep step = gesture_.release(modes, at, canvas_, doc_.viewTexts, doc_.view, doc_.frame,
                                      [this](const ViewTexts& texts, bool redrawn) {
                                        setViewTexts(texts);
                                        if (redrawn) redraw();
                                      });
  steps_.gestureEnded();
  // A click in no mode draws nothing: no step, and the sheet stays saved.
  if (modes.zoom || modes.point || modes.line) emit drawingChanged();
  return step;
}

bool Sheet::open(const QString& fileName) {
  // The file's terms join those of the sheet: unsaved terms stay unsaved.
  const bool wasSaved = !modified() || doc_.list.terms.isEmpty();
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
  auto texts = viewTextsOf(content.view);
  if (auto* failure = std::get_if<QString>(&texts)) {
    emit message(
        QStringLiteral("Die Datei %1 ist keine Graphdatei.\nZeile 1: %2").arg(fileName, *failure));
    return false;
  }
  setViewTexts(std::get<ViewTexts>(texts));
  for (const Parameter& p : content.parameters) storeParameter(doc_.parameters, p);
  if (!content.parameters.isEmpty()) emit parametersChanged();
  // The file's task replaces the sheet's, as only one is shown.
  if (!content.steckbrief.isEmpty()) {
    doc_.steckbrief = content.steckbrief;
    emit steckbriefChanged();
  }
  if (!content.terms.isEmpty()) {
    const QString shown = doc_.list.terms.isEmpty() ? content.terms.first() : doc_.list.entry;
    appendTerms(content.terms, shown);
  }
  redraw();
  steps_.takeStep();
  if (wasSaved) steps_.markSaved();
  return true;
}

bool Sheet::save(const QString& fileName) {
  // The window of the last drawing, not what the fields may hold by now.
  auto bytes = writeGraphFile(doc_.viewNumbers(), doc_.list.terms, doc_.usedParameters(),
                              doc_.steckbrief);
  if (auto* failure = std::get_if<QString>(&bytes)) {
    emit message(*failure);
    return false;
  }
  const QString failure = saveFile(fileName, std::get<QByteArray>(bytes));
  if (!failure.isEmpty()) {
    emit message(failure);
    return false;
  }
  steps_.takeStep();
  steps_.markSaved();
  return true;
}

void Sheet::restore(const SheetState& state) {
  doc_ = state.document;
  canvas_.restore(state.canvas);
  emit termsChanged();
  emit parametersChanged();
  emit steckbriefChanged();
  emit viewTextsChanged();
  emit appearanceChanged();
  emit labelsChanged();
  emit drawingChanged();
}

QByteArray Sheet::recoveryBytes() const {
  return writeRecovery({doc_.viewNumbers(), doc_.list.terms, doc_.appearance, doc_.labels,
                        doc_.usedParameters(), doc_.steckbrief});
}

bool Sheet::restoreRecovery(const QByteArray& bytes) {
  std::optional<RecoveredSheet> recovered = readRecovery(bytes);
  if (!recovered) return false;
  auto texts = viewTextsOf(recovered->view);
  if (std::holds_alternative<QString>(texts)) return false;
  setViewTexts(std::get<ViewTexts>(texts));
  setAppearance(recovered->appearance);
  doc_.labels = recovered->labels;
  for (const Parameter& p : recovered->parameters) storeParameter(doc_.parameters, p);
  emit parametersChanged();
  doc_.steckbrief = recovered->steckbrief;
  emit steckbriefChanged();
  emit labelsChanged();
  canvas_.setPicture(QImage());
  replaceTerms(recovered->terms);
  redraw();
  return true;
}
