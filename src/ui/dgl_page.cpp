#include "ui/dgl_page.h"

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
#include "ui/canvas_widget.h"
#include "ui/dialogs.h"
#include "ui/frm_graph.h"
#include "ui/kurvalon_page.h"

namespace {

const QColor kEulerColour(0, 0, 255), kSecondOrderColour(255, 0, 0);

QLineEdit* field(const char* name, const QString& text = QString()) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

QLabel* label(const char* name, const QString& text) {
  auto* caption = new QLabel(text);
  caption->setObjectName(QLatin1String(name));
  return caption;
}

QPushButton* button(const char* name, const QString& text) {
  auto* push = new QPushButton(text);
  push->setObjectName(QLatin1String(name));
  return push;
}

// Labels take their natural width; the fields get the rest of the row.
QGridLayout* formGrid(QGroupBox* box) {
  auto* grid = new QGridLayout(box);
  grid->setColumnStretch(1, 1);
  return grid;
}

}  // namespace

DglPage::DglPage(FrmGraph& window, QWidget* parent) : QWidget(parent), window_(window) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildFirstOrderFrame());
  layout->addWidget(buildSecondOrderFrame());
  layout->addStretch();
}

QWidget* DglPage::buildFirstOrderFrame() {
  auto* box = new QGroupBox(QStringLiteral("DGL 1. Ordnung"));
  box->setObjectName(QStringLiteral("fraDGL1"));
  QGridLayout* grid = formGrid(box);
  txtDGL1_ = field("txtDGL1");
  txtx0_ = field("txtx0");
  txty0_ = field("txty0");
  QPushButton* field1 = button("cmdDgl1", QStringLiteral("zeichne Isoklinenfeld"));
  QPushButton* curve = button("Command5", QStringLiteral("zeichne Lösungskurve"));
  grid->addWidget(label("lblDGL1", QStringLiteral("f'(x,y) =")), 0, 0);
  grid->addWidget(txtDGL1_, 0, 1);
  grid->addWidget(field1, 1, 0, 1, 2);
  grid->addWidget(label("Label42(0)", QStringLiteral("x0 =")), 2, 0);
  grid->addWidget(txtx0_, 2, 1);
  grid->addWidget(label("Label42(1)", QStringLiteral("y0 =")), 3, 0);
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
  txtDGL2_ = field("txtDGL2", QStringLiteral("-2*ystr-5*y"));
  txt_x0_ = field("txt_x0", QStringLiteral("0"));
  txt_y0_ = field("txt_y0", QStringLiteral("0"));
  txt_ystrich_ = field("txt_ystrich", QStringLiteral("1"));
  QPushButton* curve = button("cmdDgl2", QStringLiteral("zeichne Lösungskurve"));
  grid->addWidget(label("Label1", QStringLiteral("y'' = f(x, y, ystr)")), 0, 0);
  grid->addWidget(txtDGL2_, 0, 1);
  grid->addWidget(label("Label6", QStringLiteral("Geben Sie den Startwert ein!")), 1, 0, 1, 2);
  grid->addWidget(label("lblDGL2(0)", QStringLiteral("x =")), 2, 0);
  grid->addWidget(txt_x0_, 2, 1);
  grid->addWidget(label("lblDGL2(1)", QStringLiteral("y =")), 3, 0);
  grid->addWidget(txt_y0_, 3, 1);
  grid->addWidget(label("lblDGL2(2)", QStringLiteral("y' =")), 4, 0);
  grid->addWidget(txt_ystrich_, 4, 1);
  grid->addWidget(curve, 5, 0, 1, 2);
  connect(curve, &QPushButton::clicked, this, &DglPage::cmdDgl2);
  return box;
}

// What was computed is drawn even when a later point failed.
void DglPage::draw(const OdeDrawing& drawing, bool curve) {
  Canvas& canvas = window_.canvas();
  canvas.setSmooth(curve);  // solution curves are smoothed, slope marks stay crisp
  canvas.lines(drawing.lines);
  canvas.setSmooth(false);
  window_.picGraph()->update();
  if (!drawing.failure.isEmpty()) showError(window_.dialogs(), drawing.failure);
}

void DglPage::cmdDgl1() {
  if (txtDGL1_->text().isEmpty()) {
    showError(window_.dialogs(), QStringLiteral("Sie haben noch keine DGL 1. Ordnung eingegeben!"));
    return;
  }
  // The field takes the curves' place: only the coordinate system stays.
  Canvas& canvas = window_.canvas();
  canvas.setPicture(QImage());
  if (!window_.Koordinatensystem_zeichnen()) return;
  // Set after the coordinate system, which leaves its tick colour behind.
  canvas.setForeColor(window_.kurvalonPage()->appearance().palette[kIsoklinen]);
  canvas.setLineStyle(Canvas::LineStyle::Solid);
  canvas.setDrawMode(Canvas::DrawMode::Copy);
  draw(slopeField(window_.engine(), txtDGL1_->text(), window_.view(), window_.frame()), false);
}

void DglPage::command5() {
  Dialogs& dialogs = window_.dialogs();
  if (txtDGL1_->text().isEmpty()) {
    showError(dialogs, QStringLiteral("Sie haben noch keine DGL 1. Ordnung eingegeben!"));
    return;
  }
  if (txtx0_->text().isEmpty() || txty0_->text().isEmpty()) {
    showError(dialogs,
              QStringLiteral("Sie haben noch nicht alle erforderlichen Eingaben getätigt!"));
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
  Canvas& canvas = window_.canvas();
  canvas.setDrawWidth(2);
  canvas.setForeColor(kEulerColour);
  canvas.setDrawMode(Canvas::DrawMode::Copy);
  draw(eulerCurve(window_.engine(), txtDGL1_->text(), *x0, txty0_->text(), window_.view(),
                  window_.frame()),
       true);
}

void DglPage::cmdDgl2() {
  window_.canvas().setPicture(QImage());
  if (!window_.Koordinatensystem_zeichnen()) return;
  Dialogs& dialogs = window_.dialogs();
  if (txtDGL2_->text().isEmpty() || txt_ystrich_->text().isEmpty() || txt_y0_->text().isEmpty() ||
      txt_x0_->text().isEmpty()) {
    showError(dialogs,
              QStringLiteral("Sie haben noch nicht alle erforderlichen Eingaben getätigt!"));
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
  Canvas& canvas = window_.canvas();
  canvas.setDrawMode(Canvas::DrawMode::Copy);
  canvas.setForeColor(kSecondOrderColour);
  draw(osculatingCurve(window_.engine(), txtDGL2_->text(), *x0, *y0, txt_ystrich_->text(),
                       window_.view(), window_.frame()),
       true);
}
