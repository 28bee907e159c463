#include "ui/pages/gauss_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "engine/messages.h"
#include "numerics/gauss.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/spinner_field.h"
#include "ui/widgets/value_grid.h"

GaussPage::GaussPage(Dialogs& dialogs, std::shared_ptr<std::int16_t> n, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), n_(std::move(n)) {
  auto* frame = new QGroupBox(QStringLiteral("Gauß-Algorithmus"));
  frame->setObjectName(QStringLiteral("fraGauss"));
  auto* grid = new QGridLayout(frame);
  QLabel* count = namedLabel("lblGauss", QStringLiteral("Anzahl der Variablen"));
  SpinnerField spinner =
      makeSpinnerField("txt_nVar", "upd_nVar", 2, 10, 2, QStringLiteral("2"), false);
  txt_nVar_ = spinner.field;
  upd_nVar_ = spinner.spinner;
  grdMatrix_ = new ValueGrid;
  grdMatrix_->setObjectName(QStringLiteral("grdMatrix"));
  auto* check = new QGroupBox(QStringLiteral("Kontrolle der Rechnungen"));
  check->setObjectName(QStringLiteral("fraGauss"));
  auto* checkLayout = new QHBoxLayout(check);
  optStop_ = new QRadioButton(QStringLiteral("ja"));
  optStop_->setObjectName(QStringLiteral("optStop"));
  optStop_->setChecked(true);
  auto* optStart = new QRadioButton(QStringLiteral("nein"));
  optStart->setObjectName(QStringLiteral("optStart"));
  checkLayout->addWidget(optStop_);
  checkLayout->addWidget(optStart);
  QPushButton* solve = namedButton("cmdGauss", QStringLiteral("LGS lösen"));
  QPushButton* fresh = namedButton("cmdNewGauss", QStringLiteral("Neue Rechnung"));

  grid->addWidget(count, 0, 0);
  grid->addLayout(spinner.layout, 0, 1);
  grid->addWidget(check, 0, 2);
  grid->addWidget(solve, 0, 3);
  grid->addWidget(fresh, 0, 4);
  grid->addWidget(grdMatrix_, 1, 0, 1, 6);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);

  connect(upd_nVar_, &QSpinBox::valueChanged, this, [this](int value) {
    txt_nVar_->setText(QString::number(value));
    newGauss();
  });
  connect(solve, &QPushButton::clicked, this, &GaussPage::cmdGauss);
  connect(fresh, &QPushButton::clicked, this, &GaussPage::newGauss);
  newGauss();
}

void GaussPage::newGauss() {
  grdMatrix_->clearAll();
  *n_ = static_cast<std::int16_t>(txt_nVar_->text().toInt());
  const int n = *n_;
  grdMatrix_->setCols(n + 2);
  grdMatrix_->setRows(n + 1);
  grdMatrix_->setTextAt(0, 0, QStringLiteral("a(i,j)"));
  for (int i = 1; i <= n; ++i) {
    grdMatrix_->setTextAt(i, 0, QString::number(i) + QLatin1Char('.'));
    grdMatrix_->setTextAt(0, i, QStringLiteral("a") + QString::number(i));
  }
  grdMatrix_->setTextAt(0, n + 1, QStringLiteral("r"));
  grdMatrix_->setCurrent(1, 1);
  // Column 0 half as wide as column 1 (a half to the even neighbour), left-aligned.
  grdMatrix_->setColumnWidthTwips(
      0, static_cast<int>(std::nearbyint(grdMatrix_->columnWidthTwips(1) / 2.0)));
  for (int i = 0; i <= n; ++i) {
    if (QTableWidgetItem* item = grdMatrix_->item(i, 0)) {
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
  }
  grdMatrix_->show();
  grdMatrix_->setFocus();
}

void GaussPage::showSystem(const std::vector<std::vector<QString>>& matrix) {
  const int n = static_cast<int>(matrix.size());
  if (n < upd_nVar_->minimum() || n > upd_nVar_->maximum()) return;
  {
    const QSignalBlocker block(upd_nVar_);
    upd_nVar_->setValue(n);
  }
  txt_nVar_->setText(QString::number(n));
  newGauss();
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n + 1 && j <= static_cast<int>(matrix[i - 1].size()); ++j) {
      grdMatrix_->setTextAt(i, j, matrix[i - 1][j - 1]);
    }
  }
  grdMatrix_->setCurrent(1, 1);
}

void GaussPage::cmdGauss() {
  if (grdMatrix_->text().isEmpty()) {
    showError(dialogs_, QStringLiteral("Koeffizienten nicht vollständig eingegeben!"));
    return;
  }
  const int n = *n_;
  std::vector<std::vector<QString>> matrix(n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n + 1; ++j) matrix[i - 1].push_back(grdMatrix_->textAt(i, j));
  }
  GaussSteps steps;
  steps.write = [this](int row, int col, const QString& text) {
    grdMatrix_->setTextAt(row, col, text);
  };
  steps.pause = [this] {
    if (optStop_->isChecked()) {
      dialogs_.message(QStringLiteral("Kontrolle der Rechnung"), QStringLiteral("weiter?"),
                       Dialogs::Icon::None);
    }
  };
  std::optional<std::vector<QString>> solution = solveGauss(matrix, steps);
  if (!solution) {
    showError(dialogs_, kCoefficientErrorMessage);
    return;
  }
  grdMatrix_->setRows(2);
  grdMatrix_->setCols(n + 1);
  for (int j = 1; j <= n; ++j) {
    grdMatrix_->setTextAt(0, j, QStringLiteral("x") + QString::number(j));
    grdMatrix_->setTextAt(1, j, (*solution)[j - 1]);
  }
  grdMatrix_->setTextAt(0, 0, QString());
  grdMatrix_->setColumnWidthTwips(0, 1000);
  grdMatrix_->setTextAt(1, 0, QStringLiteral("Lösung"));
}
