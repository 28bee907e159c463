#include "ui/integral_page.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculus/integration.h"
#include "engine/engine.h"
#include "engine/format_pattern.h"
#include "engine/notation.h"
#include "engine/number_text.h"
#include "ui/canvas_widget.h"
#include "ui/dialogs.h"
#include "ui/frm_graph.h"
#include "ui/kurvalon_page.h"

namespace {

QLineEdit* field(const char* name, const QString& text = QString()) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

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

// The hatching is ANDed with what is drawn, so curves and axes show through.
void prepareHatch(FrmGraph& window) {
  window.canvas().setForeColor(window.kurvalonPage()->appearance().palette[kSchraffur]);
  window.canvas().setDrawMode(Canvas::DrawMode::MaskPen);
}

}  // namespace

IntegralPage::IntegralPage(FrmGraph& window, QWidget* parent) : QWidget(parent), window_(window) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildSymbolicFrame());
  layout->addWidget(buildAxisFrame());
  layout->addWidget(buildTwoCurvesFrame());
  layout->addStretch();
}

QWidget* IntegralPage::buildSymbolicFrame() {
  auto* box = new QGroupBox(QStringLiteral("symbolische Integration "));
  box->setObjectName(QStringLiteral("fraInt"));
  auto* grid = new QGridLayout(box);
  txtInt_ = field("txtInt");
  txtIntSymb_ = field("txtIntSymb");
  txtIntSymb_->setReadOnly(true);
  auto* button = new QPushButton(QStringLiteral("Integriere symbolisch"));
  button->setObjectName(QStringLiteral("cmdInt"));
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
  txt_oben_ = field("txt_oben", QStringLiteral("b"));
  txt_unten_ = field("txt_unten", QStringLiteral("a"));
  for (QLineEdit* limit : {txt_oben_, txt_unten_}) {
    limit->setFixedWidth(60);
    limit->installEventFilter(this);
  }
  txtIntegrand_ = field("txtIntegrand");
  txtIntegrand_->setReadOnly(true);
  cmdIntegral1_ = new QPushButton(QStringLiteral("Berechne Integral"));
  cmdIntegral1_->setObjectName(QStringLiteral("cmdIntegral1"));
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
  txtObergrenze_ = field("txtObergrenze", QStringLiteral("b"));
  txtUntergrenze_ = field("txtUntergrenze", QStringLiteral("a"));
  for (QLineEdit* limit : {txtObergrenze_, txtUntergrenze_}) {
    limit->setFixedWidth(60);
    limit->setReadOnly(true);
  }
  txtIntegral2_ = field("txtIntegral2");
  txtIntegral2_->setReadOnly(true);
  cmdIntegral2_ = new QPushButton(QStringLiteral("Berechne Integral"));
  cmdIntegral2_->setObjectName(QStringLiteral("cmdIntegral2"));
  cmdIntegral2_->setEnabled(false);
  lblInt2Kurven_ = new QLabel(QStringLiteral(
      "Zoomen Sie die beiden Kurven so, dass auf der Zeichenfläche nur zwei Schnittpunkte sind!"));
  lblInt2Kurven_->setObjectName(QStringLiteral("lblInt2Kurven"));
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
  QString term = komma2point(window_.cboFunktionsterm()->currentText());
  txtInt_->setText(term);
  txtIntegrand_->setText(term);
  txtIntegral2_->clear();
  txtIntSymb_->clear();
  grenzeUntenEingegeben = grenzeObenEingegeben = false;
  int curves = window_.cboFunktionsterm()->count();
  if (curves < 2) {
    txtIntegral2_->setText(QStringLiteral("zuerst 2 Kurven zeichnen"));
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
  QString entry = window_.cboFunktionsterm()->currentText();
  if (txtInt_->text().isEmpty() && entry.isEmpty()) {
    showError(window_.dialogs(), QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
    return;
  }
  // With the field empty, the term of the function field is integrated.
  QString integrand = txtInt_->text().isEmpty() ? komma2point(entry) : txtInt_->text();
  QString answer =
      window_.engine().request(QStringLiteral("INT(") + integrand + QStringLiteral(",x)"));
  txtIntSymb_->setText(answer + QStringLiteral(" + C"));
}

void IntegralPage::drawHatching(const std::variant<QList<QLineF>, QString>& lines) {
  if (const QString* message = std::get_if<QString>(&lines)) {
    showError(window_.dialogs(), *message);
  } else {
    prepareHatch(window_);
    window_.canvas().lines(std::get<QList<QLineF>>(lines));
  }
  window_.picGraph()->update();
}

void IntegralPage::cmdIntegral1() {
  std::optional<double> lower = parseNumber(txt_unten_->text());
  std::optional<double> upper = parseNumber(txt_oben_->text());
  if (!lower || !upper) {
    showError(window_.dialogs(), lower ? QStringLiteral("Die obere Grenze ist keine Zahl!")
                                       : QStringLiteral("Die untere Grenze ist keine Zahl!"));
    return;
  }
  if (!window_.Koordinatensystem_zeichnen()) return;
  window_.canvas().setForeColor(window_.kurvalonPage()->appearance().palette[0]);
  QString term = window_.cboFunktionsterm()->currentText();
  window_.Graph_zeichnen(term);

  Engine& engine = window_.engine();
  QString integral =
      engine.request(QStringLiteral("INT(") + komma2point(term) + QStringLiteral(",x,") +
                     komma2point(txt_unten_->text()) + QStringLiteral(",") +
                     komma2point(txt_oben_->text()) + QStringLiteral(")"));
  QString value = engine.request(QStringLiteral("approx(") + integral + QStringLiteral(")"));
  txtIntegrand_->setText(QStringLiteral("(") + txtIntegrand_->text() + QStringLiteral(") dx = ") +
                         value + QStringLiteral(" FE"));
  drawHatching(hatchToAxis(engine, term, *lower, *upper, window_.view(), window_.frame()));
  cmdIntegral1_->setEnabled(false);
}

void IntegralPage::cmdIntegral2() {
  QComboBox* list = window_.cboFunktionsterm();
  if (list->count() < 2) {
    setTextColour(txtIntegral2_, Qt::red);
    txtIntegral2_->setText(QStringLiteral("zuerst 2 Kurven zeichnen"));
    return;
  }
  window_.redraw();
  list->setCurrentIndex(1);
  QString a = list->currentText();
  list->setCurrentIndex(0);
  QString b = list->currentText();
  QString difference = QStringLiteral("(") + a + QStringLiteral(")-(") + b + QStringLiteral(")");
  txtIntegral2_->setText(difference);

  Engine& engine = window_.engine();
  const ViewWindow& view = window_.view();
  Intersections found = findIntersections(engine, difference, view.xmin, view.xmax);
  if (!found.failure.isEmpty()) {
    showError(window_.dialogs(), found.failure);
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
  QString integral = engine.request(QStringLiteral("INT(") + komma2point(txtIntegral2_->text()) +
                                    QStringLiteral(",x,") + komma2point(txtUntergrenze_->text()) +
                                    QStringLiteral(",") + komma2point(txtObergrenze_->text()) +
                                    QStringLiteral(")"));
  QString answer = engine.request(QStringLiteral("approx(") + integral + QStringLiteral(")"));
  std::optional<double> value = parseNumber(point2komma(answer));
  txtIntegral2_->setText(QStringLiteral("(") + difference + QStringLiteral(") dx = ") +
                         (value ? formatPattern(*value, QStringLiteral("0.##0")) : answer) +
                         QStringLiteral(" FE"));
  double lower = parseNumber(txtUntergrenze_->text()).value_or(found.xs[0]);
  double upper = parseNumber(txtObergrenze_->text()).value_or(found.xs[1]);
  drawHatching(hatchBetween(engine, a, b, lower, upper, view, window_.frame()));
  cmdIntegral2_->setEnabled(false);
}
