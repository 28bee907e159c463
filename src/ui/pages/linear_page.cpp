#include "ui/pages/linear_page.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "geometry/line_tools.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/comma_keys.h"
#include "ui/widgets/dialogs.h"

namespace {

const QString kBerechne = QStringLiteral("Berechne...");
const QString kZeichne = QStringLiteral("Zeichne...");

}  // namespace

LinearPage::LinearPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(6);
  layout->addWidget(buildPointSlopeFrame());
  layout->addWidget(buildTwoPointFrame());
  layout->addWidget(buildOrthogonalFrame());
  layout->addWidget(buildAngleFrame());
  layout->addWidget(buildLengthFrame());
  layout->addWidget(buildMidpointFrame());
  layout->addStretch();

  for (QLineEdit* field :
       {txtPx_, txtPy_, txtm_, txt_x1_, txt_x2_, txt_y2_, txt_m1_, txtm1_, txtm2_}) {
    typePointAsComma(field);
  }
  // The equation no longer belongs to the point once x1 changes.
  connect(txtPx_, &QLineEdit::textChanged, txtPSt_, &QLineEdit::clear);
}

QGroupBox* LinearPage::buildPointSlopeFrame() {
  txtPx_ = namedField(QStringLiteral("txtPx"));
  txtPy_ = namedField(QStringLiteral("txtPy"));
  txtm_ = namedField(QStringLiteral("txtm"));
  txtPSt_ = namedField(QStringLiteral("txtPSt"));
  QPushButton* compute = namedButton("cmdPSt", kBerechne);
  QPushButton* draw = namedButton("cmdPStplot", kZeichne);
  connect(compute, &QPushButton::clicked, this, &LinearPage::cmdPSt);
  connect(draw, &QPushButton::clicked, this, &LinearPage::cmdPStplot);
  return calculatorFrame("Frame4", QStringLiteral("Punkt-Steigungsform     y - y1 = m(x - x1)"),
                         {{{QStringLiteral("x1 ="), txtPx_},
                           {QStringLiteral("y1 ="), txtPy_},
                           {QStringLiteral("Steigung m ="), txtm_}},
                          {{{}, compute}, {QStringLiteral("f(x) ="), txtPSt_}, {{}, draw}}});
}

QGroupBox* LinearPage::buildTwoPointFrame() {
  txt_x1_ = namedField(QStringLiteral("txt_x1"));
  txt_y1_ = namedField(QStringLiteral("txt_y1"));
  txt_x2_ = namedField(QStringLiteral("txt_x2"));
  txt_y2_ = namedField(QStringLiteral("txt_y2"));
  txtZwPF_ = namedField(QStringLiteral("txtZwPF"));
  QPushButton* compute = namedButton("cmdZwPF", kBerechne);
  QPushButton* draw = namedButton("cmdZwPFplot", kZeichne);
  connect(compute, &QPushButton::clicked, this, &LinearPage::cmdZwPF);
  connect(draw, &QPushButton::clicked, this, &LinearPage::cmdZwPFplot);
  return calculatorFrame("Frame7",
                         QStringLiteral("Zweipunkteform     y - y1 = (y2-y1)/(x2-x1)*(x-x1)"),
                         {{{QStringLiteral("x1 ="), txt_x1_},
                           {QStringLiteral("y1 ="), txt_y1_},
                           {QStringLiteral("x2 ="), txt_x2_},
                           {QStringLiteral("y2 ="), txt_y2_}},
                          {{{}, compute}, {QStringLiteral("f(x) ="), txtZwPF_}, {{}, draw}}});
}

QGroupBox* LinearPage::buildOrthogonalFrame() {
  txt_m1_ = namedField(QStringLiteral("txt_m1"));
  txt_m2_ = namedField(QStringLiteral("txt_m2"));
  QPushButton* compute = namedButton("cmdOrhtogonale", kBerechne);
  connect(compute, &QPushButton::clicked, this, &LinearPage::cmdOrhtogonale);
  return calculatorFrame(
      "Frame8", QStringLiteral("Orthogonale     m1*m2 = -1"),
      {{{QStringLiteral("m1 ="), txt_m1_}, {{}, compute}, {QStringLiteral("m2 ="), txt_m2_}}});
}

