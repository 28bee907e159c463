#include "ui/widgets/calculator_frame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/dialogs.h"

QGroupBox* calculatorFrame(const char* name, const QString& title,
                           std::initializer_list<std::initializer_list<FrameItem>> rows) {
  auto* box = new QGroupBox(title);
  box->setObjectName(QLatin1String(name));
  auto* layout = new QVBoxLayout(box);
  layout->setSpacing(4);
  for (const auto& row : rows) {
    auto* line = new QHBoxLayout;
    bool hasField = false;
    for (const FrameItem& item : row) {
      if (!item.caption.isEmpty()) {
        auto* caption = new QLabel(item.caption);
        // The caption is found by its field: "lbl" and the field's name.
        caption->setObjectName(QStringLiteral("lbl") +
                               (item.widget ? item.widget->objectName() : item.caption));
        caption->setBuddy(item.widget);
        line->addWidget(caption);
      }
      const bool isField = qobject_cast<QLineEdit*>(item.widget) != nullptr;
      if (item.widget) line->addWidget(item.widget, isField ? 1 : 0);
      hasField |= isField;
    }
    if (!hasField) line->addStretch();  // a button alone keeps its width
    layout->addLayout(line);
  }
  return box;
}

QLineEdit* namedField(const QString& name, const QString& text) {
  auto* field = new QLineEdit(text);
  field->setObjectName(name);
  field->setMinimumWidth(40);
  return field;
}

QLabel* namedLabel(const char* name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(QLatin1String(name));
  return label;
}

QPushButton* namedButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QLatin1String(name));
  return button;
}

void showOutcome(Dialogs& dialogs, const Outcome<QString>& outcome, QLineEdit* result) {
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    showError(dialogs, refusal->message);
  } else {
    result->setText(std::get<QString>(outcome));
  }
}
