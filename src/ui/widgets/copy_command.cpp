#include "ui/widgets/copy_command.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace {

// Strg+C goes to the widget even where a menu of the window has the same
// shortcut; the widget's own copy is replaced.
class CopyKeys : public QObject {
 public:
  CopyKeys(QWidget* widget, std::function<QString()> text)
      : QObject(widget), text_(std::move(text)) {}

  void copy() const { QApplication::clipboard()->setText(text_()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool shortcut = event->type() == QEvent::ShortcutOverride;
    if (shortcut || event->type() == QEvent::KeyPress) {
      if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        if (!shortcut) copy();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<QString()> text_;
};

}  // namespace

void addCopyCommand(QWidget* widget, std::function<QString()> text) {
  auto* keys = new CopyKeys(widget, std::move(text));
  widget->installEventFilter(keys);
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [widget, keys](QPoint at) {
    auto* menu = new QMenu(widget);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QStringLiteral("Kopieren"));
    copy->setShortcut(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, keys, &CopyKeys::copy);
    // A list reports the point in its viewport.
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    menu->popup((area ? area->viewport() : widget)->mapToGlobal(at));
  });
}

void addCopyCommand(QLineEdit* field) {
  addCopyCommand(
      field, [field] { return field->hasSelectedText() ? field->selectedText() : field->text(); });
}

void addCopyCommand(QListWidget* list) {
  addCopyCommand(list, [list] {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines.join(u'\n');
  });
}
