#pragma once
// Answers engine requests. Evaluations of a term at a point,
// APPROX(SUBST(term,x,number)), are answered from a compiled form of the term,
// kept by its text; so are those of a family's member,
// APPROX(SUBST(SUBST(term,t,number),x,number)), whose term is compiled once
// for every value of t. Everything else goes to the computer-algebra system.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "symbolic/giac_backend.h"
#include "symbolic/numeric.h"

namespace symbolic {

class Calculator {
 public:
  std::string answer(std::string_view request);

  void setTimeLimit(std::chrono::milliseconds limit) { backend_.setTimeLimit(limit); }
  // With the fast path off every request goes to the algebra system (for
  // comparisons in tests and benchmarks).
  void setFastPath(bool enabled) { fastPath_ = enabled; }

 private:
  std::optional<std::string> fastAnswer(std::string_view request);
  std::optional<std::string> constantAnswer(const Node& request);
  const std::optional<CompiledTerm>& compiled(std::string_view term,
                                              std::string_view parameter = {});
  struct Bound {
    std::string_view term, letter;
    double value;
  };
  static std::optional<Bound> boundParameter(std::string_view text);

  static constexpr size_t kCacheLimit = 4096;

  GiacBackend backend_;
  bool fastPath_ = true;
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using Cache =
      std::unordered_map<std::string, std::optional<CompiledTerm>, TextHash, std::equal_to<>>;
  Cache cache_;
  Cache familyCache_;      // keyed by "t:term"
  std::string familyKey_;  // reused, so a sample allocates nothing
};

// Reads the number forms the program sends: 1.5, -2.25, 1.5* 10 ^(-07), 1.5E-07.
std::optional<double> readRequestNumber(std::string_view text);

}  // namespace symbolic
