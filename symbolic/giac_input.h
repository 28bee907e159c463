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

// The same, but empty with `error` set when a command is used wrongly (for
// instance SUBST with a number as its variable).
std::string toGiacText(const Node& node, std::string& error);

}  // namespace symbolic
