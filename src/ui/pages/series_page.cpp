#include "ui/pages/series_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "calculus/series.h"
#include "engine/messages.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/parameter_note.h"

SeriesPage::SeriesPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  auto* taylor = new QGroupBox(QStringLiteral("Taylor-Reihe"));
  taylor->setObjectName(QStringLiteral("fraTaylor"));
  auto* tGrid = new QGridLayout(taylor);
  tGrid->addWidget(namedLabel("lblTaylorHinweis",
                              QStringLiteral("Geben Sie zunächst eine Funktionsgleichung ein!")),
                   0, 0, 1, 2);
  txtT_Funktion_ = namedField(QStringLiteral("txtT_Funktion"));
  tGrid->addWidget(new QLabel(QStringLiteral("f(x) =")), 1, 0);
  tGrid->addWidget(txtT_Funktion_, 1, 1);
  txtnTaylor_ = namedField(QStringLiteral("txtnTaylor"));
  txtnTaylor_->setText(QStringLiteral("3"));
  // Only the arrows of the spinner show: the degree is read from the field.
  updnTaylor_ = new QSpinBox;
  updnTaylor_->setObjectName(QStringLiteral("updnTaylor"));
  updnTaylor_->setRange(1, 15);
  updnTaylor_->setSingleStep(1);
  updnTaylor_->setValue(3);
  updnTaylor_->setFixedWidth(18);
  updnTaylor_->setFocusPolicy(Qt::NoFocus);
  tGrid->addWidget(new QLabel(QStringLiteral("Grad des Polynoms:")), 2, 0);
  auto* degree = new QHBoxLayout;
  degree->setSpacing(0);
  degree->addWidget(txtnTaylor_);
  degree->addWidget(updnTaylor_);
  tGrid->addLayout(degree, 2, 1);
  auto* cmdTaylorButton = namedButton("cmdTaylor", QStringLiteral("Berechne Reihe..."));
  tGrid->addWidget(cmdTaylorButton, 3, 0, 1, 2);
  lblTx_ = namedLabel("lblTx", QStringLiteral("T(x) ="));
  txtTaylor_ = namedField(QStringLiteral("txtTaylor"));
  cmdPlotTaylor_ = namedButton("cmdPlotTaylor", QStringLiteral("T(x) zeichnen"));
  tGrid->addWidget(lblTx_, 4, 0);
  tGrid->addWidget(txtTaylor_, 4, 1);
  tGrid->addWidget(cmdPlotTaylor_, 5, 0, 1, 2);
  tGrid->setColumnStretch(1, 1);

  auto* fourier = new QGroupBox(QStringLiteral("Fourier-Reihe"));
  fourier->setObjectName(QStringLiteral("fraFourier"));
  auto* fGrid = new QGridLayout(fourier);
  txtFourier_ = namedField(QStringLiteral("txtFourier"));
  txt_t1_ = namedField(QStringLiteral("txt_t1"));
  txt_t2_ = namedField(QStringLiteral("txt_t2"));
  txtGrad_ = namedField(QStringLiteral("txtGrad"));
  const QString captions[] = {QStringLiteral("f(x)="), QStringLiteral("t1 ="),
                              QStringLiteral("t2 ="), QStringLiteral("n = ")};
  QLineEdit* inputs[] = {txtFourier_, txt_t1_, txt_t2_, txtGrad_};
  for (int i = 0; i < 4; ++i) {
    fGrid->addWidget(new QLabel(captions[i]), i, 0);
    fGrid->addWidget(inputs[i], i, 1);
  }
  auto* cmdFourierButton = namedButton("cmdFourier", QStringLiteral("Berechne Fourier-Reihe"));
  lblF_ = namedLabel("lblF", QStringLiteral("F(x) ="));
  txtFourierReihe_ = namedField(QStringLiteral("txtFourierReihe"));
  cmdPlotFourier_ = namedButton("cmdPlotFourier", QStringLiteral("F(x) zeichnen"));
  fGrid->addWidget(cmdFourierButton, 4, 0, 1, 2);
  fGrid->addWidget(lblF_, 5, 0);
  fGrid->addWidget(txtFourierReihe_, 5, 1);
  fGrid->addWidget(cmdPlotFourier_, 6, 0, 1, 2);
  fGrid->setColumnStretch(1, 1);

  // The results and their draw buttons appear with the first result.
  for (QWidget* hidden : std::initializer_list<QWidget*>{lblTx_, txtTaylor_, cmdPlotTaylor_, lblF_,
                                                         txtFourierReihe_, cmdPlotFourier_}) {
    hidden->hide();
  }

  auto* layout = new QVBoxLayout(this);
  lblParameterHinweis_ = parameterNote();
  layout->addWidget(lblParameterHinweis_);
  layout->addWidget(taylor);
  layout->addWidget(fourier);
  layout->addStretch();

  connect(updnTaylor_, &QSpinBox::valueChanged, this,
          [this](int degree) { txtnTaylor_->setText(QString::number(degree)); });
  connect(cmdTaylorButton, &QPushButton::clicked, this, &SeriesPage::cmdTaylor);
  connect(cmdPlotTaylor_, &QPushButton::clicked, this, &SeriesPage::cmdPlotTaylor);
  connect(cmdFourierButton, &QPushButton::clicked, this, &SeriesPage::cmdFourier);
  connect(cmdPlotFourier_, &QPushButton::clicked, this, &SeriesPage::cmdPlotFourier);
}

