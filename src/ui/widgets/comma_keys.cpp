#include "ui/widgets/comma_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class PointAsComma : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() != QStringLiteral(".") ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      return false;
    }
    static_cast<QLineEdit*>(watched)->insert(QStringLiteral(","));
    return true;
  }
};

}  // namespace

void typePointAsComma(QLineEdit* field) {
  field->installEventFilter(new PointAsComma(field));
}
