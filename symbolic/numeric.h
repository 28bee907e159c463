#pragma once
// A term compiled for fast evaluation with doubles.
//
// Graph drawing and the curve discussion evaluate one term at thousands of
// points; walking a small instruction list is some hundred times faster than
// asking the computer-algebra system each time. The compiled form follows the
// algebra system's rules for points without a real value (0^0, roots and
// logarithms of negative numbers, poles): those give NaN or an infinity.

#include <optional>
#include <string_view>
#include <vector>

#include "symbolic/term.h"

namespace symbolic {

class CompiledTerm {
 public:
  // nullopt if the term uses anything but `variable`, pi, e, numbers, the
  // arithmetic operators and the elementary functions.
  static std::optional<CompiledTerm> compile(const Node& term, std::string_view variable);

  double evaluate(double x) const;

 private:
  enum class Op : unsigned char {
    Constant,
    Variable,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Negate,
    Function
  };
  struct Instruction {
    Op op;
    double value = 0;                      // Constant
    double (*function)(double) = nullptr;  // Function
  };

  bool emit(const Node& node, std::string_view variable, int& depth);

  std::vector<Instruction> code_;
  int stackSize_ = 0;
};

// Reads a decimal literal as the nearest double (the literal itself is exact text).
double numberValue(std::string_view literal);

}  // namespace symbolic
