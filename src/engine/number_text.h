#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Conversions between numbers and the texts a person reads or types: decimal comma, no thousands
// separator, E notation for very large or very small magnitudes.

// At most 7 significant digits, e.g. "2,5", "-0,001", "1,5E-07", "1E+07".
QString numberText(float value);
// At most 15 significant digits, e.g. "0,666666666666667", "1E+15".
QString numberText(double value);
// Up to `digits` significant digits in the shortest of plain and E notation
// ("0,333333", "1,5E+07"), as a table cell shows a value.
QString significantText(double value, int digits);
// For storing: like numberText(float), but with 8 or 9 significant digits where 7 would not read
// back as the same float, e.g. "-3,3333333" for the float nearest to -10/3.
QString exactNumberText(float value);

// Appends komma2point(numberText(value)) to an engine request: the same
// text, written without temporaries.
void appendRequestNumber(std::string& request, float value);
void appendRequestNumber(std::string& request, double value);

// Reads a typed number: optional blanks around, optional sign, digits with a decimal comma or a
// decimal point, optional exponent ("1,5E-07"). Anything else, and values that overflow, give
// std::nullopt. Values too small to represent become zero.
std::optional<double> parseNumber(const QString& text);
std::optional<float> parseSingle(const QString& text);
// The same for UTF-8 bytes, such as an engine answer.
std::optional<double> parseAnswerNumber(std::string_view text);

// The leading number of an engine answer, read the way BASIC's Val() reads a
// text: decimal point, "1.5E-07" gives 1.5e-7, "2*x" gives 2, "undef" and ""
// give 0.
double leadingNumber(const QString& text);

// Rounds to `decimals` places, a half going to the even neighbour. The half is judged on the
// value's 15-digit decimal text, so 2.675 counts as a half although the double lies just below it.
double roundHalfEven(double value, int decimals);

// The decimal digits of a finite value, rounded to a number of significant digits.
// value = (negative ? -1 : 1) * 0.<digits> * 10^pointPos.
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // first digit non-zero, no trailing zeros; empty for zero
  int pointPos = 0;
};

DecimalDigits decimalDigits(double value, int significant);

enum class HalfRounding { ToEven, AwayFromZero };

// Rounds to `decimals` places after the decimal point (negative: to tens, hundreds, ...).
void roundDecimalDigits(DecimalDigits& number, int decimals, HalfRounding half);
