#include "ui/pages/intersection_page.h"

#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculus/integration.h"
#include "engine/messages.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/comma_keys.h"
#include "ui/widgets/copy_command.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/parameter_note.h"

namespace {

const QString kXAxis = QStringLiteral("x-Achse");

QListWidget* namedList(const char* name) {
  auto* list = new QListWidget;
  list->setObjectName(QLatin1String(name));
  addCopyCommand(list);
  return list;
}

QLineEdit* readOnly(const char* name) {
  QLineEdit* field = namedField(QLatin1String(name));
  field->setReadOnly(true);
  return field;
}

// The chosen graph's name stands in its colour, as in the open list.
void showInItsColour(QComboBox* box) {
  QPalette palette = box->palette();
  const QVariant colour = box->currentData(Qt::ForegroundRole);
  const QColor shown = colour.isValid() ? colour.value<QColor>() : QColor(Qt::black);
  palette.setColor(QPalette::ButtonText, shown);
  palette.setColor(QPalette::Text, shown);
  box->setPalette(palette);
}

}  // namespace

IntersectionPage::IntersectionPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  setObjectName(QStringLiteral("tabSchnitt"));
  cboSchnittF_ = new QComboBox;
  cboSchnittF_->setObjectName(QStringLiteral("cboSchnittF"));
  cboSchnittG_ = new QComboBox;
  cboSchnittG_->setObjectName(QStringLiteral("cboSchnittG"));
  auto* graphs = new QGridLayout;
  graphs->addWidget(new QLabel(QStringLiteral("f:")), 0, 0);
  graphs->addWidget(cboSchnittF_, 0, 1);
  graphs->addWidget(new QLabel(QStringLiteral("g:")), 1, 0);
  graphs->addWidget(cboSchnittG_, 1, 1);
  graphs->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(graphs);
  layout->addWidget(buildMeetingFrame());
  layout->addWidget(buildTangentFrame());
  layout->addWidget(buildAreaFrame());
  layout->addStretch();
  for (QComboBox* box : {cboSchnittF_, cboSchnittG_})
    connect(box, &QComboBox::currentIndexChanged, box, [box] { showInItsColour(box); });
  connect(&sheet_, &Sheet::termsChanged, this, &IntersectionPage::refreshGraphs);
  refreshGraphs();
}

QWidget* IntersectionPage::buildMeetingFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Schnittpunkte zweier Graphen"));
  auto* column = new QVBoxLayout(frame);
  auto* calculate = namedButton("cmdSchnitt", QStringLiteral("Berechne..."));
  cmdSchnittZeichnen_ = namedButton("cmdSchnittZeichnen", QStringLiteral("Punkte einzeichnen"));
  cmdSchnittZeichnen_->setEnabled(false);
  lstSchnitt_ = namedList("lstSchnitt");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculate);
  buttons->addWidget(cmdSchnittZeichnen_);
  column->addLayout(buttons);
  column->addWidget(lstSchnitt_);
  connect(calculate, &QPushButton::clicked, this, &IntersectionPage::cmdSchnitt);
  connect(cmdSchnittZeichnen_, &QPushButton::clicked, this, &IntersectionPage::cmdSchnittZeichnen);
  return frame;
}

QWidget* IntersectionPage::buildTangentFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Tangente und Normale"));
  auto* grid = new QGridLayout(frame);
  txtTangenteX0_ = namedField(QStringLiteral("txtTangenteX0"));
  txtTangente_ = readOnly("txtTangente");
  txtNormale_ = readOnly("txtNormale");
  lblBeruehrpunkt_ = new QLabel;
  lblBeruehrpunkt_->setObjectName(QStringLiteral("lblBeruehrpunkt"));
  chkNormale_ = new QCheckBox(QStringLiteral("Normale zeichnen"));
  chkNormale_->setObjectName(QStringLiteral("chkNormale"));
  auto* calculate = namedButton("cmdTangente", QStringLiteral("Berechne..."));
  auto* draw = namedButton("cmdTangenteZeichnen", QStringLiteral("Zeichne..."));
  txtTangenteU_ = namedField(QStringLiteral("txtTangenteU"));
  txtTangenteV_ = namedField(QStringLiteral("txtTangenteV"));
  auto* through = namedButton("cmdTangenteDurchPunkt", QStringLiteral("Tangente durch P(u | v)"));
  lstTangenten_ = namedList("lstTangenten");
  grid->addWidget(new QLabel(QStringLiteral("x0 =")), 0, 0);
  grid->addWidget(txtTangenteX0_, 0, 1);
  grid->addWidget(calculate, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("t(x) =")), 1, 0);
  grid->addWidget(txtTangente_, 1, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("n(x) =")), 2, 0);
  grid->addWidget(txtNormale_, 2, 1, 1, 2);
  grid->addWidget(lblBeruehrpunkt_, 3, 0, 1, 3);
  grid->addWidget(chkNormale_, 4, 1);
  grid->addWidget(draw, 4, 2);
  auto* point = new QHBoxLayout;
  point->addWidget(new QLabel(QStringLiteral("u =")));
  point->addWidget(txtTangenteU_);
  point->addWidget(new QLabel(QStringLiteral("v =")));
  point->addWidget(txtTangenteV_);
  point->addWidget(through);
  grid->addLayout(point, 5, 0, 1, 3);
  grid->addWidget(lstTangenten_, 6, 0, 1, 3);
  for (QLineEdit* number : {txtTangenteU_, txtTangenteV_}) typePointAsComma(number);
  connect(calculate, &QPushButton::clicked, this, &IntersectionPage::cmdTangente);
  connect(txtTangenteX0_, &QLineEdit::returnPressed, this, &IntersectionPage::cmdTangente);
  connect(draw, &QPushButton::clicked, this, &IntersectionPage::cmdTangenteZeichnen);
  connect(through, &QPushButton::clicked, this, &IntersectionPage::cmdTangenteDurchPunkt);
  return frame;
}

