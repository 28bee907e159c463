#pragma once
// Asking the engine through its C interface, as the program does.

#include <cstdint>
#include <string>
#include <vector>

#include "symbolic/number_format.h"
#include "symbolic/symbolic.h"

// The answer to a request, fetched whole whatever its length.
inline std::string ask(const std::string& request) {
  std::string text = request;
  std::vector<char> answer(200);
  int32_t length = symbolic_calculate(text.data(), answer.data(), answer.size());
  if (length < 0) {
    answer.resize(static_cast<size_t>(-length) + 1);
    length = symbolic_calculate(text.data(), answer.data(), answer.size());
  }
  return std::string(answer.data(), length > 0 ? length : 0);
}

// The answer read as a number; NaN for anything else.
inline double value(const std::string& request) {
  return symbolic::parseDecimal(ask(request));
}

inline bool isError(const std::string& answer) {
  return answer.rfind("Fehler: ", 0) == 0;
}
