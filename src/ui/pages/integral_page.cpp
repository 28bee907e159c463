#include "ui/pages/integral_page.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculus/integration.h"
#include "engine/format_pattern.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "plot/appearance.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/copy_command.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/parameter_note.h"

namespace {

const QString kTwoCurvesFirst = QStringLiteral("zuerst 2 Kurven zeichnen");

QLabel* integralSign() {
  auto* sign = new QLabel(QStringLiteral("∫"));
  QFont font = sign->font();
  font.setPointSize(font.pointSize() * 3);
  sign->setFont(font);
  return sign;
}

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(qobject_cast<QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText,
                   colour);
  widget->setPalette(palette);
}

}  // namespace

IntegralPage::IntegralPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  auto* layout = new QVBoxLayout(this);
  lblParameterHinweis_ = parameterNote();
  layout->addWidget(lblParameterHinweis_);
  layout->addWidget(buildSymbolicFrame());
  layout->addWidget(buildAxisFrame());
  layout->addWidget(buildTwoCurvesFrame());
  layout->addStretch();
}

QWidget* IntegralPage::buildSymbolicFrame() {
  auto* box = new QGroupBox(QStringLiteral("symbolische Integration "));
  box->setObjectName(QStringLiteral("fraInt"));
  auto* grid = new QGridLayout(box);
  txtInt_ = namedField(QStringLiteral("txtInt"));
  txtIntSymb_ = namedField(QStringLiteral("txtIntSymb"));
  txtIntSymb_->setReadOnly(true);
  addCopyCommand(txtIntSymb_);
  auto* button = namedButton("cmdInt", QStringLiteral("Integriere symbolisch"));
  grid->addWidget(integralSign(), 0, 0);
  grid->addWidget(txtInt_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("dx")), 0, 2);
  grid->addWidget(button, 1, 0, 1, 3);
  grid->addWidget(txtIntSymb_, 2, 0, 1, 3);
  connect(button, &QPushButton::clicked, this, &IntegralPage::cmdInt);
  return box;
}

