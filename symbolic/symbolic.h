#ifndef KURVALON_SYMBOLIC_H
#define KURVALON_SYMBOLIC_H
/* The symbolic engine's C interface.
 *
 * symbolic_calculate answers one request text, for example
 * "APPROX(SUBST(x^2-2x,x,1.5))" -> "-0.75" or "diff(x^2-2x,x)" -> "2*x-2".
 * Numbers in requests are read as exact decimals; numeric answers have at most
 * 15 significant digits, a decimal point and an exponent "E" where needed.
 * Anything without a real value answers "undef", a faulty request answers a
 * text beginning with "Fehler:". Trailing blanks of the request are ignored.
 *
 * The analysis tools' requests (README, "Trying the engine by hand"):
 * SOLVE(lhs=rhs,x) and SOLVE(lhs=rhs,x,a,b) -> "[-sqrt(2)+1,sqrt(2)+1]", a list
 * of the real solutions in ascending order, "~0.739085133215161" for a numeric
 * one, "pi/6+2*k*pi" for a family (k any integer); LIMIT(term,x,point) and
 * LIMIT(term,x,point,1 or -1) -> the limit, "inf", "-inf" or "undef" (point may
 * be inf or -inf); SIMPLIFY(term); FACTOR(term); VALUE(term,x,point) -> the
 * exact value or "undef". Exact numbers too large to compute in time answer
 * "Fehler: Zahl zu groß" before the algebra system sees them.
 *
 * Return value: the length of the answer, which is written with a terminating
 * zero into `answer`. When the answer does not fit into `capacity` bytes
 * (length + 1 > capacity) nothing but an empty string is written and the
 * result is the answer's length negated: ask again with a larger buffer, and
 * the same request is then answered at once from the kept answer.
 * Never throws, never writes past `capacity`, and interrupts requests that run
 * longer than the time limit (answering "Fehler: Zeitlimit überschritten").
 * One call at a time. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SYMBOLIC_EXPORT __attribute__((visibility("default")))

SYMBOLIC_EXPORT int32_t symbolic_calculate(char* request, char* answer, int32_t capacity);

/* Time limit of a single request in milliseconds (default 5000). */
SYMBOLIC_EXPORT void symbolic_set_time_limit(int32_t milliseconds);

/* 0 sends every request to the algebra system, also evaluations of a term at a
 * point; for comparisons in tests and benchmarks. Default 1. */
SYMBOLIC_EXPORT void symbolic_set_fast_path(int32_t enabled);

#ifdef __cplusplus
}
#endif

#endif
