#include "ui/pages/steckbrief_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calculus/steckbrief.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/comma_keys.h"
#include "ui/widgets/copy_command.h"
#include "ui/widgets/dialogs.h"

namespace {

QListWidget* namedList(const char* name) {
  auto* list = new QListWidget;
  list->setObjectName(QLatin1String(name));
  addCopyCommand(list);
  return list;
}

// "HP(1 | 2):   a + b + c + d = 2;   3a + 2b + c = 0"
QString conditionLine(const QString& condition, int degree) {
  const ConditionReading reading = readCondition(condition, degree);
  if (!reading.error.isEmpty()) return condition + QStringLiteral(":   ") + reading.error;
  QStringList equations;
  for (const LinearEquation& equation : reading.equations)
    equations << equationText(equation, degree);
  const QString shown = reading.label.isEmpty() ? condition : reading.label;
  return shown + QStringLiteral(":   ") + equations.join(QStringLiteral(";   "));
}

}  // namespace

SteckbriefPage::SteckbriefPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  updGrad_ = new QSpinBox;
  updGrad_->setObjectName(QStringLiteral("updGrad"));
  updGrad_->setRange(kMinDegree, kMaxDegree);
  updGrad_->setValue(3);
  lblAllgemein_ = new QLabel;
  lblAllgemein_->setObjectName(QStringLiteral("lblAllgemein"));
  auto* degree = new QHBoxLayout;
  degree->addWidget(new QLabel(QStringLiteral("Grad n =")));
  degree->addWidget(updGrad_);
  degree->addSpacing(16);
  degree->addWidget(lblAllgemein_, 1);

  lstBedingungen_ = namedList("lstBedingungen");
  txtBedingung_ = namedField(QStringLiteral("txtBedingung"));
  auto* add = namedButton("cmdBedingungHinzu", QStringLiteral("Hinzufügen"));
  auto* remove = namedButton("cmdBedingungWeg", QStringLiteral("Entfernen"));
  auto* entry = new QHBoxLayout;
  entry->addWidget(new QLabel(QStringLiteral("Bedingung:")));
  entry->addWidget(txtBedingung_, 1);
  entry->addWidget(add);
  entry->addWidget(remove);

  auto* system = namedButton("cmdSteckbriefSystem", QStringLiteral("Gleichungssystem"));
  auto* gauss = namedButton("cmdSteckbriefGauss", QStringLiteral("Im Gauß-Tab lösen"));
  auto* calculate = namedButton("cmdSteckbrief", QStringLiteral("Berechne..."));
  auto* draw = namedButton("cmdSteckbriefZeichnen", QStringLiteral("Zeichne..."));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {system, gauss, calculate, draw}) buttons->addWidget(button);
  buttons->addStretch();

  txtSteckbrief_ = namedField(QStringLiteral("txtSteckbrief"));
  txtSteckbrief_->setReadOnly(true);
  lstSteckbrief_ = namedList("lstSteckbrief");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(degree);
  layout->addLayout(entry);
  layout->addWidget(lstBedingungen_, 1);
  layout->addLayout(buttons);
  layout->addWidget(txtSteckbrief_);
  layout->addWidget(lstSteckbrief_, 1);

  connect(updGrad_, &QSpinBox::valueChanged, this, [this](int value) {
    SteckbriefTask task = sheet_.steckbrief();
    task.degree = value;
    sheet_.setSteckbrief(task);
    showTask();  // the equations change with the degree even while the list is empty
  });
  connect(txtBedingung_, &QLineEdit::returnPressed, this, &SteckbriefPage::cmdBedingungHinzu);
  connect(add, &QPushButton::clicked, this, &SteckbriefPage::cmdBedingungHinzu);
  connect(remove, &QPushButton::clicked, this, &SteckbriefPage::cmdBedingungWeg);
  connect(system, &QPushButton::clicked, this, &SteckbriefPage::cmdSteckbriefSystem);
  connect(gauss, &QPushButton::clicked, this, &SteckbriefPage::cmdSteckbriefGauss);
  connect(calculate, &QPushButton::clicked, this, &SteckbriefPage::cmdSteckbrief);
  connect(draw, &QPushButton::clicked, this, &SteckbriefPage::cmdSteckbriefZeichnen);
  connect(&sheet_, &Sheet::steckbriefChanged, this, &SteckbriefPage::showTask);
  showTask();
}

