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
  // nullopt if the term uses anything but `variable`, `parameter` (none when
  // empty), pi, e, numbers, the arithmetic operators and the elementary
  // functions.
  static std::optional<CompiledTerm> compile(const Node& term, std::string_view variable,
                                             std::string_view parameter = {});

  // The value at x, with the parameter's value p.
  double evaluate(double x, double p = 0) const;

 private:
  enum class Op : unsigned char {
    Constant,
    Variable,
    Parameter,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    ParameterPower,  // an exponent of the parameter alone: 0 gives 1, as SUBST simplifies x^t
    Negate,
    Function
  };
  struct Instruction {
    Op op;
    double value = 0;                      // Constant
    double (*function)(double) = nullptr;  // Function
  };

  bool emit(const Node& node, int& depth);

  std::string_view variable_, parameter_;  // only while compiling

  std::vector<Instruction> code_;
  int stackSize_ = 0;
};

// Reads a decimal literal as the nearest double (the literal itself is exact text).
double numberValue(std::string_view literal);

}  // namespace symbolic
