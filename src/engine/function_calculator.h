#pragma once
// The function calculator: f at a typed x, rounded to two decimals.

#include <QString>

#include "engine/messages.h"

class Engine;

struct CalculatorResult {
  bool termMissing = false;  // nothing computed; the window shows kMissingTermMessage
  QString caption;           // "f(1,5) = "
  QString result;            // "-0,75", or kUndefinedText
};

inline const QString kMissingTermMessage =
    QStringLiteral("Sie haben noch keine Funktionsgleichung eingegeben!");

// `term` is the text of the function entry field, `xText` that of the x field;
// neither is changed.
CalculatorResult calculate(Engine& engine, const QString& term, const QString& xText);
