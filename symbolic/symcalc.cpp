// symcalc: try the symbolic engine by hand. Each line of standard input is one
// request and gets one line of answer; a request given as arguments is
// answered alone.
#include <iostream>
#include <string>
#include <vector>

#include "symbolic/symbolic.h"

namespace {

std::string ask(std::string request) {
  std::vector<char> answer(200);
  int32_t length = symbolic_calculate(request.data(), answer.data(), answer.size());
  if (length < 0) {
    answer.resize(static_cast<size_t>(-length) + 1);
    length = symbolic_calculate(request.data(), answer.data(), answer.size());
  }
  return std::string(answer.data(), length > 0 ? length : 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::string request;
    for (int i = 1; i < argc; ++i) request += (i > 1 ? " " : "") + std::string(argv[i]);
    std::cout << ask(request) << '\n';
    return 0;
  }
  std::string line;
  while (std::getline(std::cin, line)) std::cout << ask(line) << std::endl;
  return 0;
}
