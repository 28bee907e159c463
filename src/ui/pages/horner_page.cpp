#include "ui/pages/horner_page.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/messages.h"
#include "numerics/horner.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/spinner_field.h"
#include "ui/widgets/value_grid.h"

namespace {

// " 3", "-1": a number with a leading blank where a minus sign would stand.
QString signed_(int value) {
  return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

const QColor kLightYellow(255, 255, 192);

}  // namespace

HornerPage::HornerPage(Dialogs& dialogs, std::shared_ptr<std::int16_t> n, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), n_(std::move(n)) {
  auto* frame = new QGroupBox(QStringLiteral("vollständiges Hornerschema"));
  frame->setObjectName(QStringLiteral("fraHorner"));
  auto* grid = new QGridLayout(frame);
  QLabel* degree = namedLabel("lblGrad", QStringLiteral("Grad des Polynoms:"));
  SpinnerField spinner =
      makeSpinnerField("txtPolygrd", "updPolygrd", 2, 7, 2, QStringLiteral("2"), false);
  txtPolygrd_ = spinner.field;
  updPolygrd_ = spinner.spinner;
  grdHorner_ = new ValueGrid;
  grdHorner_->setObjectName(QStringLiteral("grdHorner"));
  grdHorner_->setDataColour(kLightYellow);
  grdHorner_->setFont(QFont(QStringLiteral("Arial")));
  QLabel* xLabel = namedLabel("lbl_xo", QStringLiteral("xo ="));
  txt_xo_ = namedField(QStringLiteral("txt_xo"));
  txt_xo_->setFont(QFont(QStringLiteral("Arial")));
  txt_xo_->setFixedWidth(80);
  QPushButton* compute = namedButton("cmdHorner", QStringLiteral("Berechne Hornerschema"));
  QPushButton* fresh = namedButton("cmdNeu", QStringLiteral("Neue Rechnung"));

  grid->addWidget(degree, 0, 0);
  grid->addLayout(spinner.layout, 0, 1);
  grid->addWidget(xLabel, 0, 2, Qt::AlignRight);
  grid->addWidget(txt_xo_, 0, 3);
  grid->addWidget(compute, 0, 4);
  grid->addWidget(fresh, 0, 5);
  grid->addWidget(grdHorner_, 1, 0, 1, 7);
  grid->setColumnStretch(6, 1);
  grid->setRowStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);

  connect(updPolygrd_, &QSpinBox::valueChanged, this, [this](int value) {
    newHorner();
    txtPolygrd_->setText(QString::number(value));
    grdHorner_->setCurrent(grdHorner_->row(), 1);
  });
  connect(compute, &QPushButton::clicked, this, &HornerPage::cmdHorner);
  connect(fresh, &QPushButton::clicked, this, &HornerPage::newHorner);
  newHorner();
}

void HornerPage::newHorner() {
  grdHorner_->clearAll();
  txt_xo_->clear();
  txt_xo_->setFrame(true);
  grdHorner_->setRows(2);
  grdHorner_->setTextAt(1, 0, QStringLiteral("Koeff."));
  *n_ = static_cast<std::int16_t>(updPolygrd_->value());
  const int n = *n_;
  grdHorner_->setCols(n + 2);
  for (int c = 1; c <= n + 1; ++c)
    grdHorner_->setTextAt(0, c, QStringLiteral("x^") + signed_(n + 1 - c));
  grdHorner_->setCurrent(1, 1);
}

void HornerPage::cmdHorner() {
  if (txt_xo_->text().isEmpty()) {
    dialogs_.message(QApplication::applicationDisplayName(),
                     QStringLiteral("Kein x-Wert eingegeben"), Dialogs::Icon::Warning);
    return;
  }
  const int n = *n_;
  grdHorner_->setRows(2 * n + 4);
  grdHorner_->setCols(n + 3);
  // The x field moves into the first sum row's label cell, where x0 can be
  // changed for the next run.
  grdHorner_->setCurrent(3, 0);
  QRect cell = grdHorner_->visualItemRect(grdHorner_->item(3, 0));
  txt_xo_->setParent(grdHorner_->viewport());
  txt_xo_->setFrame(false);
  txt_xo_->setGeometry(cell.adjusted(1, 1, -1, -1));
  txt_xo_->show();

  QStringList coefficients;
  for (int c = 1; c <= n + 1; ++c) coefficients << grdHorner_->textAt(1, c);
  HornerResult scheme = hornerScheme(coefficients, txt_xo_->text());
  for (const HornerCell& written : scheme.cells) {
    grdHorner_->setCurrent(written.row, written.col);
    if (written.look == HornerCell::Look::X0) grdHorner_->setCellBackground(Qt::white);
    if (written.look == HornerCell::Look::Label) grdHorner_->setCellForeground(Qt::red);
    grdHorner_->setText(written.text);
  }
  if (scheme.failed) showError(dialogs_, kCoefficientErrorMessage);
}
