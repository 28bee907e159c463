#include "ui/pages/kurvalon_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "plot/view_field_keys.h"
#include "ui/widgets/swatch.h"

namespace {

QString indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QGroupBox* frame(const char* name, const QString& caption) {
  auto* box = new QGroupBox(caption);
  box->setObjectName(QLatin1String(name));
  return box;
}

bool isEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

KurvalonPage::KurvalonPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildViewFrame());
  layout->addWidget(buildPaletteFrame());
  auto* row = new QHBoxLayout;
  row->addWidget(buildGridFrame());
  row->addWidget(buildLineFrame());
  layout->addLayout(row);
  layout->addWidget(buildCalculatorFrame());
  layout->addStretch();
}

QWidget* KurvalonPage::buildViewFrame() {
  QGroupBox* box = frame("fraKoordinatensystem", QStringLiteral("Koordinatensystem"));
  auto* grid = new QGridLayout(box);
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(kViewLabels[i]);
    label->setObjectName(indexed("lblKoordinaten", i));
    auto* field = new QLineEdit(kDefaultViewTexts[i]);
    field->setObjectName(indexed("txtKoordinaten", i));
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &KurvalonPage::viewTextsEdited);
    txtKoordinaten_[i] = field;
    // Two columns: xmin, xmax, x-tic on the left; ymin, ymax, y-tic on the right.
    static constexpr int kRow[] = {0, 1, 0, 1, 2, 2};
    static constexpr int kColumn[] = {0, 0, 2, 2, 0, 2};
    int rowIndex = kRow[i], column = kColumn[i];
    grid->addWidget(label, rowIndex, column);
    grid->addWidget(field, rowIndex, column + 1);
  }
  return box;
}

QWidget* KurvalonPage::buildPaletteFrame() {
  QGroupBox* box = frame("fraFarbenGraph", QStringLiteral("Farbeinstellungen Graph"));
  auto* grid = new QGridLayout(box);
  for (int i = 0; i < kPaletteSize; ++i) {
    const PaletteEntry& entry = kDefaultPalette[i];
    auto* swatch = new Swatch(entry.swatch);
    swatch->setObjectName(indexed("picGraphFarben", i));
    auto* caption = new ClickableLabel(QString::fromUtf8(entry.caption));
    caption->setObjectName(indexed("lblGraphFarben", i));
    caption->setTextColor(entry.captionText);
    connect(swatch, &Swatch::clicked, this, [this, i] { emit swatchClicked(i); });
    connect(caption, &ClickableLabel::clicked, this, [this, i] { emit swatchClicked(i); });
    picGraphFarben_[i] = swatch;
    lblGraphFarben_[i] = caption;
    int column = (i / 5) * 2;  // curves on the left, the other colours on the right
    grid->addWidget(swatch, i % 5, column);
    grid->addWidget(caption, i % 5, column + 1);
  }
  return box;
}

QWidget* KurvalonPage::buildGridFrame() {
  QGroupBox* box = frame("fraGitter", QStringLiteral("Gitter"));
  auto* layout = new QGridLayout(box);
  chkGrid_ = new QCheckBox(QStringLiteral("Gitter zeichnen"));
  chkGrid_->setObjectName(QStringLiteral("chkGrid"));
  chkGrid_->setChecked(true);
  connect(chkGrid_, &QCheckBox::clicked, this, &KurvalonPage::appearanceChanged);
  layout->addWidget(chkGrid_, 0, 0, 1, 2);
  const QString captions[] = {QStringLiteral("- - -"), QStringLiteral("____")};
  for (int i = 0; i < 2; ++i) {
    optGitter_[i] = new QRadioButton(captions[i]);
    optGitter_[i]->setObjectName(indexed("optGitter", i));
    optGitter_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(optGitter_[i], &QRadioButton::clicked, this, &KurvalonPage::appearanceChanged);
    layout->addWidget(optGitter_[i], 1 + i, 0, 1, 2);
  }
  optGitter_[0]->setChecked(true);
  picFarbeGitter_ = new Swatch(kDefaultGridColor);
  picFarbeGitter_->setObjectName(QStringLiteral("picFarbeGitter"));
  connect(picFarbeGitter_, &Swatch::clicked, this, &KurvalonPage::gridColorClicked);
  auto* caption = new QLabel(QStringLiteral("Gitterfarbe"));
  caption->setObjectName(QStringLiteral("lblGridColor"));
  layout->addWidget(picFarbeGitter_, 3, 0);
  layout->addWidget(caption, 3, 1);
  return box;
}

