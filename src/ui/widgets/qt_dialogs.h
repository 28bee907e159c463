#pragma once
// The dialogs as the user sees them: Qt's message box and colour dialog.

#include "ui/widgets/dialogs.h"

class QtDialogs : public Dialogs {
 public:
  void message(const QString& title, const QString& text, Icon icon) override;
  Answer ask(const QString& title, const QString& text, bool cancel, Answer defaultButton) override;
  std::optional<QColor> chooseColor(const QColor& initial) override;
  std::optional<QString> inputText(const QString& prompt, const QString& title,
                                   const QString& initial) override;
  std::optional<int> chooseItem(const QString& prompt, const QString& title,
                                const QStringList& items) override;
  QString openFileName(const QString& filter) override;
  QString saveFileName(const QString& filter) override;
  bool choosePrinter(QPrinter& printer) override;
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};
