#pragma once
// Engine answers written as a pupil writes them: decimal comma, √, π, "·" for
// products, superscripts for powers, a positive term first (1 − x), a sum
// whose terms are all negative taken out as −(…) in a quotient. Every text
// comes in two renderings: plain Unicode (console, clipboard) and HTML (the
// page and its printout).
//
// The module also reads the structure of a term that the analysis needs:
// where it is not defined, and whether it is a polynomial.

#include <QList>
#include <QString>

#include "engine/requests.h"

struct RichText {
  QString plain;
  QString html;

  // Words as they stand (escaped for HTML).
  static RichText words(const QString& text);
  RichText& operator+=(const RichText& other);
  friend RichText operator+(RichText a, const RichText& b) { return a += b; }
  bool isEmpty() const { return plain.isEmpty(); }
};

// A term in engine notation in school notation; a text the reader does not
// understand keeps its letters, with the decimal comma.
RichText schoolTerm(const EngineTerm& term);
// A number rounded to `decimals` places, trailing zeros dropped: "2,414", "−4".
QString schoolNumber(double value, int decimals = 3);
// A named point, "TP1(−√3 | −4) ≈ (−1,732 | −4)": exact coordinates first
// and the approximation where one is not a plain number; "N1 ≈ (1,167 | 0)"
// when x is only known numerically (empty).
RichText pointText(const QString& name, const EngineTerm& x, double xValue, const EngineTerm& y,
                   double yValue);
// True for an integer or a decimal such as 2.5 or -0.125: a value that needs
// no approximation beside it.
bool isPlainNumber(const EngineTerm& term);

// The conditions under which a term has a real value, read from its parts:
// denominators ≠ 0, logarithm arguments > 0, arguments of even roots ≥ 0.
struct DomainConditions {
  QList<EngineTerm> nonZero;
  QList<EngineTerm> positive;
  QList<EngineTerm> nonNegative;
  bool readable = true;  // false when the term could not be read
};
DomainConditions domainConditions(const EngineTerm& term);

// A polynomial in x: sums, products, integer powers of x and numbers only.
bool isPolynomial(const EngineTerm& term);
// The factors of a product that hold x, "x*(x-2)*exp(x)" as x, x-2, exp(x);
// the term itself when it is no product.
QList<EngineTerm> factorsWithX(const EngineTerm& term);
// For a power of x or x itself, its exponent (x^3: 3); 0 otherwise.
int powerOfX(const EngineTerm& term);
// The base of a positive integer power, (x^2-1)^2 as x^2-1; the term itself otherwise.
EngineTerm powerBase(const EngineTerm& term);
// The single letters of a term other than x, e and y, in alphabetical order
// (a family's parameters); empty when the term cannot be read.
QList<QChar> parameterLetters(const EngineTerm& term);
