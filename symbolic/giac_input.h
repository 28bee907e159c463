#pragma once
// Parsed requests written as Giac input. Pure text work: Giac's headers are
// not needed here.

#include <string>
#include <unordered_map>

#include "symbolic/term.h"

namespace symbolic {

// How a FOURIER of the request is formed, decided by the backend before the
// request is evaluated; not listed means Simplified.
enum class FourierForm { Simplified, Normal, Undefined };
using FourierForms = std::unordered_map<const Node*, FourierForm>;

// The Giac input for a parsed term or request. Throws a std::runtime_error
// with a German message where it cannot be written.
std::string translate(const Node& node, const FourierForms* forms = nullptr);

// The side of a LIMIT with four arguments: 1 from the right, -1 from the left.
int limitSide(const Node& limit);

// The same, but empty with `error` set when a command is used wrongly (for
// instance SUBST with a number as its variable). For SOLVE, LIMIT, SIMPLIFY,
// FACTOR and VALUE, which the backend answers itself, only their arguments are
// checked and the command's name comes back.
std::string toGiacText(const Node& node, std::string& error);

}  // namespace symbolic