QWidget* IntersectionPage::buildAreaFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Fläche zwischen zwei Graphen"));
  auto* grid = new QGridLayout(frame);
  txtFlaecheVon_ = namedField(QStringLiteral("txtFlaecheVon"));
  txtFlaecheBis_ = namedField(QStringLiteral("txtFlaecheBis"));
  txtFlaeche_ = readOnly("txtFlaeche");
  lstFlaeche_ = namedList("lstFlaeche");
  auto* calculate = namedButton("cmdFlaeche", QStringLiteral("Berechne..."));
  grid->addWidget(new QLabel(QStringLiteral("von")), 0, 0);
  grid->addWidget(txtFlaecheVon_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("bis")), 0, 2);
  grid->addWidget(txtFlaecheBis_, 0, 3);
  grid->addWidget(calculate, 0, 4);
  grid->addWidget(txtFlaeche_, 1, 0, 1, 5);
  grid->addWidget(lstFlaeche_, 2, 0, 1, 5);
  for (QLineEdit* number : {txtFlaecheVon_, txtFlaecheBis_}) typePointAsComma(number);
  connect(calculate, &QPushButton::clicked, this, &IntersectionPage::cmdFlaeche);
  return frame;
}

void IntersectionPage::refreshGraphs() {
  const QStringList& terms = sheet_.terms();
  qsizetype current = terms.indexOf(sheet_.entryText());
  if (current < 0) current = terms.size() - 1;
  for (QComboBox* box : {cboSchnittF_, cboSchnittG_}) {
    box->clear();
    for (qsizetype i = 0; i < terms.size(); ++i) {
      box->addItem(terms[i], static_cast<int>(i));
      box->setItemData(static_cast<int>(i), sheet_.appearance().curveColor(static_cast<int>(i)),
                       Qt::ForegroundRole);
    }
  }
  cboSchnittG_->addItem(kXAxis, -1);
  cboSchnittF_->setCurrentIndex(static_cast<int>(current));
  cboSchnittG_->setCurrentIndex(current > 0 ? static_cast<int>(current - 1)
                                            : cboSchnittG_->count() - 1);
  for (QComboBox* box : {cboSchnittF_, cboSchnittG_}) showInItsColour(box);
}

int IntersectionPage::chosenEntry(const QComboBox* box) const {
  return box->currentIndex() < 0 ? -1 : box->currentData().toInt();
}

EngineTerm IntersectionPage::chosen(const QComboBox* box) const {
  if (box->currentIndex() < 0) return {};
  if (box->currentData().toInt() < 0) return EngineTerm::asIs(QStringLiteral("0"));
  // A family's member with the current value of its parameter.
  return EngineTerm::fromUser(sheet_.calculatorTerm(box->currentText()).term);
}

std::optional<QString> IntersectionPage::memberNote(bool both) {
  QStringList notes;
  for (const QComboBox* box : {cboSchnittF_, cboSchnittG_}) {
    if (box->currentIndex() >= 0 && box->currentData().toInt() >= 0) {
      const Sheet::CalculatorTerm member = sheet_.calculatorTerm(box->currentText());
      if (!member.refusal.isEmpty()) {
        showError(dialogs_, member.refusal);
        return std::nullopt;
      }
      if (!member.note.isEmpty() && !notes.contains(member.note)) notes << member.note;
    }
    if (!both) break;
  }
  return joinedNotes(notes);
}

void IntersectionPage::cmdSchnitt() {
  lstSchnitt_->clear();
  points_.clear();
  cmdSchnittZeichnen_->setEnabled(false);
  const EngineTerm f = chosen(cboSchnittF_), g = chosen(cboSchnittG_);
  if (f.isEmpty() || g.isEmpty()) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  const std::optional<QString> note = memberNote(true);
  if (!note) return;
  const Meeting m = Schnittpunkte(sheet_.engine(), f, g, sheet_.view().xmin, sheet_.view().xmax);
  if (!note->isEmpty()) lstSchnitt_->addItem(*note);
  if (!m.message.isEmpty()) {
    lstSchnitt_->addItem(m.message);
    return;
  }
  if (m.points.isEmpty())
    lstSchnitt_->addItem(QStringLiteral("Im Fenster gibt es keinen Schnittpunkt."));
  for (qsizetype i = 0; i < m.points.size(); ++i) {
    const MeetingPoint& p = m.points[i];
    lstSchnitt_->addItem(meetingLine(p, static_cast<int>(i) + 1).plain);
    const QString name = QStringLiteral("S") + QString::number(i + 1);
    points_ << KeyPoint{name, p.xValue, p.yValue,
                        name + '(' + schoolNumber(p.xValue) + '|' + schoolNumber(p.yValue) + ')'};
  }
  pointsEntry_ = chosenEntry(cboSchnittF_);
  cmdSchnittZeichnen_->setEnabled(!points_.isEmpty());
}

