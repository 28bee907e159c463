#include "ui/pages/value_table_page.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "sheet/sheet.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/comma_keys.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/parameter_note.h"

ValueTablePage::ValueTablePage(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), sheet_(sheet), dialogs_(dialogs) {
  txtWtTerm_ = namedField(QStringLiteral("txtWtTerm"));
  txtWtVon_ = namedField(QStringLiteral("txtWtVon"));
  txtWtBis_ = namedField(QStringLiteral("txtWtBis"));
  txtWtSchritt_ = namedField(QStringLiteral("txtWtSchritt"));
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("f(x) =")), 0, 0);
  fields->addWidget(txtWtTerm_, 0, 1, 1, 6);
  const std::pair<QString, QLineEdit*> range[] = {{QStringLiteral("von"), txtWtVon_},
                                                  {QStringLiteral("bis"), txtWtBis_},
                                                  {QStringLiteral("Schrittweite"), txtWtSchritt_}};
  for (int i = 0; i < 3; ++i) {
    fields->addWidget(new QLabel(range[i].first), 1, 2 * i);
    fields->addWidget(range[i].second, 1, 2 * i + 1);
    range[i].second->setMaximumWidth(140);
  }
  lblParameterHinweis_ = parameterNote();
  fields->addWidget(lblParameterHinweis_, 2, 1, 1, 6);
  fields->setColumnStretch(6, 1);
  auto* calculate = namedButton("cmdWertetabelle", QStringLiteral("Tabelle berechnen"));
  auto* copy = namedButton("cmdWerteKopieren", QStringLiteral("Kopieren"));

  grdWerte_ = new QTableWidget(0, kValueTableHeadings.size());
  grdWerte_->setObjectName(QStringLiteral("grdWerte"));
  grdWerte_->setHorizontalHeaderLabels(kValueTableHeadings);
  grdWerte_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdWerte_->verticalHeader()->hide();
  grdWerte_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // Rows of one height need not be measured one by one.
  grdWerte_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdWerte_->verticalHeader()->setDefaultSectionSize(grdWerte_->fontMetrics().height() + 6);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculate);
  buttons->addWidget(copy);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->addWidget(grdWerte_, 1);

  for (QLineEdit* number : {txtWtVon_, txtWtBis_, txtWtSchritt_}) typePointAsComma(number);
  for (QLineEdit* field : {txtWtTerm_, txtWtVon_, txtWtBis_, txtWtSchritt_}) {
    connect(field, &QLineEdit::returnPressed, this, &ValueTablePage::cmdWertetabelle);
  }
  connect(calculate, &QPushButton::clicked, this, &ValueTablePage::cmdWertetabelle);
  connect(copy, &QPushButton::clicked, this, &ValueTablePage::cmdWerteKopieren);
}

void ValueTablePage::opened() {
  txtWtTerm_->setText(sheet_.entryText());
  const ViewTexts& view = sheet_.viewTexts();
  if (view == filledFrom_) return;  // what the user typed since stays
  filledFrom_ = view;
  txtWtVon_->setText(view[0]);
  txtWtBis_->setText(view[1]);
  txtWtSchritt_->setText(view[4]);
}

void ValueTablePage::cmdWertetabelle() {
  // A family's member with the current value of its parameter.
  const Sheet::CalculatorTerm term = sheet_.calculatorTerm(txtWtTerm_->text());
  showNote(lblParameterHinweis_, term.note);
  if (!term.refusal.isEmpty()) {
    showError(dialogs_, term.refusal);
    return;
  }
  auto table = Wertetabelle(sheet_.engine(), {term.term, txtWtVon_->text(),
                                              txtWtBis_->text(), txtWtSchritt_->text()});
  if (auto* refusal = std::get_if<QString>(&table)) {
    showError(dialogs_, *refusal);
    return;
  }
  rows_ = std::move(std::get<QList<ValueRow>>(table));
  showRows();
}

void ValueTablePage::showRows() {
  grdWerte_->setUpdatesEnabled(false);
  grdWerte_->clearContents();
  grdWerte_->setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < rows_.size(); ++row) {
    const QStringList cells = valueRowTexts(rows_[row]);
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grdWerte_->setItem(row, column, item);
    }
  }
  grdWerte_->setUpdatesEnabled(true);
}

void ValueTablePage::cmdWerteKopieren() {
  QApplication::clipboard()->setText(valueTableText(rows_));
}
