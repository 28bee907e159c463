#include "ui/qt_dialogs.h"

#include <QColorDialog>
#include <QMessageBox>

void QtDialogs::message(const QString& title, const QString& text, Icon icon) {
  QMessageBox box(parent_);
  box.setWindowTitle(title);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  box.exec();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
  QColor color = QColorDialog::getColor(initial, parent_, QStringLiteral("Farbe"));
  if (!color.isValid()) return std::nullopt;
  return color;
}
