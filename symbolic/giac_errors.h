#pragma once
// Giac's failures in German: the engine's answers never carry an English word.

#include <string>
#include <string_view>

namespace symbolic {

// The German text, without "Fehler: ", for one of Giac's own error messages
// (an exception's text or an error value). Unknown messages give a general
// text rather than passing the English through.
std::string germanError(std::string_view giacMessage);

}  // namespace symbolic
