#include "ui/pages/differential_page.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calculus/curve_discussion.h"
#include "calculus/derivatives.h"
#include "documents/printing.h"
#include "engine/messages.h"
#include "engine/requests.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/copy_command.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/parameter_note.h"

namespace {

constexpr qint64 kProgressInterval = 50;  // milliseconds between updates of the bar

const QColor kFirstColour(0, 0, 255), kSecondColour(0, 128, 0);

QLineEdit* field(const char* name, const QColor& colour = QColor()) {
  QLineEdit* edit = namedField(QLatin1String(name));
  if (colour.isValid()) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, colour);
    edit->setPalette(palette);
  }
  return edit;
}

}  // namespace

DifferentialPage::DifferentialPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  auto* derivatives = new QGroupBox(QStringLiteral("symbolische Differentiation"));
  derivatives->setObjectName(QStringLiteral("fraAbleitungen"));
  auto* grid = new QGridLayout(derivatives);
  txt_y_ = field("txt_y", QColor(255, 0, 0));
  txt_ystr_ = field("txt_ystr", kFirstColour);
  txt_y2str_ = field("txt_y2str", kSecondColour);
  txt_y3str_ = field("txt_y3str");
  const QString captions[] = {QStringLiteral("f(x) = "), QStringLiteral("f'(x) = "),
                              QStringLiteral("f''(x) ="), QStringLiteral("f'''(x) = ")};
  QLineEdit* fields[] = {txt_y_, txt_ystr_, txt_y2str_, txt_y3str_};
  for (int i = 0; i < 4; ++i) {
    grid->addWidget(new QLabel(captions[i]), i, 0);
    grid->addWidget(fields[i], i, 1, 1, 2);
  }
  auto* cmdDiffButton = new QPushButton(QStringLiteral("Ableitungen bilden"));
  cmdDiffButton->setObjectName(QStringLiteral("cmdDiff"));
  // Option buttons used as push buttons: each click draws, then clears itself.
  opty_str_ = new QRadioButton(QStringLiteral("y' zeichnen"));
  opty_str_->setObjectName(QStringLiteral("opty_str"));
  opty_2str_ = new QRadioButton(QStringLiteral("y'' zeichnen"));
  opty_2str_->setObjectName(QStringLiteral("opty_2str"));
  for (QRadioButton* button : {opty_str_, opty_2str_}) button->setAutoExclusive(false);
  lblParameterHinweis_ = parameterNote();
  grid->addWidget(lblParameterHinweis_, 4, 1, 1, 2);
  grid->addWidget(cmdDiffButton, 5, 0, 1, 3);
  grid->addWidget(opty_str_, 6, 1);
  grid->addWidget(opty_2str_, 6, 2);

  auto* discussion = new QGroupBox(QStringLiteral("Kurvendiskussion"));
  discussion->setObjectName(QStringLiteral("fraKurvendiskussion"));
  auto* column = new QVBoxLayout(discussion);
  auto* start = new QPushButton(QStringLiteral("Start Kurvendiskussion"));
  start->setObjectName(QStringLiteral("cmdDiskussion"));
  prb_ = new QProgressBar;
  prb_->setObjectName(QStringLiteral("prb"));
  prb_->setRange(1, 1703);
  prb_->hide();
  cmdPunkte_ = new QPushButton(QStringLiteral("Punkte einzeichnen"));
  cmdPunkte_->setObjectName(QStringLiteral("cmdPunkte"));
  cmdPunkte_->setEnabled(false);
  lstDisk_ = new QListWidget;
  lstDisk_->setObjectName(QStringLiteral("lstDisk"));
  lstDisk_->hide();
  addCopyCommand(lstDisk_);
  auto* worked = new QPushButton(QStringLiteral("Lösungsweg"));
  worked->setObjectName(QStringLiteral("cmdLoesungsweg"));
  column->addWidget(start);
  column->addWidget(cmdPunkte_);
  column->addWidget(worked);
  column->addWidget(prb_);
  column->addWidget(lstDisk_, 1);
  column->addStretch();  // keeps the button at the top while the list is hidden

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(derivatives);
  layout->addWidget(discussion, 1);

  connect(cmdDiffButton, &QPushButton::clicked, this, &DifferentialPage::cmdDiff);
  connect(opty_str_, &QRadioButton::clicked, this, [this] { drawDerivative(false); });
  connect(opty_2str_, &QRadioButton::clicked, this, [this] { drawDerivative(true); });
  connect(start, &QPushButton::clicked, this, &DifferentialPage::cmdDiskussion);
  // A term typed over the one taken from the list belongs to no entry.
  connect(txt_y_, &QLineEdit::textEdited, this, [this] {
    entry_ = -1;
    showNote(lblParameterHinweis_, {});
  });
  connect(cmdPunkte_, &QPushButton::clicked, this, &DifferentialPage::cmdPunkte);
  connect(worked, &QPushButton::clicked, this, &DifferentialPage::cmdLoesungsweg);
}

