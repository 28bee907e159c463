#pragma once
// Writes Giac values as terms a pupil can read and the engine can read back:
// x-x^3/6+x^5/120 rather than x-1/6*x^3+1/120*x^5, floats with 15 significant
// digits and "E" exponents.

#include <string>

namespace giac {
class gen;
class context;
}  // namespace giac

namespace symbolic {

std::string printTerm(const giac::gen& value, const giac::context* context);

// A real number (integer, fraction, float of any precision) as the nearest
// double; NaN for anything else.
double toDouble(const giac::gen& value, const giac::context* context);

}  // namespace symbolic
