#include "ui/widgets/parameter_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "ui/widgets/comma_keys.h"

namespace {

QLineEdit* numberField(const char* name, int width) {
  auto* field = new QLineEdit;
  field->setObjectName(QLatin1String(name));
  field->setFixedWidth(width);
  typePointAsComma(field);
  return field;
}

int positions(const Parameter& p) {
  if (!(p.step > 0) || !(p.to > p.from)) return 0;
  return static_cast<int>(std::min(1e6, std::round((p.to - p.from) / p.step)));
}

}  // namespace

ParameterRow::ParameterRow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraParameter"));
  lblParameter_ = new QLabel;
  lblParameter_->setObjectName(QStringLiteral("lblParameter"));
  sldParameter_ = new QSlider(Qt::Horizontal);
  sldParameter_->setObjectName(QStringLiteral("sldParameter"));
  sldParameter_->setMinimumWidth(160);
  txtParameterWert_ = numberField("txtParameterWert", 64);
  txtParameterVon_ = numberField("txtParameterVon", 48);
  txtParameterBis_ = numberField("txtParameterBis", 48);
  txtParameterSchritt_ = numberField("txtParameterSchritt", 48);
  cmdSchar_ = new QPushButton(QStringLiteral("Schar zeichnen"));
  cmdSchar_->setObjectName(QStringLiteral("cmdSchar"));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lblParameter_);
  layout->addWidget(sldParameter_, 1);
  layout->addWidget(txtParameterWert_);
  layout->addSpacing(8);
  layout->addWidget(new QLabel(QStringLiteral("von")));
  layout->addWidget(txtParameterVon_);
  layout->addWidget(new QLabel(QStringLiteral("bis")));
  layout->addWidget(txtParameterBis_);
  layout->addWidget(new QLabel(QStringLiteral("Schrittweite")));
  layout->addWidget(txtParameterSchritt_);
  layout->addWidget(cmdSchar_);

  connect(sldParameter_, &QSlider::valueChanged, this, &ParameterRow::slid);
  connect(sldParameter_, &QSlider::sliderPressed, this, &ParameterRow::dragStarted);
  connect(sldParameter_, &QSlider::sliderReleased, this, &ParameterRow::dragEnded);
  for (QLineEdit* field :
       {txtParameterWert_, txtParameterVon_, txtParameterBis_, txtParameterSchritt_}) {
    connect(field, &QLineEdit::returnPressed, this, &ParameterRow::readFields);
  }
  // Typing a value redraws at once, as a pupil watches the graph follow.
  connect(txtParameterWert_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (std::optional<double> v = parseNumber(text); v && std::isfinite(*v)) {
      Parameter next = shown_;
      next.value = *v;
      emit changed(next);
    }
  });
  connect(cmdSchar_, &QPushButton::clicked, this, &ParameterRow::familyWanted);
}

void ParameterRow::show(const Parameter& parameter) {
  const bool sameLetter = shown_.letter == parameter.letter;
  const Parameter before = shown_;
  shown_ = parameter;
  lblParameter_->setText(QString(parameter.letter) + QStringLiteral(" ="));
  const QSignalBlocker block(sldParameter_);
  sldParameter_->setRange(0, positions(parameter));
  sldParameter_->setValue(parameter.step > 0
                              ? static_cast<int>(std::lround((parameter.value - parameter.from) /
                                                             parameter.step))
                              : 0);
  // A field keeps what is typed in it while its number stays as it was: a
  // range typed but not yet confirmed survives the slider and the value.
  auto put = [&](QLineEdit* field, double v, double old) {
    if (sameLetter && v == old) return;
    if (sameLetter && field->hasFocus() && parseNumber(field->text()) == v) return;
    field->setText(numberText(v));
  };
  put(txtParameterWert_, parameter.value, before.value);
  put(txtParameterVon_, parameter.from, before.from);
  put(txtParameterBis_, parameter.to, before.to);
  put(txtParameterSchritt_, parameter.step, before.step);
}

void ParameterRow::readFields() {
  Parameter next = shown_;
  double* fields[] = {&next.value, &next.from, &next.to, &next.step};
  QLineEdit* edits[] = {txtParameterWert_, txtParameterVon_, txtParameterBis_,
                        txtParameterSchritt_};
  for (int i = 0; i < 4; ++i) {
    const std::optional<double> v = parseNumber(edits[i]->text());
    if (!v || !std::isfinite(*v)) {
      emit refused(QStringLiteral("Bitte geben Sie eine Zahl ein."));
      edits[i]->setFocus();
      edits[i]->selectAll();
      return;
    }
    *fields[i] = *v;
  }
  if (!(next.from < next.to)) {
    emit refused(QStringLiteral("„bis“ muss größer als „von“ sein."));
    txtParameterVon_->setFocus();
    return;
  }
  if (!(next.step > 0)) {
    emit refused(QStringLiteral("Die Schrittweite muss größer als 0 sein."));
    txtParameterSchritt_->setFocus();
    return;
  }
  next.value = std::clamp(next.value, next.from, next.to);  // the slider can show it
  emit changed(next);
}

void ParameterRow::slid(int position) {
  Parameter next = shown_;
  next.value = next.snapped(next.from + position * next.step);
  emit changed(next);
}
