#pragma once
// Every message box and standard dialog of the program goes through this
// interface: Qt's dialogs in the program, a scripted fake in tests.

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

class Dialogs {
 public:
  enum class Icon { None, Information, Warning, Critical, Question };

  virtual ~Dialogs() = default;

  // A modal message with an OK button only.
  virtual void message(const QString& title, const QString& text, Icon icon) = 0;
  // A question with the buttons "Ja", "Nein" and, with `cancel`, "Abbrechen";
  // closing the box counts as "Abbrechen", or as "Nein" without it.
  enum class Answer { Yes, No, Cancel };
  virtual Answer ask(const QString& title, const QString& text, bool cancel,
                     Answer defaultButton) = 0;
  // The colour chosen, or nullopt when the user cancels.
  virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
  // A line of text, or nullopt when the user cancels.
  virtual std::optional<QString> inputText(const QString& prompt, const QString& title,
                                           const QString& initial) = 0;
  // The index of the item chosen from a list, or nullopt when the user cancels.
  virtual std::optional<int> chooseItem(const QString& prompt, const QString& title,
                                        const QStringList& items) = 0;
  // The chosen file name; empty when the user cancels. `filter` as in "*.fkt (*.fkt)".
  virtual QString openFileName(const QString& filter) = 0;
  virtual QString saveFileName(const QString& filter) = 0;
  // Lets the user choose the printer and the copies; false when cancelled.
  virtual bool choosePrinter(QPrinter& printer) = 0;
  // Shows the pages `paint` draws on `printer` as they will be printed; the
  // user may print them from there, and `paint` draws them again for that.
  virtual void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;

  // The window the dialogs belong to.
  void setParent(QWidget* parent) { parent_ = parent; }

 protected:
  QWidget* parent_ = nullptr;
};

// The one error message form of the program: title "Fehler", OK only.
inline void showError(Dialogs& dialogs, const QString& text) {
  dialogs.message(QStringLiteral("Fehler"), text, Dialogs::Icon::Critical);
}
