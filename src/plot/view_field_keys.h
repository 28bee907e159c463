#pragma once
// What a typed character does in a view field: only digits, one comma (a
// point becomes one) and one minus sign get in.

#include <QChar>
#include <QString>
#include <optional>

// The character to insert, or nullopt when the key is refused.
std::optional<QChar> filterViewFieldKey(QChar typed, const QString& fieldText);
