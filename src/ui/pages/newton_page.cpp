#include "ui/pages/newton_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "engine/format_pattern.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "numerics/newton.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/spinner_field.h"
#include "ui/widgets/value_grid.h"

NewtonPage::NewtonPage(Sheet& sheet, Dialogs& dialogs, std::shared_ptr<std::int16_t> n,
                       QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs), n_(std::move(n)) {
  auto* frame = new QGroupBox(QStringLiteral("Newtin-Interpolation"));
  frame->setObjectName(QStringLiteral("Frame6"));
  auto* grid = new QGridLayout(frame);
  QLabel* count = namedLabel("Label8", QStringLiteral("Anzahl der Stützstellen:"));
  // The spinner starts at 2 while the field shows 3: the first click up gives 3.
  SpinnerField spinner = makeSpinnerField("txt_n", "upd_n", 2, 12, 2, QStringLiteral("3"), false);
  txt_n_ = spinner.field;
  upd_n_ = spinner.spinner;
  grdNewton_ = ValueGrid::named("grdNewton", 4, 3);
  QPushButton* compute = namedButton("cmdNewton", QStringLiteral("Berechne NewtonKoeffizienten"));
  QPushButton* fresh = namedButton("cmdNewtonNew", QStringLiteral("Neue Rechnung"));
  cmdPlotNewton_ = namedButton("cmdPlotNewton", QStringLiteral("N(x) zeichnen"));
  lblNx_ = namedLabel("lblNx", QStringLiteral("N(x) ="));
  txtNewton_ = namedField(QStringLiteral("txtNewton"));

  grid->addWidget(count, 0, 0);
  grid->addLayout(spinner.layout, 0, 1);
  grid->addWidget(compute, 0, 2);
  grid->addWidget(fresh, 0, 3);
  grid->addWidget(grdNewton_, 1, 0, 1, 5);
  grid->addWidget(lblNx_, 2, 0);
  grid->addWidget(txtNewton_, 2, 1, 1, 4);
  grid->addWidget(cmdPlotNewton_, 3, 0, 1, 2);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);

  connect(upd_n_, &QSpinBox::valueChanged, this, [this](int value) {
    grdNewton_->clearAll();
    grdNewton_->setTextAt(0, 0, QStringLiteral("Werte"));
    grdNewton_->setTextAt(0, 1, QStringLiteral("x"));
    grdNewton_->setTextAt(0, 2, QStringLiteral("y"));
    *n_ = static_cast<std::int16_t>(value);
    grdNewton_->setRows(value + 1);
    // Row labels with a blank where a sign would stand: " 0.", " 1.", ...
    for (int r = 1; r <= value; ++r) {
      grdNewton_->setTextAt(r, 0, QStringLiteral(" ") + QString::number(r - 1) + QLatin1Char('.'));
    }
    txt_n_->setText(QString::number(value));
    grdNewton_->setCurrent(1, 1);
    grdNewton_->setFocus();
  });
  connect(fresh, &QPushButton::clicked, this, &NewtonPage::newNewton);
  connect(compute, &QPushButton::clicked, this, &NewtonPage::cmdNewton);
  connect(cmdPlotNewton_, &QPushButton::clicked, this, &NewtonPage::cmdPlotNewton);
  newNewton();
}

void NewtonPage::cmdNewton() {
  const int m = txt_n_->text().toInt();
  *n_ = static_cast<std::int16_t>(m);
  // After a tab visit the count may exceed the rows of the fresh table.
  if (m < 2 || m > grdNewton_->rows() - 1) {
    showError(dialogs_, kCoefficientErrorMessage);
    return;
  }
  QStringList xs, ys;
  for (int i = 1; i <= m; ++i) {
    xs << grdNewton_->textAt(i, 1);
    ys << grdNewton_->textAt(i, 2);
  }
  std::optional<NewtonPolynomial> polynomial = newtonPolynomial(xs, ys);
  if (!polynomial) {
    showError(dialogs_, kCoefficientErrorMessage);
    return;
  }
  *n_ = static_cast<std::int16_t>(m - 1);  // from here on the degree
  grdNewton_->setCols(4);
  grdNewton_->setTextAt(0, 3, QStringLiteral("Koeff."));
  grdNewton_->setColumnWidthTwips(3, 1000);
  for (int i = 0; i < m; ++i) {
    grdNewton_->setTextAt(i + 1, 3,
                          formatPattern(polynomial->coefficients[i], QStringLiteral("####0.0##")));
  }
  txtNewton_->setText(polynomial->term);
  lblNx_->show();
  txtNewton_->show();
  cmdPlotNewton_->show();
}

void NewtonPage::cmdPlotNewton() {
  // The points as they stand in the table now; one that is no number is
  // reported before anything is drawn.
  QList<QPointF> points;
  for (int i = 1; i <= *n_ + 1; ++i) {
    std::optional<float> x = parseSingle(grdNewton_->textAt(i, 1));
    std::optional<float> y = parseSingle(grdNewton_->textAt(i, 2));
    if (!x || !y) {
      showError(dialogs_, kCoefficientErrorMessage);
      return;
    }
    points.append(QPointF(*x, *y));
  }
  const QString term = txtNewton_->text();
  sheet_.appendTerms({term}, term);
  emit graphWanted();
  sheet_.drawPoints(points);  // the curve keeps the pen it had
  sheet_.Graph_zeichnen(term);
}

void NewtonPage::newNewton() {
  grdNewton_->clearAll();
  grdNewton_->setRows(4);
  grdNewton_->setCols(3);
  const char* headings[] = {"Tabelle", "x", "y"};
  for (int c = 0; c < 3; ++c) grdNewton_->setTextAt(0, c, QString::fromUtf8(headings[c]));
  for (int r = 1; r <= 3; ++r)
    grdNewton_->setTextAt(r, 0, QString::number(r - 1) + QLatin1Char('.'));
  txtNewton_->hide();
  cmdPlotNewton_->hide();
  lblNx_->hide();
  grdNewton_->setCurrent(3, 0);
}
