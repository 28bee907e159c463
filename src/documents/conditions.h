#pragma once
// A reconstruction task ("Steckbriefaufgabe") as a sheet keeps it: the degree
// of the polynomial sought and the conditions as the pupil typed them.

#include <QString>
#include <QStringList>
#include <optional>

struct SteckbriefTask {
  int degree = 3;  // 1 to 6
  QStringList conditions;

  bool isEmpty() const { return conditions.isEmpty(); }
  bool operator==(const SteckbriefTask&) const = default;
};

inline constexpr int kMinDegree = 1;
inline constexpr int kMaxDegree = 6;

// A condition in a line of Latin-1 text and back: characters beyond Latin-1
// ("−", "′") as \uXXXX, a backslash as \\. nullopt for a broken escape.
QString escapedCondition(const QString& condition);
std::optional<QString> unescapedCondition(const QString& line);