QWidget* KurvalonPage::buildLineFrame() {
  QGroupBox* box = frame("Frame5", QStringLiteral("Linienstärke Graph"));
  auto* layout = new QGridLayout(box);
  for (int i = 0; i < 3; ++i) {
    optLine_[i] = new QRadioButton;
    optLine_[i]->setObjectName(indexed("optLine", i));
    optLine_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(optLine_[i], &QRadioButton::clicked, this, &KurvalonPage::lineWidthChosen);
    layout->addWidget(optLine_[i], i, 0);
    layout->addWidget(new LineSample(i + 1), i, 1);
  }
  optLine_[1]->setChecked(true);
  return box;
}

QWidget* KurvalonPage::buildCalculatorFrame() {
  QGroupBox* box = frame("Frame3", QStringLiteral("Funktionsrechner"));
  auto* layout = new QGridLayout(box);
  txtX_ = new QLineEdit;
  txtX_->setObjectName(QStringLiteral("txtX"));
  txtX_->installEventFilter(this);
  txtErgebnis_ = new QLineEdit;
  txtErgebnis_->setObjectName(QStringLiteral("txtErgebnis"));
  txtErgebnis_->setReadOnly(true);
  lblResult_ = new QLabel(QStringLiteral("f(x) ="));
  lblResult_->setObjectName(QStringLiteral("lblResult"));
  layout->addWidget(new QLabel(QStringLiteral("x =")), 0, 0);
  layout->addWidget(txtX_, 0, 1);
  layout->addWidget(lblResult_, 1, 0);
  layout->addWidget(txtErgebnis_, 1, 1);
  return box;
}

bool KurvalonPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == txtX_) {
    if (isEnter(key)) emit calculateRequested();
    return false;
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (!field ||
      std::find(txtKoordinaten_.begin(), txtKoordinaten_.end(), field) == txtKoordinaten_.end()) {
    return QWidget::eventFilter(watched, event);
  }
  if (isEnter(key)) {
    emit viewEntered();
    return false;
  }
  // Only typed characters are filtered; editing keys, arrows and shortcuts pass.
  if (key->text().size() != 1 || !key->text()[0].isPrint() ||
      (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    return false;
  }
  std::optional<QChar> accepted = filterViewFieldKey(key->text()[0], field->text());
  if (accepted && *accepted == key->text()[0]) return false;
  if (accepted) field->insert(QString(*accepted));
  return true;
}

ViewTexts KurvalonPage::viewTexts() const {
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = txtKoordinaten_[i]->text();
  return texts;
}

void KurvalonPage::setViewTexts(const ViewTexts& texts) {
  for (int i = 0; i < 6; ++i) txtKoordinaten_[i]->setText(texts[i]);
}

Appearance KurvalonPage::appearance() const {
  Appearance appearance;
  for (int i = 0; i < kPaletteSize; ++i) appearance.palette[i] = picGraphFarben_[i]->color();
  appearance.grid = chkGrid_->isChecked();
  appearance.gridDotted = optGitter_[0]->isChecked();
  appearance.gridColor = picFarbeGitter_->color();
  appearance.lineWidth = lineWidth();
  return appearance;
}

void KurvalonPage::showAppearance(const Appearance& shown) {
  for (int i = 0; i < kPaletteSize; ++i) {
    if (swatchColor(i) == shown.palette[i]) continue;
    // A caption takes its swatch's colour once chosen; the start colour brings its own back.
    const PaletteEntry& entry = kDefaultPalette[i];
    picGraphFarben_[i]->setColor(shown.palette[i]);
    lblGraphFarben_[i]->setTextColor(shown.palette[i] == entry.swatch ? entry.captionText
                                                                      : shown.palette[i]);
  }
  chkGrid_->setChecked(shown.grid);
  optGitter_[shown.gridDotted ? 0 : 1]->setChecked(true);
  picFarbeGitter_->setColor(shown.gridColor);
  optLine_[std::clamp(shown.lineWidth, 1, 3) - 1]->setChecked(true);
}

int KurvalonPage::lineWidth() const {
  for (int i = 0; i < 3; ++i) {
    if (optLine_[i]->isChecked()) return i + 1;
  }
  return 1;
}

QColor KurvalonPage::swatchColor(int index) const {
  return picGraphFarben_[index]->color();
}

void KurvalonPage::setSwatchColor(int index, const QColor& color) {
  picGraphFarben_[index]->setColor(color);
  lblGraphFarben_[index]->setTextColor(color);
}

QColor KurvalonPage::gridColor() const {
  return picFarbeGitter_->color();
}

void KurvalonPage::setGridColor(const QColor& color) {
  picFarbeGitter_->setColor(color);
}