void IntersectionPage::cmdSchnittZeichnen() {
  sheet_.markKeyPoints(pointsEntry_, points_);
}

bool IntersectionPage::tangentShown() {
  const EngineTerm f = chosen(cboSchnittF_);
  if (f.isEmpty() || f.text() == QStringLiteral("0")) {
    showError(dialogs_, kNoTermMessage);
    return false;
  }
  const std::optional<QString> note = memberNote(false);
  if (!note) return false;
  tangent_ = Tangente(sheet_.engine(), f, txtTangenteX0_->text());
  txtTangente_->clear();
  txtNormale_->clear();
  lblBeruehrpunkt_->clear();
  if (!tangent_.message.isEmpty()) {
    showError(dialogs_, tangent_.message);
    return false;
  }
  txtTangente_->setText(lineText(tangent_.tangent).plain);
  const QString x0 = schoolTerm(tangent_.x0).plain;
  txtNormale_->setText(tangent_.verticalNormal ? QStringLiteral("x = ") + x0
                                               : lineText(tangent_.normal).plain);
  lblBeruehrpunkt_->setText(QStringLiteral("Berührpunkt B(") + x0 + QStringLiteral(" | ") +
                            schoolTerm(tangent_.y0).plain + QStringLiteral("), Steigung m = ") +
                            schoolTerm(tangent_.tangent.slope).plain);
  if (!note->isEmpty()) {
    lblBeruehrpunkt_->setText(lblBeruehrpunkt_->text() + QStringLiteral(" (") + *note + ')');
  }
  return true;
}

void IntersectionPage::cmdTangente() {
  tangentShown();
}

void IntersectionPage::cmdTangenteZeichnen() {
  if (!tangentShown()) return;
  Engine& engine = sheet_.engine();
  QStringList lines{lineTerm(engine, tangent_.tangent).text()};
  if (chkNormale_->isChecked() && !tangent_.verticalNormal)
    lines << lineTerm(engine, tangent_.normal).text();
  sheet_.appendTerms(lines, lines.back());
  const int first = static_cast<int>(sheet_.terms().size() - lines.size());
  for (int i = 0; i < lines.size(); ++i) sheet_.Graph_zeichnen(lines[i], Ink::entry(first + i));
}

void IntersectionPage::cmdTangenteDurchPunkt() {
  lstTangenten_->clear();
  const EngineTerm f = chosen(cboSchnittF_);
  if (f.isEmpty() || f.text() == QStringLiteral("0")) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  const std::optional<QString> note = memberNote(false);
  if (!note) return;
  const TangentsThrough found =
      TangentenDurchPunkt(sheet_.engine(), f, txtTangenteU_->text(), txtTangenteV_->text(),
                          sheet_.view().xmin, sheet_.view().xmax);
  if (!note->isEmpty()) lstTangenten_->addItem(*note);
  if (!found.message.isEmpty()) lstTangenten_->addItem(found.message);
  for (qsizetype i = 0; i < found.tangents.size(); ++i)
    lstTangenten_->addItem(tangentThroughLine(found.tangents[i], static_cast<int>(i) + 1).plain);
}

void IntersectionPage::cmdFlaeche() {
  txtFlaeche_->clear();
  lstFlaeche_->clear();
  const EngineTerm f = chosen(cboSchnittF_), g = chosen(cboSchnittG_);
  if (f.isEmpty() || g.isEmpty()) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  const std::optional<QString> note = memberNote(true);
  if (!note) return;
  const ViewWindow& view = sheet_.view();
  const Area area = Flaeche(sheet_.engine(), f, g, view.xmin, view.xmax, txtFlaecheVon_->text(),
                            txtFlaecheBis_->text());
  if (!area.message.isEmpty()) {
    showError(dialogs_, area.message);
    return;
  }
  txtFlaeche_->setText(areaText(area).plain);
  if (!note->isEmpty()) lstFlaeche_->addItem(*note);
  for (const AreaPart& part : area.parts) lstFlaeche_->addItem(areaPartLine(part).plain);
  const HatchLines lines =
      hatchBetween(sheet_.engine(), f, g, area.parts.front().fromValue, area.parts.back().toValue,
                   view.xtic / 19.0, view.xtic / 30.0);
  if (const QString* message = std::get_if<QString>(&lines)) {
    showError(dialogs_, *message);
    return;
  }
  sheet_.drawHatching(std::get<QList<QLineF>>(lines));
}
