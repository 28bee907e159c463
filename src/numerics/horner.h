#pragma once
// The complete Horner scheme of a polynomial at x0: the scheme once for the
// polynomial and again on each remaining row, giving f(x0), f'(x0)/1!, ...
// All arithmetic in single precision.

#include <QString>
#include <QStringList>
#include <vector>

struct HornerCell {
  int row, col;
  QString text;
  enum class Look { Plain, X0, Label } look = Look::Plain;  // x0 on white, labels in red
};

struct HornerResult {
  std::vector<HornerCell> cells;  // in the order they are written
  bool failed = false;            // a coefficient or x0 that is not a number
};

// `coefficients` are the texts of row 1, highest power first (an empty text
// counts as 0); `x0Text` as typed. Degree n = coefficients.size() - 1.
// The table has 2n + 4 rows and n + 3 columns. On a text that is no number
// (or beyond single precision) the cells computed before it are kept and
// `failed` is set.
HornerResult hornerScheme(const QStringList& coefficients, const QString& x0Text);

// "= f''(2)/2!": the label of block i (1-based) for x0 as number text.
QString hornerLabel(int block, const QString& x0Text);
