// Fuzzes the symbolic engine through its C interface and checks the call
// contract of symbolic_calculate (symbolic/symbolic.h):
//  - nothing is written past `capacity`, with capacity <= 0 nothing at all;
//  - an answer that fits is zero-terminated and its length is the result;
//  - an answer that does not fit leaves an empty string (capacity > 0) and
//    returns its length negated; asked again with room for exactly that
//    length, the same request gives an answer of that length, and with one
//    byte less it is refused again.
// Input: the first byte chooses the capacity (below 128: that many bytes, 128
// to 254: 128 + 64 steps, 255: -1), the rest is the request text. A request
// text "#<c><term>" is <term> put into the request form that <c> chooses
// (kForms), so the fuzzer spends its time in terms rather than in the forms'
// spelling. The answers of SOLVE are lists or failures, those of LIMIT and
// VALUE no lists. The engine
// keeps its default time limit of 5 s; run libFuzzer with a longer -timeout so
// that a request the limit fails to stop shows up as a hang.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "symbolic/symbolic.h"

namespace {

constexpr size_t kGuard = 64;
constexpr char kCanary = '\x5A';

[[noreturn]] void broken(const char* what, const std::string& request, int32_t capacity,
                         int32_t result) {
  std::fprintf(stderr,
               "symbolic_calculate contract broken: %s\n  capacity %d, result %d\n  request: %s\n",
               what, capacity, result, request.c_str());
  __builtin_trap();
}

int32_t capacityFor(uint8_t selector) {
  if (selector < 128) return selector;
  if (selector < 255) return 128 + (selector - 128) * 64;
  return -1;
}

struct Call {
  int32_t result = 0;
  std::vector<char> buffer;  // capacity bytes, then the guard
};

// One call with a buffer of `capacity` bytes followed by a guard region, all
// filled with a canary. Checks what holds for every call.
Call call(std::string& request, int32_t capacity) {
  const size_t room = capacity > 0 ? static_cast<size_t>(capacity) : 0;
  Call c;
  c.buffer.assign(room + kGuard, kCanary);
  c.result = symbolic_calculate(request.data(), c.buffer.data(), capacity);
  for (size_t i = room; i < c.buffer.size(); ++i) {
    if (c.buffer[i] != kCanary) broken("wrote past capacity", request, capacity, c.result);
  }
  if (c.result >= 0 && capacity > c.result) {
    // Fits: zero-terminated, length as returned.
    const size_t length = static_cast<size_t>(c.result);
    if (c.buffer[length] != '\0') broken("answer not zero-terminated", request, capacity, c.result);
    if (std::strlen(c.buffer.data()) != length) {
      broken("strlen differs from the result", request, capacity, c.result);
    }
    return c;
  }
  // Does not fit: the negated length, an empty string and nothing else.
  if (c.result > 0) broken("positive result without room for it", request, capacity, c.result);
  if (room > 0 && c.buffer[0] != '\0') {
    broken("refused answer leaves no empty string", request, capacity, c.result);
  }
  for (size_t i = room > 0 ? 1 : 0; i < room; ++i) {
    if (c.buffer[i] != kCanary) broken("refused answer wrote more", request, capacity, c.result);
  }
  if (capacity > 0 && static_cast<int64_t>(-c.result) + 1 <= capacity) {
    broken("refused an answer that fits", request, capacity, c.result);
  }
  return c;
}

// The request forms of the analysis tools and the ways into big numbers;
// %s stands for the term.
constexpr const char* kForms[] = {
    "SOLVE(%s,x)",         "SOLVE(%s=1,x)",
    "SOLVE(%s,x,-3,3)",    "SOLVE(%s,x,-2*pi,2*pi)",
    "SOLVE(%s,x,0,1/100)", "LIMIT(%s,x,0)",
    "LIMIT(%s,x,0,1)",     "LIMIT(%s,x,0,-1)",
    "LIMIT(%s,x,inf)",     "LIMIT(%s,x,-inf)",
    "LIMIT(%s,x,pi/2,-1)", "SIMPLIFY(%s)",
    "FACTOR(%s)",          "VALUE(%s,x,1+sqrt(2))",
    "VALUE(%s,x,0)",       "SUBST(%s,x,10^9)",
    "SUBST(%s,x,1e300)",   "diff(%s,x)",
    "INT(%s,x,0,3)",       "TAYLOR(%s,x,3,5)",
    "APPROX(%s)",          "FOURIER(%s,x,0,3,2)",
    "SUBST(x^(%s),x,3)",   "SIMPLIFY((x+1)^(%s))",
};

std::string formRequest(const std::string& text) {
  if (text.size() < 2 || text[0] != '#') return text;
  const std::string form = kForms[static_cast<unsigned char>(text[1]) % std::size(kForms)];
  const size_t at = form.find("%s");
  return form.substr(0, at) + text.substr(2) + form.substr(at + 2);
}

void checkShape(const std::string& request, const Call& c) {
  if (c.result <= 0) return;
  const std::string answer(c.buffer.data(), static_cast<size_t>(c.result));
  if (answer.rfind("Fehler: ", 0) == 0) return;
  const bool list = answer.front() == '[' && answer.back() == ']';
  if (request.rfind("SOLVE(", 0) == 0 && !list)
    broken("SOLVE answers no list", request, 0, c.result);
  if ((request.rfind("LIMIT(", 0) == 0 || request.rfind("VALUE(", 0) == 0) && list) {
    broken("a list for a single value", request, 0, c.result);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int32_t capacity = capacityFor(data[0]);
  // A C string ends at its first zero byte, whatever follows.
  std::string request(reinterpret_cast<const char*>(data + 1), size - 1);
  request.resize(std::strlen(request.c_str()));
  request = formRequest(request);

  const Call first = call(request, capacity);
  const bool fitted = first.result >= 0 && capacity > first.result;
  const int32_t length = fitted ? first.result : -first.result;
  if (length < 0) broken("negative length", request, capacity, first.result);

  // With exactly enough room: the whole answer, the same as a fitting first call.
  const Call whole = call(request, length + 1);
  if (whole.result != length)
    broken("re-ask gives another length", request, length + 1, whole.result);
  if (fitted && std::strcmp(whole.buffer.data(), first.buffer.data()) != 0) {
    broken("re-ask gives another answer", request, length + 1, whole.result);
  }
  checkShape(request, whole);

  // One byte less is refused again, whatever was asked before.
  const Call shorter = call(request, length);
  if (shorter.result != -length) {
    broken("an answer without room for its zero is not refused", request, length, shorter.result);
  }
  return 0;
}