void SeriesPage::cmdTaylor() {
  if (txtT_Funktion_->text().isEmpty()) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  // A family's member with the current value of its parameter.
  const Sheet::CalculatorTerm member = sheet_.calculatorTerm(txtT_Funktion_->text());
  showNote(lblParameterHinweis_, member.note);
  if (!member.refusal.isEmpty()) {
    showError(dialogs_, member.refusal);
    return;
  }
  std::optional<QString> polynomial =
      taylorSeries(sheet_.engine(), EngineTerm::fromUser(member.term), txtnTaylor_->text());
  if (!polynomial) {
    showError(dialogs_, kTermErrorMessage);
    return;
  }
  txtTaylor_->setText(*polynomial);
  lblTx_->show();
  txtTaylor_->show();
  cmdPlotTaylor_->show();
}

void SeriesPage::cmdPlotTaylor() {
  plot({txtT_Funktion_->text(), txtTaylor_->text()});
}

void SeriesPage::cmdFourier() {
  const std::pair<QLineEdit*, const char*> required[] = {
      {txtFourier_, "f(x)"}, {txt_t1_, "t1"}, {txt_t2_, "t2"}, {txtGrad_, "n"}};
  for (const auto& [input, name] : required) {
    if (input->text().isEmpty()) {
      showError(dialogs_, QStringLiteral("Bitte geben Sie %1 ein!").arg(QLatin1String(name)));
      return;
    }
  }
  const Sheet::CalculatorTerm member = sheet_.calculatorTerm(txtFourier_->text());
  showNote(lblParameterHinweis_, member.note);
  if (!member.refusal.isEmpty()) {
    showError(dialogs_, member.refusal);
    return;
  }
  txtFourierReihe_->setText(fourierSeries(sheet_.engine(), EngineTerm::fromUser(member.term),
                                          EngineTerm::fromUser(txt_t1_->text()),
                                          EngineTerm::fromUser(txt_t2_->text()), txtGrad_->text()));
  lblF_->show();
  txtFourierReihe_->show();
  cmdPlotFourier_->show();
}

void SeriesPage::cmdPlotFourier() {
  plot({txtFourierReihe_->text()});
}

void SeriesPage::plot(const QStringList& terms) {
  emit graphWanted();
  sheet_.appendTerms(terms, terms.first());
  sheet_.Graphen_zeichnen();
}
