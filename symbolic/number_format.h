#pragma once
// How the engine writes and reads numbers: decimal point, at most 15
// significant digits, no trailing zeros, an exponent "E" with sign and at least
// two digits where the value needs one (2.66666666666667, -0.75, 1.5E-07).
// Independent of the process locale, which a GUI program sets to the user's.

#include <string>
#include <string_view>

namespace symbolic {

// The answer for a value that is not a real number (undefined, infinite, complex).
inline constexpr const char* kUndefined = "undef";

// Finite values only; callers answer kUndefined for the others.
std::string formatNumber(double value);

// Reads "[+-]digits[.digits][e[+-]digits]" completely; too large values give
// an infinity, too small ones zero, malformed text NaN.
double parseDecimal(std::string_view text);

}  // namespace symbolic
