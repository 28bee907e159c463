#include "ui/pages/worked_solution_page.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "documents/printing.h"
#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialogs.h"

WorkedSolutionPage::WorkedSolutionPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  txtLoesungsweg_ = new QTextBrowser;
  txtLoesungsweg_->setObjectName(QStringLiteral("txtLoesungsweg"));
  txtLoesungsweg_->setReadOnly(true);
  cmdKopieren_ = namedButton("cmdLoesungswegKopieren", QStringLiteral("Kopieren"));
  cmdDrucken_ = namedButton("cmdLoesungswegDrucken", QStringLiteral("Drucken"));
  cmdOrtskurve_ = namedButton("cmdOrtskurve", QStringLiteral("Ortskurve zeichnen"));
  cmdKopieren_->setEnabled(false);
  cmdDrucken_->setEnabled(false);
  cmdOrtskurve_->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdKopieren_);
  buttons->addWidget(cmdDrucken_);
  buttons->addWidget(cmdOrtskurve_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(txtLoesungsweg_, 1);
  connect(cmdKopieren_, &QPushButton::clicked, this, &WorkedSolutionPage::cmdLoesungswegKopieren);
  connect(cmdDrucken_, &QPushButton::clicked, this, &WorkedSolutionPage::cmdLoesungswegDrucken);
  connect(cmdOrtskurve_, &QPushButton::clicked, this, &WorkedSolutionPage::cmdOrtskurve);
}

void WorkedSolutionPage::work(const EngineTerm& f) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  solution_ = Loesungsweg(sheet_.engine(), f, sheet_.view().xmin, sheet_.view().xmax);
  QApplication::restoreOverrideCursor();
  shown_ = f;
  shownRange_ = {sheet_.view().xmin, sheet_.view().xmax};
  const bool shown = solution_.failure.isEmpty();
  txtLoesungsweg_->setHtml(htmlText(solution_));
  cmdKopieren_->setEnabled(shown);
  cmdDrucken_->setEnabled(shown);
  cmdOrtskurve_->setEnabled(shown && std::any_of(solution_.loci.begin(), solution_.loci.end(),
                                                 [](const KindLocus& l) {
                                                   return l.locus.message.isEmpty();
                                                 }));
}

void WorkedSolutionPage::showSolution(const EngineTerm& f) {
  work(f);
  if (!solution_.failure.isEmpty()) showError(dialogs_, solution_.failure);
}

void WorkedSolutionPage::opened() {
  const EngineTerm f = EngineTerm::fromUser(sheet_.entryText());
  const std::pair<double, double> range{sheet_.view().xmin, sheet_.view().xmax};
  if (!f.isEmpty() && (!(f == shown_) || range != shownRange_)) work(f);
}

void WorkedSolutionPage::cmdLoesungswegKopieren() {
  auto* data = new QMimeData;
  data->setHtml(htmlText(solution_));
  data->setText(plainText(solution_));
  QApplication::clipboard()->setMimeData(data);
}

void WorkedSolutionPage::cmdLoesungswegDrucken() {
  QPrinter printer(QPrinter::HighResolution);
  const QString html = htmlText(solution_);
  dialogs_.previewPrint(printer, [&html](QPrinter& target) { printHtml(target, html); });
}

void WorkedSolutionPage::cmdOrtskurve() {
  // In the colour of the list entry worked out; the axes' colour for a term
  // that is not listed.
  int entry = -1;
  for (qsizetype i = 0; i < sheet_.terms().size(); ++i) {
    if (EngineTerm::fromUser(sheet_.terms()[i]) == shown_) entry = static_cast<int>(i);
  }
  emit graphWanted();
  for (const KindLocus& kind : solution_.loci) {
    if (kind.locus.message.isEmpty()) sheet_.drawLocus(entry, kind.locus.term, kind.locus.vertical);
  }
}