QWidget* IntegralPage::buildAxisFrame() {
  auto* box = new QGroupBox(QStringLiteral("Fäche zwischen Kurve und x-Achse"));
  box->setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout(box);
  txt_oben_ = namedField(QStringLiteral("txt_oben"), QStringLiteral("b"));
  txt_unten_ = namedField(QStringLiteral("txt_unten"), QStringLiteral("a"));
  for (QLineEdit* limit : {txt_oben_, txt_unten_}) {
    limit->setFixedWidth(60);
    limit->installEventFilter(this);
  }
  txtIntegrand_ = namedField(QStringLiteral("txtIntegrand"));
  txtIntegrand_->setReadOnly(true);
  addCopyCommand(txtIntegrand_);
  cmdIntegral1_ = namedButton("cmdIntegral1", QStringLiteral("Berechne Integral"));
  cmdIntegral1_->setEnabled(false);
  grid->addWidget(integralSign(), 0, 0, 2, 1);
  grid->addWidget(txt_oben_, 0, 1);
  grid->addWidget(txt_unten_, 1, 1);
  grid->addWidget(txtIntegrand_, 0, 2, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Ersetzen Sie a und b durch Zahlenwerte")), 2, 0, 1, 3);
  grid->addWidget(cmdIntegral1_, 3, 0, 1, 3);
  connect(cmdIntegral1_, &QPushButton::clicked, this, &IntegralPage::cmdIntegral1);
  return box;
}

QWidget* IntegralPage::buildTwoCurvesFrame() {
  auto* box = new QGroupBox(QStringLiteral("Fläche zwischen zwei Kurven"));
  box->setObjectName(QStringLiteral("Frame2"));
  auto* grid = new QGridLayout(box);
  txtObergrenze_ = namedField(QStringLiteral("txtObergrenze"), QStringLiteral("b"));
  txtUntergrenze_ = namedField(QStringLiteral("txtUntergrenze"), QStringLiteral("a"));
  for (QLineEdit* limit : {txtObergrenze_, txtUntergrenze_}) {
    limit->setFixedWidth(60);
    limit->setReadOnly(true);
  }
  txtIntegral2_ = namedField(QStringLiteral("txtIntegral2"));
  txtIntegral2_->setReadOnly(true);
  addCopyCommand(txtIntegral2_);
  cmdIntegral2_ = namedButton("cmdIntegral2", QStringLiteral("Berechne Integral"));
  cmdIntegral2_->setEnabled(false);
  lblInt2Kurven_ =
      namedLabel("lblInt2Kurven", QStringLiteral("Zoomen Sie die beiden Kurven so, dass auf der "
                                                 "Zeichenfläche nur zwei Schnittpunkte sind!"));
  lblInt2Kurven_->setWordWrap(true);
  grid->addWidget(integralSign(), 0, 0, 2, 1);
  grid->addWidget(txtObergrenze_, 0, 1);
  grid->addWidget(txtUntergrenze_, 1, 1);
  grid->addWidget(txtIntegral2_, 0, 2, 2, 1);
  grid->addWidget(lblInt2Kurven_, 2, 0, 1, 3);
  grid->addWidget(cmdIntegral2_, 3, 0, 1, 3);
  connect(cmdIntegral2_, &QPushButton::clicked, this, &IntegralPage::cmdIntegral2);
  return box;
}

bool IntegralPage::eventFilter(QObject* watched, QEvent* event) {
  auto* limit = qobject_cast<QLineEdit*>(watched);
  if (limit != txt_unten_ && limit != txt_oben_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) limit->clear();
  if (event->type() == QEvent::KeyPress) {
    (limit == txt_unten_ ? grenzeUntenEingegeben : grenzeObenEingegeben) = true;
    if (grenzeUntenEingegeben && grenzeObenEingegeben) cmdIntegral1_->setEnabled(true);
  }
  return false;  // every key goes on into the field
}

void IntegralPage::opened() {
  txt_oben_->setText(QStringLiteral("b"));
  txt_unten_->setText(QStringLiteral("a"));
  txtObergrenze_->setText(QStringLiteral("b"));
  txtUntergrenze_->setText(QStringLiteral("a"));
  // A family's member with the current value of its parameter.
  const Sheet::CalculatorTerm member = sheet_.calculatorTerm(sheet_.entryText());
  showNote(lblParameterHinweis_, member.refusal.isEmpty() ? member.note : member.refusal);
  const QString term =
      member.refusal.isEmpty() ? EngineTerm::fromUser(member.term).text() : QString();
  txtInt_->setText(term);
  txtIntegrand_->setText(term);
  txtIntegral2_->clear();
  txtIntSymb_->clear();
  grenzeUntenEingegeben = grenzeObenEingegeben = false;
  const auto curves = sheet_.terms().size();
  if (curves < 2) {
    txtIntegral2_->setText(kTwoCurvesFirst);
  } else if (curves == 2) {
    setTextColour(txtIntegral2_, Qt::black);
    txtIntegral2_->setText(QStringLiteral("[f(x)-g(x)]dx"));
    cmdIntegral2_->setEnabled(true);
  } else {
    txtIntegral2_->setText(QStringLiteral("mehr als 2 Kurven gezeichnet"));
  }
}

void IntegralPage::termAdded(const QString& term) {
  txtIntegrand_->setText(QStringLiteral("(") + term + QStringLiteral(") dx"));
}

void IntegralPage::cmdInt() {
  const QString entry = sheet_.entryText();
  if (txtInt_->text().isEmpty() && entry.isEmpty()) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  // With the field empty, the term of the function field is integrated.
  const Sheet::CalculatorTerm member = sheet_.calculatorTerm(entry);
  if (txtInt_->text().isEmpty() && !member.refusal.isEmpty()) {
    showError(dialogs_, member.refusal);
    return;
  }
  const EngineTerm integrand = txtInt_->text().isEmpty() ? EngineTerm::fromUser(member.term)
                                                         : EngineTerm::asIs(txtInt_->text());
  txtIntSymb_->setText(antiderivative(sheet_.engine(), integrand));
}

void IntegralPage::drawHatching(const std::variant<QList<QLineF>, QString>& lines) {
  if (const QString* message = std::get_if<QString>(&lines)) {
    showError(dialogs_, *message);
    sheet_.draw(Drawing());  // a step as before, with nothing drawn
  } else {
    sheet_.drawHatching(std::get<QList<QLineF>>(lines));
  }
}

void IntegralPage::cmdIntegral1() {
  std::optional<double> lower = parseNumber(txt_unten_->text());
  std::optional<double> upper = parseNumber(txt_oben_->text());
  if (!lower || !upper) {
    showError(dialogs_, lower ? QStringLiteral("Die obere Grenze ist keine Zahl!")
                              : QStringLiteral("Die untere Grenze ist keine Zahl!"));
    return;
  }
  const Sheet::CalculatorTerm member = sheet_.calculatorTerm(sheet_.entryText());
  if (!member.refusal.isEmpty()) {
    showError(dialogs_, member.refusal);
    return;
  }
  if (!sheet_.Koordinatensystem_zeichnen()) return;
  const QString term = sheet_.entryText();
  sheet_.Graph_zeichnen(term, Ink::entry(0));

  Engine& engine = sheet_.engine();
  showNote(lblParameterHinweis_, member.note);
  const EngineTerm f = EngineTerm::fromUser(member.term);
  QString value = definiteIntegral(engine, f, EngineTerm::fromUser(txt_unten_->text()),
                                   EngineTerm::fromUser(txt_oben_->text()));
  txtIntegrand_->setText(QStringLiteral("(") + txtIntegrand_->text() + QStringLiteral(") dx = ") +
                         value + QStringLiteral(" FE"));
  drawHatching(hatchToAxis(engine, f, *lower, *upper, sheet_.view().xtic / 19.0));
  cmdIntegral1_->setEnabled(false);
}

void IntegralPage::cmdIntegral2() {
  if (sheet_.terms().size() < 2) {
    setTextColour(txtIntegral2_, Qt::red);
    txtIntegral2_->setText(kTwoCurvesFirst);
    return;
  }
  sheet_.redraw();
  sheet_.selectTerm(1);
  const Sheet::CalculatorTerm first = sheet_.calculatorTerm(sheet_.entryText());
  sheet_.selectTerm(0);
  const Sheet::CalculatorTerm second = sheet_.calculatorTerm(sheet_.entryText());
  for (const Sheet::CalculatorTerm* member : {&first, &second}) {
    if (!member->refusal.isEmpty()) {
      showError(dialogs_, member->refusal);
      return;
    }
  }
  const QString a = first.term, b = second.term;
  QStringList notes;
  for (const QString& note : {first.note, second.note}) {
    if (!note.isEmpty() && !notes.contains(note)) notes << note;
  }
  showNote(lblParameterHinweis_, joinedNotes(notes));
  QString difference = QStringLiteral("(") + a + QStringLiteral(")-(") + b + QStringLiteral(")");
  txtIntegral2_->setText(difference);

  Engine& engine = sheet_.engine();
  const ViewWindow& view = sheet_.view();
  Intersections found =
      findIntersections(engine, EngineTerm::fromUser(difference), view.xmin, view.xmax);
  if (!found.failure.isEmpty()) {
    showError(dialogs_, found.failure);
    return;
  }
  if (found.xs.size() == 3) setTextColour(lblInt2Kurven_, Qt::red);
  if (found.xs.size() != 2) {
    setTextColour(txtIntegral2_, Qt::red);
    txtIntegral2_->setText(found.xs.isEmpty() ? QStringLiteral("keine Schnittpunkte vorhanden")
                           : found.xs.size() == 1
                               ? QStringLiteral("nur ein Schnittpunkt")
                               : QStringLiteral("mehr als 2 Schnittpunkte vorhanden"));
    return;
  }
  setTextColour(lblInt2Kurven_, Qt::black);
  setTextColour(txtIntegral2_, Qt::black);
  txtUntergrenze_->setText(formatPattern(found.xs[0], QStringLiteral("0.##0")));
  txtObergrenze_->setText(formatPattern(found.xs[1], QStringLiteral("0.##0")));
  cmdIntegral2_->setEnabled(true);

  // Integrated between the rounded limits as shown.
  QString answer = definiteIntegral(engine, EngineTerm::fromUser(txtIntegral2_->text()),
                                    EngineTerm::fromUser(txtUntergrenze_->text()),
                                    EngineTerm::fromUser(txtObergrenze_->text()));
  std::optional<double> value = parseNumber(answer);
  txtIntegral2_->setText(QStringLiteral("(") + difference + QStringLiteral(") dx = ") +
                         (value ? formatPattern(*value, QStringLiteral("0.##0")) : answer) +
                         QStringLiteral(" FE"));
  double lower = parseNumber(txtUntergrenze_->text()).value_or(found.xs[0]);
  double upper = parseNumber(txtObergrenze_->text()).value_or(found.xs[1]);
  drawHatching(hatchBetween(engine, EngineTerm::fromUser(a), EngineTerm::fromUser(b), lower, upper,
                            view.xtic / 19.0, view.xtic / 30.0));
  cmdIntegral2_->setEnabled(false);
}
