#pragma once
// The computer-algebra side of the engine: evaluates a parsed request with Giac
// and writes the answer. Giac's own headers stay inside the .cpp files.

#include <chrono>
#include <memory>
#include <string>

#include "symbolic/term.h"

namespace symbolic {

class GiacBackend {
 public:
  GiacBackend();
  ~GiacBackend();

  std::string answer(const Node& request);
  void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }

 private:
  struct State;
  std::unique_ptr<State> state_;
  std::chrono::milliseconds timeLimit_{5000};
};

}  // namespace symbolic