QGroupBox* LinearPage::buildAngleFrame() {
  txtm1_ = namedField(QStringLiteral("txtm1"));
  txtm2_ = namedField(QStringLiteral("txtm2"));
  txt_alpha_ = namedField(QStringLiteral("txt_alpha"));
  QPushButton* compute = namedButton("cmdWinkel", kBerechne);
  connect(compute, &QPushButton::clicked, this, &LinearPage::cmdWinkel);
  return calculatorFrame("Frame9", QStringLiteral("Schnittwinkel zweier Geraden"),
                         {{{QStringLiteral("m1 ="), txtm1_}, {QStringLiteral("m2 ="), txtm2_}},
                          {{{}, compute}, {QStringLiteral("α ="), txt_alpha_}}});
}

QGroupBox* LinearPage::buildLengthFrame() {
  txtx1_ = namedField(QStringLiteral("txtx1"));
  txtx2_ = namedField(QStringLiteral("txtx2"));
  txty1_ = namedField(QStringLiteral("txty1"));
  txty2_ = namedField(QStringLiteral("txty2"));
  txtl_ = namedField(QStringLiteral("txtl"));
  QPushButton* compute = namedButton("Command1", kBerechne);
  connect(compute, &QPushButton::clicked, this, &LinearPage::command1);
  return calculatorFrame("Frame10", QStringLiteral("Länge einer Strecke"),
                         {{{QStringLiteral("x1 ="), txtx1_},
                           {QStringLiteral("x2 ="), txtx2_},
                           {QStringLiteral("y1 ="), txty1_},
                           {QStringLiteral("y2 ="), txty2_}},
                          {{{}, compute}, {QStringLiteral("l ="), txtl_}}});
}

QGroupBox* LinearPage::buildMidpointFrame() {
  txtMx1_ = namedField(QStringLiteral("txtMx1"));
  txtMx2_ = namedField(QStringLiteral("txtMx2"));
  txtMy1_ = namedField(QStringLiteral("txtMy1"));
  txtMy2_ = namedField(QStringLiteral("txtMy2"));
  txtxm_ = namedField(QStringLiteral("txtxm"));
  txtym_ = namedField(QStringLiteral("txtym"));
  QPushButton* compute = namedButton("Command2", kBerechne);
  connect(compute, &QPushButton::clicked, this, &LinearPage::command2);
  return calculatorFrame(
      "Frame11", QStringLiteral("Mitte einer Strecke"),
      {{{QStringLiteral("x1 ="), txtMx1_},
        {QStringLiteral("x2 ="), txtMx2_},
        {QStringLiteral("y1 ="), txtMy1_},
        {QStringLiteral("y2 ="), txtMy2_}},
       {{{}, compute}, {QStringLiteral("xm ="), txtxm_}, {QStringLiteral("ym ="), txtym_}}});
}

void LinearPage::cmdPSt() {
  showOutcome(dialogs_, pointSlopeForm(txtPx_->text(), txtPy_->text(), txtm_->text()), txtPSt_);
}

void LinearPage::cmdPStplot() {
  sheet_.drawEquation(txtPSt_->text());
}

void LinearPage::cmdZwPF() {
  showOutcome(dialogs_,
              twoPointForm(txt_x1_->text(), txt_y1_->text(), txt_x2_->text(), txt_y2_->text()),
              txtZwPF_);
}

void LinearPage::cmdZwPFplot() {
  sheet_.drawEquation(txtZwPF_->text());
}

void LinearPage::cmdOrhtogonale() {
  showOutcome(dialogs_, orthogonalSlope(txt_m1_->text()), txt_m2_);
}

void LinearPage::cmdWinkel() {
  showOutcome(dialogs_, intersectionAngle(txtm1_->text(), txtm2_->text()), txt_alpha_);
}

void LinearPage::command1() {
  showOutcome(dialogs_,
              segmentLength(txtx1_->text(), txtx2_->text(), txty1_->text(), txty2_->text()), txtl_);
}

void LinearPage::command2() {
  Outcome<Midpoint> outcome =
      segmentMidpoint(txtMx1_->text(), txtMx2_->text(), txtMy1_->text(), txtMy2_->text());
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    showError(dialogs_, refusal->message);
    return;
  }
  const Midpoint& midpoint = std::get<Midpoint>(outcome);
  txtxm_->setText(midpoint.xm);
  txtym_->setText(midpoint.ym);
}