void SteckbriefPage::showTask() {
  const SteckbriefTask& task = sheet_.steckbrief();
  {
    const QSignalBlocker block(updGrad_);
    updGrad_->setValue(task.degree);
  }
  lblAllgemein_->setText(generalPolynomial(task.degree));
  const int current = lstBedingungen_->currentRow();
  lstBedingungen_->clear();
  for (const QString& condition : task.conditions)
    lstBedingungen_->addItem(conditionLine(condition, task.degree));
  lstBedingungen_->setCurrentRow(std::min(current, lstBedingungen_->count() - 1));
  // A result belongs to the task it was found for.
  txtSteckbrief_->clear();
  lstSteckbrief_->clear();
  solved_.clear();
}

void SteckbriefPage::cmdBedingungHinzu() {
  const QString text = txtBedingung_->text().trimmed();
  if (text.isEmpty()) return;
  const ConditionReading reading = readCondition(text, sheet_.steckbrief().degree);
  if (!reading.error.isEmpty()) {
    showError(dialogs_, reading.error);
    // What was typed stays, the cursor where reading stopped.
    txtBedingung_->setFocus();
    if (reading.errorPosition >= 0) txtBedingung_->setCursorPosition(reading.errorPosition);
    return;
  }
  SteckbriefTask task = sheet_.steckbrief();
  task.conditions << text;
  sheet_.setSteckbrief(task);
  txtBedingung_->clear();
  lstBedingungen_->setCurrentRow(lstBedingungen_->count() - 1);
}

void SteckbriefPage::cmdBedingungWeg() {
  const int row = lstBedingungen_->currentRow();
  SteckbriefTask task = sheet_.steckbrief();
  if (row < 0 || row >= task.conditions.size()) return;
  // Back into the field, so that a slip is mended rather than typed again.
  txtBedingung_->setText(task.conditions.takeAt(row));
  sheet_.setSteckbrief(task);
}

void SteckbriefPage::cmdSteckbriefSystem() {
  const SteckbriefTask& task = sheet_.steckbrief();
  lstSteckbrief_->clear();
  txtSteckbrief_->clear();
  if (task.conditions.isEmpty()) {
    showError(dialogs_, QStringLiteral("Bitte geben Sie zuerst Bedingungen ein."));
    return;
  }
  lstSteckbrief_->addItem(generalPolynomial(task.degree));
  int number = 0;
  for (const QString& condition : task.conditions) {
    ++number;
    const ConditionReading reading = readCondition(condition, task.degree);
    for (const LinearEquation& equation : reading.equations) {
      lstSteckbrief_->addItem(QStringLiteral("(%1)   ").arg(number) +
                              equationText(equation, task.degree));
    }
  }
}

void SteckbriefPage::cmdSteckbriefGauss() {
  const SteckbriefTask& task = sheet_.steckbrief();
  if (task.conditions.isEmpty()) {
    showError(dialogs_, QStringLiteral("Bitte geben Sie zuerst Bedingungen ein."));
    return;
  }
  const GaussHandover handover = gaussSystem(task.conditions, task.degree);
  if (!handover.message.isEmpty()) {
    showError(dialogs_, handover.message);
    return;
  }
  emit gaussWanted(handover.matrix);
}

void SteckbriefPage::cmdSteckbrief() {
  const SteckbriefTask& task = sheet_.steckbrief();
  lstSteckbrief_->clear();
  txtSteckbrief_->clear();
  solved_.clear();
  if (task.conditions.isEmpty()) {
    showError(dialogs_, QStringLiteral("Bitte geben Sie zuerst Bedingungen ein."));
    return;
  }
  const Reconstruction found = Steckbrief(task.conditions, task.degree);
  if (!found.coefficients) {
    showError(dialogs_, found.message);
    if (!found.family.isEmpty()) txtSteckbrief_->setText(found.family);
    return;
  }
  txtSteckbrief_->setText(found.function);
  lstSteckbrief_->addItems(found.checks);
  solved_ = polynomialTerm(*found.coefficients);
}

void SteckbriefPage::cmdSteckbriefZeichnen() {
  if (solved_.isEmpty()) cmdSteckbrief();
  if (solved_.isEmpty()) return;
  emit graphWanted();
  sheet_.drawEquation(solved_);  // listed once, in its entry's colour
}
