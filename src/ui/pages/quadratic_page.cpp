#include "ui/pages/quadratic_page.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "geometry/parabola_tools.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/comma_keys.h"
#include "ui/widgets/dialogs.h"

QuadraticPage::QuadraticPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildVertexFrame());
  layout->addWidget(buildPqFrame());
  layout->addStretch();

  for (QLineEdit* field : {Text6_, Text7_, Text8_}) typePointAsComma(field);
  // A new a makes the normal form stale; xs and ys leave it standing.
  connect(Text6_, &QLineEdit::textChanged, Text9_, &QLineEdit::clear);
}

QGroupBox* QuadraticPage::buildVertexFrame() {
  Text6_ = namedField(QStringLiteral("Text6"));
  Text7_ = namedField(QStringLiteral("Text7"));
  Text8_ = namedField(QStringLiteral("Text8"));
  Text9_ = namedField(QStringLiteral("Text9"));
  QPushButton* compute = namedButton("Command3", QStringLiteral("Berechne..."));
  QPushButton* draw = namedButton("Command4", QStringLiteral("Zeichne..."));
  connect(compute, &QPushButton::clicked, this, &QuadraticPage::command3);
  connect(draw, &QPushButton::clicked, this, &QuadraticPage::command4);
  return calculatorFrame("Frame12", QStringLiteral("Scheitelform   f(x) = a(x-xs)^2 +ys"),
                         {{{QStringLiteral("a ="), Text6_},
                           {QStringLiteral("xs ="), Text7_},
                           {QStringLiteral("ys ="), Text8_}},
                          {{{}, compute}},
                          {{QStringLiteral("Normalform"), nullptr}},
                          {{QStringLiteral("f(x) ="), Text9_}, {{}, draw}}});
}

QGroupBox* QuadraticPage::buildPqFrame() {
  for (int i = 0; i < 3; ++i) Text10_[i] = namedField(QStringLiteral("Text10(%1)").arg(i));
  Text14_ = namedField(QStringLiteral("Text14(0)"));
  Text19_ = namedField(QStringLiteral("Text19(0)"));
  Text11_ = namedField(QStringLiteral("Text11"));
  Text12_ = namedField(QStringLiteral("Text12"));
  Text15_ = namedField(QStringLiteral("Text15"));
  QPushButton* compute = namedButton("Command7", QStringLiteral("Berechne..."));
  QPushButton* draw = namedButton("Command8", QStringLiteral("Zeichne..."));
  connect(compute, &QPushButton::clicked, this, &QuadraticPage::command7);
  connect(draw, &QPushButton::clicked, this, &QuadraticPage::command8);
  return calculatorFrame("Frame14", QStringLiteral("Lösung p,q-Formel"),
                         {{{QStringLiteral("a ="), Text10_[0]},
                           {QStringLiteral("b ="), Text10_[1]},
                           {QStringLiteral("c ="), Text10_[2]}},
                          {{{}, compute}},
                          {{QStringLiteral("x1= "), Text14_}, {QStringLiteral("x2 ="), Text19_}},
                          {{QStringLiteral("xs ="), Text11_}, {QStringLiteral("ys ="), Text12_}},
                          {{QStringLiteral("f(x) ="), Text15_}, {{}, draw}}});
}

void QuadraticPage::command3() {
  showOutcome(dialogs_, normalForm(Text6_->text(), Text7_->text(), Text8_->text()), Text9_);
}

void QuadraticPage::command4() {
  sheet_.drawEquation(Text9_->text());
}

void QuadraticPage::command7() {
  Outcome<QuadraticSolution> outcome =
      solveQuadratic(Text10_[0]->text(), Text10_[1]->text(), Text10_[2]->text());
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    showError(dialogs_, refusal->message);
    return;
  }
  const QuadraticSolution& solution = std::get<QuadraticSolution>(outcome);
  Text14_->setText(solution.x1);
  Text19_->setText(solution.x2);
  Text15_->setText(solution.normalForm);
  Text11_->setText(solution.xs);
  Text12_->setText(solution.ys);
}

void QuadraticPage::command8() {
  sheet_.drawEquation(Text15_->text());
}
