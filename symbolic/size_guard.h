#pragma once
// Refuses requests whose exact numbers would outgrow what the algebra system
// can compute within the time limit. Giac's big numbers live in GMP, which
// aborts the process when a number outgrows it and cannot be interrupted
// while it multiplies: such requests must never reach Giac.
//
// The estimate walks the parsed request. Every part gets an upper bound of
// the bits of the exact numbers it may produce (numerator and denominator),
// of its degree in the variables, and of the size of its value where it is a
// constant (what matters for an exponent). A variable that a request
// replaces by a number (SUBST, VALUE, the point of LIMIT, TAYLOR and
// definite integrals, an interval of SOLVE) counts with that number's size,
// so SUBST(x^1000,x,3) is x^1000 with 2-bit numbers: 2000 bits.

#include "symbolic/term.h"

namespace symbolic {

// Bits of a single exact number: 2^20, some 315,000 decimal digits. School
// terms stay far below (estimated: 1e300 1,000 bits, 2^1000 4,300, x^100 at
// 1.5 1,100).
inline constexpr double kMaxNumberBits = 1 << 20;
// Bits times degree, for expansions: (x+1)^n expanded has n+1 coefficients of
// up to n bits. Estimated: (x+1)^20 2,100, x^1000 10^6, (x+1)^5000 1.3*10^8.
inline constexpr double kMaxExpansion = 1 << 28;

// True if an exact number in the request may grow past these bounds.
bool tooLarge(const Node& request);

}  // namespace symbolic
