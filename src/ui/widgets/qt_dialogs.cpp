#include "ui/widgets/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

void QtDialogs::message(const QString& title, const QString& text, Icon icon) {
  QMessageBox box(parent_);
  box.setWindowTitle(title);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  switch (icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  box.exec();
}

Dialogs::Answer QtDialogs::ask(const QString& title, const QString& text, bool cancel,
                               Answer defaultButton) {
  QMessageBox box(parent_);
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(QMessageBox::Question);
  QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
  QPushButton* abort =
      cancel ? box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole) : nullptr;
  box.setDefaultButton(defaultButton == Answer::Yes  ? yes
                       : defaultButton == Answer::No ? no
                                                     : abort);
  box.setEscapeButton(cancel ? abort : no);
  box.exec();
  if (box.clickedButton() == yes) return Answer::Yes;
  if (box.clickedButton() == no || !cancel) return Answer::No;
  return Answer::Cancel;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
  QColor color = QColorDialog::getColor(initial, parent_, QStringLiteral("Farbe"));
  if (!color.isValid()) return std::nullopt;
  return color;
}

std::optional<QString> QtDialogs::inputText(const QString& prompt, const QString& title,
                                            const QString& initial) {
  bool accepted = false;
  QString text =
      QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

QString QtDialogs::openFileName(const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, QStringLiteral("Öffnen"), QString(), filter);
}

std::optional<int> QtDialogs::chooseItem(const QString& prompt, const QString& title,
                                         const QStringList& items) {
  bool ok = false;
  const QString chosen = QInputDialog::getItem(parent_, title, prompt, items, 0, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<int>(items.indexOf(chosen));
}

QString QtDialogs::saveFileName(const QString& filter) {
  // The name is used as typed: no extension is added.
  return QFileDialog::getSaveFileName(parent_, QStringLiteral("Speichern unter"), QString(),
                                      filter);
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog dialog(&printer, parent_);
  dialog.setWindowTitle(QStringLiteral("Seitenansicht"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.exec();
}
