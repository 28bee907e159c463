#include "symbolic/symbolic.h"

#include <cstring>
#include <mutex>
#include <string>

#include "symbolic/calculator.h"

namespace {

// The library's one engine, made on first use and never destroyed: its
// watchdog thread then never ends while the process exits (a thread ending
// there races with the leak checker's stop of all threads, and the algebra
// system's own globals may already be gone). Its last answer is kept so that
// a request repeated with a larger buffer is not computed twice.
struct Engine {
  std::mutex mutex;
  symbolic::Calculator calculator;
  std::string lastRequest;
  std::string lastAnswer;
};

Engine& engine() {
  static Engine* instance = new Engine;
  return *instance;
}

}  // namespace

int32_t symbolic_calculate(char* request, char* answer, int32_t capacity) {
  try {
    Engine& e = engine();
    std::lock_guard lock(e.mutex);
    const char* text = request ? request : "";
    if (e.lastRequest.empty() || e.lastRequest != text) {
      e.lastRequest.assign(text);  // keeps its buffer from call to call
      e.lastAnswer = e.calculator.answer(e.lastRequest);
    }
    const std::string& result = e.lastAnswer;
    int32_t length = static_cast<int32_t>(std::min<size_t>(result.size(), INT32_MAX - 1));
    if (answer == nullptr || capacity <= length) {
      if (answer != nullptr && capacity > 0) answer[0] = '\0';
      return -length;
    }
    std::memcpy(answer, result.data(), length);
    answer[length] = '\0';
    return length;
  } catch (...) {
    if (answer != nullptr && capacity > 0) answer[0] = '\0';
    return 0;
  }
}

void symbolic_set_time_limit(int32_t milliseconds) {
  Engine& e = engine();
  std::lock_guard lock(e.mutex);
  e.calculator.setTimeLimit(std::chrono::milliseconds(milliseconds > 0 ? milliseconds : 1));
  e.lastRequest.clear();
}

void symbolic_set_fast_path(int32_t enabled) {
  Engine& e = engine();
  std::lock_guard lock(e.mutex);
  e.calculator.setFastPath(enabled != 0);
  e.lastRequest.clear();
}
