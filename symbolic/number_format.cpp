#include "symbolic/number_format.h"

#include <charconv>
#include <cmath>

namespace symbolic {

std::string formatNumber(double value) {
  if (value == 0) return "0";  // also -0
  char buffer[40];
  auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
  std::string text(buffer, end);
  if (size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

double parseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  double value = NAN;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (end != text.data() + text.size() || text.empty()) return NAN;
  if (error == std::errc::result_out_of_range) {
    size_t e = text.find_first_of("eE");
    bool tiny = e != std::string_view::npos && text.substr(e + 1).starts_with('-');
    value = tiny ? 0.0 : INFINITY;
  } else if (error != std::errc()) {
    return NAN;
  }
  return negative ? -value : value;
}

}  // namespace symbolic
