#pragma once
// The value table of a term: x from "von" to "bis" in steps, with f(x),
// f'(x) and f''(x), the derivatives formed by the engine.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "engine/engine.h"

// The fields as typed: the term and three numbers with the decimal comma.
struct ValueTableFields {
  QString term, von, bis, schritt;
};

struct ValueRow {
  double x = 0;
  std::optional<double> f, f1, f2;  // nullopt: no value there
};

inline constexpr int kMaxValueRows = 10000;
inline const QStringList kValueTableHeadings = {QStringLiteral("x"), QStringLiteral("f(x)"),
                                                QStringLiteral("f'(x)"), QStringLiteral("f''(x)")};

// The rows, x = von + k·step up to bis (the last one exactly bis when it
// falls on a step), or the message that refuses the fields.
std::variant<QList<ValueRow>, QString> Wertetabelle(Engine& engine, const ValueTableFields& fields);

// A cell: up to 6 significant digits with the decimal comma, "nicht
// definiert" where there is no value.
QString valueCellText(std::optional<double> value);
QStringList valueRowTexts(const ValueRow& row);

// The table as a spreadsheet takes it: the headings, then one line per row,
// cells separated by tabs.
QString valueTableText(const QList<ValueRow>& rows);
