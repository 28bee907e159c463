#include "ui/pages/dgl_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "engine/number_text.h"
#include "ode/osculating_curve.h"
#include "ode/slope_field.h"
#include "plot/appearance.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"

namespace {

const QString kIncompleteMessage =
    QStringLiteral("Sie haben noch nicht alle erforderlichen Eingaben getätigt!");

const QString kNoEquationMessage =
    QStringLiteral("Sie haben noch keine DGL 1. Ordnung eingegeben!");

const QColor kEulerColour(0, 0, 255), kSecondOrderColour(255, 0, 0);

// Labels take their natural width; the fields get the rest of the row.
QGridLayout* formGrid(QGroupBox* box) {
  auto* grid = new QGridLayout(box);
  grid->setColumnStretch(1, 1);
  return grid;
}

}  // namespace

DglPage::DglPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildFirstOrderFrame());
  layout->addWidget(buildSecondOrderFrame());
  layout->addStretch();
}

QWidget* DglPage::buildFirstOrderFrame() {
  auto* box = new QGroupBox(QStringLiteral("DGL 1. Ordnung"));
  box->setObjectName(QStringLiteral("fraDGL1"));
  QGridLayout* grid = formGrid(box);
  txtDGL1_ = namedField(QStringLiteral("txtDGL1"));
  txtx0_ = namedField(QStringLiteral("txtx0"));
  txty0_ = namedField(QStringLiteral("txty0"));
  QPushButton* field1 = namedButton("cmdDgl1", QStringLiteral("zeichne Isoklinenfeld"));
  QPushButton* curve = namedButton("Command5", QStringLiteral("zeichne Lösungskurve"));
  grid->addWidget(namedLabel("lblDGL1", QStringLiteral("f'(x,y) =")), 0, 0);
  grid->addWidget(txtDGL1_, 0, 1);
  grid->addWidget(field1, 1, 0, 1, 2);
  grid->addWidget(namedLabel("Label42(0)", QStringLiteral("x0 =")), 2, 0);
  grid->addWidget(txtx0_, 2, 1);
  grid->addWidget(namedLabel("Label42(1)", QStringLiteral("y0 =")), 3, 0);
  grid->addWidget(txty0_, 3, 1);
  grid->addWidget(curve, 4, 0, 1, 2);
  connect(field1, &QPushButton::clicked, this, &DglPage::cmdDgl1);
  connect(curve, &QPushButton::clicked, this, &DglPage::command5);
  return box;
}

QWidget* DglPage::buildSecondOrderFrame() {
  auto* box = new QGroupBox(QStringLiteral("DGL 2. Ordnung"));
  box->setObjectName(QStringLiteral("fraDGL2"));
  QGridLayout* grid = formGrid(box);
  txtDGL2_ = namedField(QStringLiteral("txtDGL2"), QStringLiteral("-2*ystr-5*y"));
  txt_x0_ = namedField(QStringLiteral("txt_x0"), QStringLiteral("0"));
  txt_y0_ = namedField(QStringLiteral("txt_y0"), QStringLiteral("0"));
  txt_ystrich_ = namedField(QStringLiteral("txt_ystrich"), QStringLiteral("1"));
  QPushButton* curve = namedButton("cmdDgl2", QStringLiteral("zeichne Lösungskurve"));
  grid->addWidget(namedLabel("Label1", QStringLiteral("y'' = f(x, y, ystr)")), 0, 0);
  grid->addWidget(txtDGL2_, 0, 1);
  grid->addWidget(namedLabel("Label6", QStringLiteral("Geben Sie den Startwert ein!")), 1, 0, 1, 2);
  grid->addWidget(namedLabel("lblDGL2(0)", QStringLiteral("x =")), 2, 0);
  grid->addWidget(txt_x0_, 2, 1);
  grid->addWidget(namedLabel("lblDGL2(1)", QStringLiteral("y =")), 3, 0);
  grid->addWidget(txt_y0_, 3, 1);
  grid->addWidget(namedLabel("lblDGL2(2)", QStringLiteral("y' =")), 4, 0);
  grid->addWidget(txt_ystrich_, 4, 1);
  grid->addWidget(curve, 5, 0, 1, 2);
  connect(curve, &QPushButton::clicked, this, &DglPage::cmdDgl2);
  return box;
}

// What was computed is drawn even when a later point failed.
void DglPage::draw(const OdeDrawing& computed, const Style& style) {
  Drawing drawing;
  drawing.style = style;
  drawing.segments = computed.lines;
  sheet_.draw(drawing);
  if (!computed.failure.isEmpty()) showError(dialogs_, computed.failure);
}

void DglPage::cmdDgl1() {
  if (txtDGL1_->text().isEmpty()) {
    showError(dialogs_, kNoEquationMessage);
    return;
  }
  // The field takes the curves' place: only the coordinate system stays.
  sheet_.setPicture(QImage());
  if (!sheet_.Koordinatensystem_zeichnen()) return;
  // Slope marks stay crisp.
  Style style;
  style.ink = Ink::palette(kIsoklinen);
  style.dotted = false;
  style.mask = false;
  draw(slopeField(sheet_.engine(), EngineTerm::asIs(txtDGL1_->text()), sheet_.view().world()),
       style);
}

void DglPage::command5() {
  Dialogs& dialogs = dialogs_;
  if (txtDGL1_->text().isEmpty()) {
    showError(dialogs, kNoEquationMessage);
    return;
  }
  if (txtx0_->text().isEmpty() || txty0_->text().isEmpty()) {
    showError(dialogs, kIncompleteMessage);
    return;
  }
  std::optional<float> x0 = parseSingle(txtx0_->text());
  if (!x0) {
    showError(dialogs, QStringLiteral("x0 ist keine Zahl!"));
    return;
  }
  if (!parseSingle(txty0_->text())) {
    showError(dialogs, QStringLiteral("y0 ist keine Zahl!"));
    return;
  }
  // Drawn over what is there, so the curve can be seen in its slope field.
  Style style;
  style.ink = Ink::fixed(kEulerColour);
  style.width = 2;
  style.mask = false;
  style.smooth = true;
  draw(eulerCurve(sheet_.engine(), EngineTerm::asIs(txtDGL1_->text()), *x0, txty0_->text(),
                  sheet_.view().world()),
       style);
}

void DglPage::cmdDgl2() {
  sheet_.setPicture(QImage());
  if (!sheet_.Koordinatensystem_zeichnen()) return;
  Dialogs& dialogs = dialogs_;
  if (txtDGL2_->text().isEmpty() || txt_ystrich_->text().isEmpty() || txt_y0_->text().isEmpty() ||
      txt_x0_->text().isEmpty()) {
    showError(dialogs, kIncompleteMessage);
    return;
  }
  std::optional<float> x0 = parseSingle(txt_x0_->text());
  std::optional<float> y0 = parseSingle(txt_y0_->text());
  std::optional<float> slope0 = parseSingle(txt_ystrich_->text());
  if (!x0 || !y0 || !slope0) {
    showError(dialogs, !x0   ? QStringLiteral("x ist keine Zahl!")
                       : !y0 ? QStringLiteral("y ist keine Zahl!")
                             : QStringLiteral("y' ist keine Zahl!"));
    return;
  }
  Style style;
  style.ink = Ink::fixed(kSecondOrderColour);
  style.mask = false;
  style.smooth = true;
  draw(osculatingCurve(sheet_.engine(), EngineTerm::fromUser(txtDGL2_->text()), *x0, *y0,
                       txt_ystrich_->text(), sheet_.view().world()),
       style);
}
