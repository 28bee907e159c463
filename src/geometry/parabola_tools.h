#pragma once
// The calculators of parabolas: the vertex form a(x-xs)^2+ys turned into the
// normal form, and a x^2 + b x + c = 0 solved with the p,q formula, complex
// roots included, together with the vertex.

#include <QString>

#include "geometry/line_tools.h"

// E.g. a 2, xs 1, ys 3 give "2x^2-4,0x+5,0" (a stays as typed).
Outcome<QString> normalForm(const QString& a, const QString& xs, const QString& ys);

struct QuadraticSolution {
  QString x1, x2;      // the smaller root first; "re+imi" and "re-imi" when complex
  QString xs, ys;      // the vertex
  QString normalForm;  // the coefficients as typed, e.g. "1x^2-3x+2"
};
Outcome<QuadraticSolution> solveQuadratic(const QString& a, const QString& b, const QString& c);