void DifferentialPage::clearDiscussion() {
  lstDisk_->clear();
  points_.clear();  // the points belong to the lines
  cmdPunkte_->setEnabled(false);
}

void DifferentialPage::opened() {
  clearDiscussion();
  entry_ = static_cast<int>(sheet_.terms().indexOf(sheet_.entryText()));
  // A family's member with the current value of its parameter.
  const Sheet::CalculatorTerm term = sheet_.calculatorTerm(sheet_.entryText());
  txt_y_->setText(term.refusal.isEmpty() ? EngineTerm::fromUser(term.term).text() : QString());
  showNote(lblParameterHinweis_, term.refusal.isEmpty() ? term.note : term.refusal);
  txt_ystr_->clear();
  txt_y2str_->clear();
  txt_y3str_->clear();
}

void DifferentialPage::cmdDiff() {
  if (txt_y_->text().isEmpty()) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  Derivatives d = formDerivatives(sheet_.engine(), EngineTerm::asIs(txt_y_->text()));
  txt_ystr_->setText(d.first.text());
  txt_y2str_->setText(d.second.text());
  txt_y3str_->setText(d.third.text());
}

void DifferentialPage::drawDerivative(bool second) {
  QRadioButton* button = second ? opty_2str_ : opty_str_;
  QLineEdit* source = second ? txt_y2str_ : txt_ystr_;
  if (source->text().isEmpty()) {
    showError(dialogs_, kNoDerivativesMessage);
    button->setChecked(false);
    return;
  }
  sheet_.appendTerms({source->text()}, source->text());
  sheet_.Graph_zeichnen(source->text(), Ink::fixed(second ? kSecondColour : kFirstColour));
  button->setChecked(false);
}

void DifferentialPage::cmdDiskussion() {
  if (txt_y3str_->text().isEmpty()) {
    showError(dialogs_, kNoDerivativesMessage);
    return;
  }
  clearDiscussion();
  lstDisk_->show();
  prb_->setValue(prb_->minimum());
  prb_->show();
  int shownScan = 1;
  // The run blocks input, but the window keeps painting: the progress bar
  // moves and the desktop does not take the program for hung. Painting costs
  // more than the scans, so the bar follows the clock, not every step.
  QElapsedTimer sinceShown;
  sinceShown.start();
  auto progress = [&](int scan, int step) {
    if (sinceShown.elapsed() < kProgressInterval) return;
    sinceShown.restart();
    if (scan != shownScan) {
      prb_->hide();
      prb_->show();
      shownScan = scan;
    }
    prb_->setValue(step);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  DiscussionTerms terms{EngineTerm::asIs(txt_y_->text()), EngineTerm::asIs(txt_ystr_->text()),
                        EngineTerm::asIs(txt_y2str_->text())};
  const ViewWindow& view = sheet_.view();
  CurveDiscussion result = Kurvendiskussion(sheet_.engine(), terms, view.xmin, view.xmax, progress);
  lstDisk_->addItems(result.lines);
  points_ = std::move(result.points);
  cmdPunkte_->setEnabled(!points_.isEmpty());
  prb_->hide();
}

void DifferentialPage::cmdPunkte() {
  sheet_.markKeyPoints(entry_, points_);
}

void DifferentialPage::cmdLoesungsweg() {
  QString term = txt_y_->text();
  if (term.isEmpty()) term = EngineTerm::fromUser(sheet_.entryText()).text();
  if (term.isEmpty()) {
    showError(dialogs_, kNoTermMessage);
    return;
  }
  emit workedSolutionWanted(term);
}

void DifferentialPage::fillPrintout(PrintedSheet& sheet) const {
  sheet.f = txt_y_->text();
  sheet.f1 = txt_ystr_->text();
  sheet.f2 = txt_y2str_->text();
  sheet.f3 = txt_y3str_->text();
  for (int i = 0; i < lstDisk_->count(); ++i) sheet.discussion << lstDisk_->item(i)->text();
}
