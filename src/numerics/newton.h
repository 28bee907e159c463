#pragma once
// Newton's interpolation polynomial through a value table, written as a term
// a pupil can read and the function field accepts:
// 2+1,0*(x-1,0)-0,667*(x-1,0)*(x-2,0).

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct NewtonPolynomial {
  QString term;
  std::vector<double> coefficients;  // c0 (the first y value) to cn
};

// The points' x and y texts as typed. nullopt for an x or y text that is no
// number, an empty y, or two x values that are equal in single precision.
std::optional<NewtonPolynomial> newtonPolynomial(const QStringList& xs, const QStringList& ys);
