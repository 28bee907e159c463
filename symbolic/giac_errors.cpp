#include "symbolic/giac_errors.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace symbolic {
namespace {

struct Translation {
  std::string_view pattern;  // found anywhere in the message, ignoring case
  const char* german;
};

// First match wins: the series messages end in "Bad Argument Value", for instance.
constexpr std::array kTranslations = {
    Translation{"Integer_too_large", "Zahl zu groß"},
    Translation{"Overflow", "Zahl zu groß"},
    Translation{"too large", "Zahl zu groß"},
    Translation{"Division by 0", "Division durch null"},
    Translation{"division by zero", "Division durch null"},
    Translation{"recursion", "Rechnung zu tief verschachtelt"},
    Translation{"stack", "Rechnung zu tief verschachtelt"},
    Translation{"bad_alloc", "zu wenig Speicher"},
    Translation{"memory", "zu wenig Speicher"},
    Translation{"size limit", "Rechnung zu umfangreich"},
    Translation{"Max order", "Reihe zu lang"},
    Translation{"series", "keine Reihenentwicklung an dieser Stelle"},
    Translation{"Taylor", "keine Reihenentwicklung an dieser Stelle"},
    Translation{"limit", "kein Grenzwert bestimmbar"},
    Translation{"Unable to check sign", "Vorzeichen nicht bestimmbar"},
    Translation{"syntax", "Syntaxfehler"},
    Translation{"parse", "Syntaxfehler"},
    Translation{"Too many arguments", "zu viele Argumente"},
    Translation{"Too few arguments", "zu wenige Argumente"},
    Translation{"dimension", "unpassende Dimension"},
    Translation{"Argument", "ungültiges Argument"},
    Translation{"Undefined", "nicht definiert"},
};

bool containsIgnoringCase(std::string_view text, std::string_view pattern) {
  return std::search(text.begin(), text.end(), pattern.begin(), pattern.end(),
                     [](char a, char b) {
                       return std::tolower(static_cast<unsigned char>(a)) ==
                              std::tolower(static_cast<unsigned char>(b));
                     }) != text.end();
}

}  // namespace

std::string germanError(std::string_view giacMessage) {
  for (const Translation& translation : kTranslations) {
    if (containsIgnoringCase(giacMessage, translation.pattern)) return translation.german;
  }
  return "Rechnung fehlgeschlagen";
}

}  // namespace symbolic
