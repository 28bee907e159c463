#pragma once
// An up-down spinner beside the field that shows its value: the spinner shows
// only its arrows, and every change writes the value into the field.

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

struct SpinnerField {
  QLineEdit* field;
  QSpinBox* spinner;
  QHBoxLayout* layout;
};

inline SpinnerField makeSpinnerField(const char* fieldName, const char* spinnerName, int minimum,
                                     int maximum, int value, const QString& text, bool editable) {
  auto* field = new QLineEdit(text);
  field->setObjectName(QLatin1String(fieldName));
  field->setReadOnly(!editable);
  field->setFixedWidth(48);
  auto* spinner = new QSpinBox;
  spinner->setObjectName(QLatin1String(spinnerName));
  spinner->setRange(minimum, maximum);
  spinner->setValue(value);
  spinner->setFixedWidth(18);  // the arrows only; the field beside it shows the value
  spinner->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QHBoxLayout;
  layout->setSpacing(0);
  layout->addWidget(field);
  layout->addWidget(spinner);
  layout->addStretch();
  return {field, spinner, layout};
}
