#include "documents/recovery_file.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "documents/save_file.h"

namespace {

constexpr int kSlots = 64;
const QString kKind = QStringLiteral("kurvalon-recovery");

QJsonValue colorValue(const QColor& color) {
  return color.name(QColor::HexRgb);
}

std::optional<QColor> colorOf(const QJsonValue& value) {
  QColor color = QColor::fromString(value.toString());
  if (!value.isString() || !color.isValid()) return std::nullopt;
  return color;
}

}  // namespace

QByteArray writeRecovery(const RecoveredSheet& sheet) {
  QJsonArray view, terms, palette, labels;
  for (float number : sheet.view) view.append(static_cast<double>(number));
  for (const QString& term : sheet.terms) terms.append(term);
  for (const QColor& color : sheet.appearance.palette) palette.append(colorValue(color));
  for (const SheetLabel& label : sheet.labels) {
    labels.append(QJsonObject{{QStringLiteral("text"), label.text},
                              {QStringLiteral("color"), colorValue(label.color)},
                              {QStringLiteral("shown"), label.shown}});
  }
  QJsonObject root{{QStringLiteral("kind"), kKind},
                   {QStringLiteral("version"), 1},
                   {QStringLiteral("view"), view},
                   {QStringLiteral("terms"), terms},
                   {QStringLiteral("palette"), palette},
                   {QStringLiteral("grid"), sheet.appearance.grid},
                   {QStringLiteral("gridDotted"), sheet.appearance.gridDotted},
                   {QStringLiteral("gridColor"), colorValue(sheet.appearance.gridColor)},
                   {QStringLiteral("lineWidth"), sheet.appearance.lineWidth},
                   {QStringLiteral("labels"), labels}};
  if (!sheet.parameters.isEmpty()) {
    QJsonArray parameters;
    for (const Parameter& p : sheet.parameters) {
      parameters.append(QJsonObject{{QStringLiteral("letter"), QString(p.letter)},
                                    {QStringLiteral("value"), p.value},
                                    {QStringLiteral("from"), p.from},
                                    {QStringLiteral("to"), p.to},
                                    {QStringLiteral("step"), p.step}});
    }
    root.insert(QStringLiteral("parameters"), parameters);
  }
  if (!sheet.steckbrief.isEmpty()) {
    root.insert(QStringLiteral("steckbrief"),
                QJsonObject{{QStringLiteral("degree"), sheet.steckbrief.degree},
                            {QStringLiteral("conditions"),
                             QJsonArray::fromStringList(sheet.steckbrief.conditions)}});
  }
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<RecoveredSheet> readRecovery(const QByteArray& bytes) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject root = document.object();
  if (root.value(QStringLiteral("kind")).toString() != kKind ||
      root.value(QStringLiteral("version")).toInt() != 1) {
    return std::nullopt;
  }
  RecoveredSheet sheet;
  const QJsonArray view = root.value(QStringLiteral("view")).toArray();
  const QJsonArray palette = root.value(QStringLiteral("palette")).toArray();
  const QJsonArray labels = root.value(QStringLiteral("labels")).toArray();
  const QJsonValue lineWidth = root.value(QStringLiteral("lineWidth"));
  if (view.size() != 6 || palette.size() != kPaletteSize || labels.size() != 2 ||
      !root.value(QStringLiteral("terms")).isArray() || !lineWidth.isDouble() ||
      lineWidth.toInt() < 1 || lineWidth.toInt() > 3) {
    return std::nullopt;
  }
  for (int i = 0; i < 6; ++i) {
    if (!view[i].isDouble()) return std::nullopt;
    sheet.view[i] = static_cast<float>(view[i].toDouble());
  }
  for (const QJsonValue& term : root.value(QStringLiteral("terms")).toArray()) {
    if (!term.isString()) return std::nullopt;
    sheet.terms << term.toString();
  }
  for (int i = 0; i < kPaletteSize; ++i) {
    std::optional<QColor> color = colorOf(palette[i]);
    if (!color) return std::nullopt;
    sheet.appearance.palette[i] = *color;
  }
  std::optional<QColor> gridColor = colorOf(root.value(QStringLiteral("gridColor")));
  if (!gridColor) return std::nullopt;
  sheet.appearance.gridColor = *gridColor;
  sheet.appearance.grid = root.value(QStringLiteral("grid")).toBool(true);
  sheet.appearance.gridDotted = root.value(QStringLiteral("gridDotted")).toBool(true);
  sheet.appearance.lineWidth = lineWidth.toInt();
  for (int i = 0; i < 2; ++i) {
    const QJsonObject label = labels[i].toObject();
    std::optional<QColor> color = colorOf(label.value(QStringLiteral("color")));
    if (!color) return std::nullopt;
    sheet.labels[i] = SheetLabel{label.value(QStringLiteral("text")).toString(), *color,
                                 label.value(QStringLiteral("shown")).toBool()};
  }
  for (const QJsonValue& value : root.value(QStringLiteral("parameters")).toArray()) {
    const QJsonObject object = value.toObject();
    const QString letter = object.value(QStringLiteral("letter")).toString();
    Parameter p;
    double* fields[] = {&p.value, &p.from, &p.to, &p.step};
    const char* names[] = {"value", "from", "to", "step"};
    for (int i = 0; i < 4; ++i) {
      const QJsonValue field = object.value(QLatin1String(names[i]));
      if (!field.isDouble()) return std::nullopt;
      *fields[i] = field.toDouble();
    }
    if (letter.size() != 1 || !letter.front().isLetter() || !(p.from < p.to) || !(p.step > 0)) {
      return std::nullopt;
    }
    p.letter = letter.front();
    storeParameter(sheet.parameters, p);
  }
  if (root.contains(QStringLiteral("steckbrief"))) {
    const QJsonObject task = root.value(QStringLiteral("steckbrief")).toObject();
    const int degree = task.value(QStringLiteral("degree")).toInt(-1);
    if (degree < kMinDegree || degree > kMaxDegree) return std::nullopt;
    sheet.steckbrief.degree = degree;
    for (const QJsonValue& condition : task.value(QStringLiteral("conditions")).toArray()) {
      if (!condition.isString()) return std::nullopt;
      sheet.steckbrief.conditions << condition.toString();
    }
  }
  return sheet;
}

RecoveryFile::RecoveryFile(const QString& folder) {
  QDir().mkpath(folder);
  auto file = [&](int slot) {
    return QDir(folder).filePath(QStringLiteral("recovery-%1.json").arg(slot));
  };
  auto take = [&](int slot) {
    auto lock = std::make_unique<QLockFile>(
        QDir(folder).filePath(QStringLiteral("recovery-%1.lock").arg(slot)));
    // A running program holds its slot however long it runs; only a lock
    // whose program is gone counts as stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    lock_ = std::move(lock);
    path_ = file(slot);
    return true;
  };
  for (int slot = 1; slot <= kSlots && !lock_; ++slot) {
    if (QFile::exists(file(slot)) && take(slot)) {
      QFile left(path_);
      leftOver_ = left.open(QIODevice::ReadOnly) ? left.readAll() : QByteArray();
    }
  }
  for (int slot = 1; slot <= kSlots && !lock_; ++slot) take(slot);
}

RecoveryFile::~RecoveryFile() = default;

bool RecoveryFile::write(const QByteArray& bytes) {
  return claimed() && saveFile(path_, bytes).isEmpty();
}

void RecoveryFile::remove() {
  if (claimed()) QFile::remove(path_);
}
