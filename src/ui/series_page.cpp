#include "ui/series_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "engine/engine.h"
#include "engine/notation.h"
#include "ui/dialogs.h"
#include "ui/frm_graph.h"

namespace {

QLineEdit* field(const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QLatin1String(name));
  return edit;
}

QPushButton* button(const char* name, const QString& caption) {
  auto* push = new QPushButton(caption);
  push->setObjectName(QLatin1String(name));
  return push;
}

QLabel* label(const char* name, const QString& caption) {
  auto* text = new QLabel(caption);
  text->setObjectName(QLatin1String(name));
  return text;
}

QString taylorRequest(const QString& term, const QString& degree) {
  return QStringLiteral("TAYLOR(") + komma2point(term) + QStringLiteral(",x,0,") + degree +
         QStringLiteral(")");
}

// The interval ends may carry a decimal comma; n is passed as typed.
QString fourierRequest(const QString& term, const QString& t1, const QString& t2,
                       const QString& n) {
  return QStringLiteral("FOURIER(") + komma2point(term) + QStringLiteral(", x,") + komma2point(t1) +
         QStringLiteral(",") + komma2point(t2) + QStringLiteral(",") + n + QStringLiteral(")");
}

}  // namespace

SeriesPage::SeriesPage(FrmGraph& window, QWidget* parent) : QWidget(parent), window_(window) {
  auto* taylor = new QGroupBox(QStringLiteral("Taylor-Reihe"));
  taylor->setObjectName(QStringLiteral("fraTaylor"));
  auto* tGrid = new QGridLayout(taylor);
  tGrid->addWidget(
      label("lblTaylorHinweis", QStringLiteral("Geben Sie zunächst eine Funktionsgleichung ein!")),
      0, 0, 1, 2);
  txtT_Funktion_ = field("txtT_Funktion");
  tGrid->addWidget(new QLabel(QStringLiteral("f(x) =")), 1, 0);
  tGrid->addWidget(txtT_Funktion_, 1, 1);
  txtnTaylor_ = field("txtnTaylor");
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
  auto* cmdTaylorButton = button("cmdTaylor", QStringLiteral("Berechne Reihe..."));
  tGrid->addWidget(cmdTaylorButton, 3, 0, 1, 2);
  lblTx_ = label("lblTx", QStringLiteral("T(x) ="));
  txtTaylor_ = field("txtTaylor");
  cmdPlotTaylor_ = button("cmdPlotTaylor", QStringLiteral("T(x) zeichnen"));
  tGrid->addWidget(lblTx_, 4, 0);
  tGrid->addWidget(txtTaylor_, 4, 1);
  tGrid->addWidget(cmdPlotTaylor_, 5, 0, 1, 2);
  tGrid->setColumnStretch(1, 1);

  auto* fourier = new QGroupBox(QStringLiteral("Fourier-Reihe"));
  fourier->setObjectName(QStringLiteral("fraFourier"));
  auto* fGrid = new QGridLayout(fourier);
  txtFourier_ = field("txtFourier");
  txt_t1_ = field("txt_t1");
  txt_t2_ = field("txt_t2");
  txtGrad_ = field("txtGrad");
  const QString captions[] = {QStringLiteral("f(x)="), QStringLiteral("t1 ="),
                              QStringLiteral("t2 ="), QStringLiteral("n = ")};
  QLineEdit* inputs[] = {txtFourier_, txt_t1_, txt_t2_, txtGrad_};
  for (int i = 0; i < 4; ++i) {
    fGrid->addWidget(new QLabel(captions[i]), i, 0);
    fGrid->addWidget(inputs[i], i, 1);
  }
  auto* cmdFourierButton = button("cmdFourier", QStringLiteral("Berechne Fourier-Reihe"));
  lblF_ = label("lblF", QStringLiteral("F(x) ="));
  txtFourierReihe_ = field("txtFourierReihe");
  cmdPlotFourier_ = button("cmdPlotFourier", QStringLiteral("F(x) zeichnen"));
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
    showError(window_.dialogs(), QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
    return;
  }
  QString answer = window_.engine().request(
      taylorRequest(txtT_Funktion_->text(), txtnTaylor_->text()), Engine::kCapacity);
  if (answer.startsWith(QStringLiteral("Fehler"))) {
    showError(window_.dialogs(), QStringLiteral("Fehler bei der Eingabe des Funktionsterms!"));
    return;
  }
  txtTaylor_->setText(answer);
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
      showError(window_.dialogs(),
                QStringLiteral("Bitte geben Sie %1 ein!").arg(QLatin1String(name)));
      return;
    }
  }
  Engine& engine = window_.engine();
  // The first answer is itself a request: evaluating it gives the series.
  QString coefficients = engine.request(
      fourierRequest(txtFourier_->text(), txt_t1_->text(), txt_t2_->text(), txtGrad_->text()),
      Engine::kFourierCapacity);
  QString series = engine.request(coefficients, Engine::kFourierCapacity);
  txtFourierReihe_->setText(engine.request(QStringLiteral("APPROX(") + series + QStringLiteral(")"),
                                           Engine::kFourierCapacity));
  lblF_->show();
  txtFourierReihe_->show();
  cmdPlotFourier_->show();
}

void SeriesPage::cmdPlotFourier() {
  plot({txtFourierReihe_->text()});
}

void SeriesPage::plot(const QStringList& terms) {
  window_.tabMain()->setCurrentIndex(0);
  QComboBox* list = window_.cboFunktionsterm();
  list->setEditText(terms.first());
  for (const QString& term : terms) list->addItem(term);
  // Adding to an empty list puts that item into the entry field.
  list->setEditText(terms.first());
  window_.Graphen_zeichnen();
}
