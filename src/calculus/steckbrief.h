#pragma once
// Reconstruction of a polynomial from conditions (Steckbriefaufgaben): the
// conditions are read from school notation ("HP(1 | 2)", "f''(0) = 0",
// "Tangente y = 2x − 1 bei x = 1", "achsensymmetrisch"), turned into linear
// equations for the coefficients a, b, c, … of the general polynomial and
// solved exactly with fractions.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

// Thrown when a numerator or denominator leaves the 64-bit range.
struct FractionOverflow : std::overflow_error {
  FractionOverflow() : std::overflow_error("fraction overflow") {}
};

// An exact rational number, always normalised: den > 0, gcd(num, den) = 1.
struct Fraction {
  std::int64_t num = 0;
  std::int64_t den = 1;

  Fraction() = default;
  Fraction(std::int64_t integer) : num(integer) {        // NOLINT: integers are fractions
    if (integer == INT64_MIN) throw FractionOverflow();  // its negation would not fit
  }
  Fraction(std::int64_t numerator, std::int64_t denominator);

  bool isZero() const { return num == 0; }
  bool isInteger() const { return den == 1; }
  double toDouble() const { return double(num) / double(den); }

  friend Fraction operator+(const Fraction& a, const Fraction& b);
  friend Fraction operator-(const Fraction& a, const Fraction& b);
  friend Fraction operator*(const Fraction& a, const Fraction& b);
  friend Fraction operator/(const Fraction& a, const Fraction& b);
  friend Fraction operator-(const Fraction& a) { return Fraction(0) - a; }
  friend bool operator==(const Fraction& a, const Fraction& b) {
    return a.num == b.num && a.den == b.den;
  }
};

// "3/4", "−3/4", "−2", "0".
QString fractionText(const Fraction& value);
// The German message shown when a calculation leaves the number range.
QString overflowMessage();

// "f(x) = a·x³ + b·x² + c·x + d"; degree 1 to 6.
QString generalPolynomial(int degree);
// The name of the coefficient in `column` (0 = highest power): 'a', 'b', …
QChar coefficientName(int column);

// One linear equation for the coefficients, highest power first.
struct LinearEquation {
  std::vector<Fraction> coefficients;
  Fraction right;
};

// What a condition states about f, for checking a result against it.
struct ConditionFact {
  enum class Kind { Value, EvenSymmetry, OddSymmetry };
  Kind kind = Kind::Value;
  int derivative = 0;  // Value: f^(derivative)(x) = y
  Fraction x;
  Fraction y;
  bool decimals = false;  // the numbers were typed as decimals and are shown so
};

struct ConditionReading {
  QList<LinearEquation> equations;  // empty with `error` set when the text cannot be read
  QList<ConditionFact> facts;
  QString label;           // the condition in school notation, "HP(1 | 2)", "f′(1) = 0"
  QString error;           // German, naming the place where reading failed
  int errorPosition = -1;  // index into the text
};

ConditionReading readCondition(const QString& text, int degree);

// "a + b + c + d = 2", "3a + 2b + c = 0", "d = 0".
QString equationText(const LinearEquation& equation, int degree);
// "f(x) = −x³ + 3x": zero terms left out, coefficients 1 and −1 as x³ and −x³.
QString polynomialText(const std::vector<Fraction>& coefficients);
// The same polynomial as the entry field takes it: "-x^3+3*x", "(3/8)*x^5-(5/4)*x^3".
QString polynomialTerm(const std::vector<Fraction>& coefficients);
// "f′(1)" for derivative 1 at x = 1; with `decimals` "f′(0,5)" rather than "f′(1/2)".
QString derivativeAt(int derivative, const Fraction& x, bool decimals = false);

struct Reconstruction {
  std::optional<std::vector<Fraction>> coefficients;  // set when the conditions fix f
  QString function;                                   // "f(x) = −x³ + 3x"
  QStringList checks;                                 // one line per condition: "f′(1) = 0 ✓"
  QString message;  // why f is not fixed (missing or contradictory conditions, reading errors)
  QString family;   // under-determined: f with the free coefficients kept as letters
  int missing = 0;  // how many conditions are missing (the rank deficit)
  QList<int> contradicting;  // 1-based numbers of conditions that cannot hold together
};

Reconstruction Steckbrief(const QStringList& conditions, int degree);

// The square system for the Gauss tab: n + 1 rows of n + 2 cells (coefficients, right side)
// whose elimination without row exchanges never meets a zero pivot. Cells are decimal texts
// with a comma as parseNumber reads them ("0,5", "-2"). When the conditions do not fix f the
// matrix is empty and `message` says why.
struct GaussHandover {
  std::vector<std::vector<QString>> matrix;
  QString message;
};

GaussHandover gaussSystem(const QStringList& conditions, int degree);
