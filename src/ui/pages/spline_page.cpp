#include "ui/pages/spline_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "engine/messages.h"
#include "engine/number_text.h"
#include "numerics/spline.h"
#include "sheet/sheet.h"
#include "ui/pages/newton_page.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/spinner_field.h"
#include "ui/widgets/value_grid.h"

SplinePage::SplinePage(Sheet& sheet, Dialogs& dialogs, std::shared_ptr<std::int16_t> n,
                       NewtonPage& newton, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs), n_(std::move(n)), newton_(newton) {
  auto* frame = new QGroupBox(QStringLiteral("Spline-Interpolation"));
  frame->setObjectName(QStringLiteral("fraSpline"));
  auto* grid = new QGridLayout(frame);
  QLabel* count = namedLabel("lblSpline", QStringLiteral("Anzahl der Stützpunkte:"));
  SpinnerField spinner =
      makeSpinnerField("txtSpline", "updSpline", 2, 25, 3, QStringLiteral("3"), true);
  txtSpline_ = spinner.field;
  updSpline_ = spinner.spinner;
  grdSpline_ = ValueGrid::named("grdSpline", 4, 3);
  grd_z_ = ValueGrid::named("grd_z", 2, 2);
  grd_z_->setTextElideMode(Qt::ElideNone);  // "S0:" in its narrow column, not "…"
  QPushButton* compute = namedButton("cmdSplineKoeff", QStringLiteral("Berechne SplineFunktionen"));
  QPushButton* fresh = namedButton("cmdSpline_new", QStringLiteral("neue Spline Interpolation"));
  cmdPlotSpline_ = namedButton("cmdPlotSpline", QStringLiteral("Spline zeichnen"));

  grid->addWidget(count, 0, 0);
  grid->addLayout(spinner.layout, 0, 1);
  grid->addWidget(compute, 0, 2);
  grid->addWidget(fresh, 0, 3);
  grid->addWidget(cmdPlotSpline_, 0, 4);
  grid->addWidget(grdSpline_, 1, 0, 1, 3);
  grid->addWidget(grd_z_, 1, 3, 1, 3);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);

  // The spline table keeps its values when it grows or shrinks.
  connect(updSpline_, &QSpinBox::valueChanged, this, [this](int value) {
    txtSpline_->setText(QString::number(value));
    grdSpline_->setRows(value + 1);
    writeRowLabels();
  });
  connect(fresh, &QPushButton::clicked, this, &SplinePage::newSpline);
  connect(compute, &QPushButton::clicked, this, &SplinePage::cmdSplineKoeff);
  connect(cmdPlotSpline_, &QPushButton::clicked, this, &SplinePage::cmdPlotSpline);
  newSpline();
}

void SplinePage::cmdSplineKoeff() {
  if (grdSpline_->text().isEmpty()) {
    showError(dialogs_, QStringLiteral("Wertetabelle nicht vollständig!"));
    return;
  }
  std::optional<double> count = parseNumber(txtSpline_->text());
  const int n = count ? static_cast<int>(std::nearbyint(*count - 1)) : -1;
  if (n < 1 || n + 1 > grdSpline_->rows() - 1) {
    showError(dialogs_, kCoefficientErrorMessage);
    return;
  }
  QStringList xs, ys;
  for (int i = 1; i <= n + 1; ++i) {
    xs << grdSpline_->textAt(i, 1);
    ys << grdSpline_->textAt(i, 2);
  }
  std::optional<std::vector<SplinePiece>> pieces = naturalSpline(xs, ys);
  if (!pieces) {
    showError(dialogs_, kCoefficientErrorMessage);
    return;
  }
  *n_ = static_cast<std::int16_t>(n);
  splX_ = xs;
  splY_ = ys;
  grd_z_->clearAll();
  grd_z_->setRows(n + 1);
  grd_z_->setCols(5);
  const char* headings[] = {"x^3", "x^2", "x^1", "x^0"};
  for (int c = 1; c <= 4; ++c) {
    grd_z_->setTextAt(0, c, QString::fromLatin1(headings[c - 1]));
    grd_z_->setColumnWidthTwips(c, 825);
  }
  grd_z_->setColumnWidthTwips(0, 350);
  grd_z_->show();
  // The pieces replace the function list; the field shows the last one.
  QStringList terms;
  for (int i = 0; i < n; ++i) {
    const SplinePiece& piece = (*pieces)[i];
    grd_z_->setTextAt(i + 1, 0, QStringLiteral("S%1:").arg(i));
    for (int c = 0; c < 4; ++c) grd_z_->setTextAt(i + 1, c + 1, piece.shown[c]);
    terms << piece.term;
  }
  sheet_.replaceTerms(terms);
  cmdPlotSpline_->show();
}

void SplinePage::cmdPlotSpline() {
  const int n = static_cast<int>(splX_.size()) - 1;
  std::vector<QPointF> points;
  for (int i = 0; i <= n; ++i) {
    std::optional<float> x = parseSingle(splX_[i]), y = parseSingle(splY_[i]);
    if (!x || !y) {
      showError(dialogs_, kCoefficientErrorMessage);
      return;
    }
    points.emplace_back(*x, *y);
  }
  // The pieces must still be at the front of the function list.
  if (n < 1 || sheet_.terms().size() < n) {
    showError(dialogs_,
              QStringLiteral("Die Spline-Funktionen stehen nicht mehr in der Liste der Graphen!"));
    return;
  }
  sheet_.drawPoints(QList<QPointF>(points.begin(), points.end()));
  emit graphWanted();
  SplineCurve curve = splineCurve(sheet_.engine(), sheet_.terms().mid(0, n), points);
  if (!curve.failure.isEmpty()) showError(dialogs_, curve.failure);
  // Each piece in black on its own interval only, as wide as the points.
  Drawing drawing;
  drawing.style.ink = Ink::fixed(Qt::black);
  drawing.style.width = 2;
  drawing.style.smooth = true;
  drawing.style.keepsPen = true;
  drawing.polylines = curve.polylines;
  drawing.band = kSplineBand;
  sheet_.draw(drawing);
}

void SplinePage::writeRowLabels() {
  const int v = updSpline_->value();
  grdSpline_->setTextAt(0, 1, QStringLiteral("x"));
  grdSpline_->setTextAt(0, 2, QStringLiteral("y"));
  for (int r = 1; r <= v; ++r)
    grdSpline_->setTextAt(r, 0, QString::number(r - 1) + QLatin1Char('.'));
  grdSpline_->setCurrent(v, 0);
}

void SplinePage::newSpline() {
  grdSpline_->clearAll();
  grd_z_->clearAll();
  newton_.grdNewton()->setRows(4);
  newton_.grdNewton()->setCols(3);
  newton_.txt_n()->setText(QStringLiteral("3"));
  writeRowLabels();
  grd_z_->hide();
  cmdPlotSpline_->hide();
}
