#pragma once
// Asks the engine through its C interface, with room enough for any answer.

#include <string>
#include <vector>

#include "symbolic/symbolic.h"

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
