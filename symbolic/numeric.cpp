#include "symbolic/numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "symbolic/number_format.h"

namespace symbolic {
namespace {

double cot(double v) {
  return std::cos(v) / std::sin(v);
}
double acot(double v) {
  return v == 0 ? M_PI / 2 : std::atan(1 / v);
}
double sign(double v) {
  return v > 0 ? 1.0 : (v < 0 ? -1.0 : (v == 0 ? 0.0 : v));
}
double sqrtReal(double v) {
  return std::sqrt(v);
}
double lnReal(double v) {
  return std::log(v);
}
double log10Real(double v) {
  return std::log10(v);
}

struct NumericFunction {
  const char* name;
  double (*function)(double);
};

constexpr NumericFunction kNumericFunctions[] = {
    {"sin", [](double v) { return std::sin(v); }},
    {"cos", [](double v) { return std::cos(v); }},
    {"tan", [](double v) { return std::tan(v); }},
    {"cot", cot},
    {"asin", [](double v) { return std::asin(v); }},
    {"acos", [](double v) { return std::acos(v); }},
    {"atan", [](double v) { return std::atan(v); }},
    {"acot", acot},
    {"sinh", [](double v) { return std::sinh(v); }},
    {"cosh", [](double v) { return std::cosh(v); }},
    {"tanh", [](double v) { return std::tanh(v); }},
    {"asinh", [](double v) { return std::asinh(v); }},
    {"acosh", [](double v) { return std::acosh(v); }},
    {"atanh", [](double v) { return std::atanh(v); }},
    {"exp", [](double v) { return std::exp(v); }},
    {"ln", lnReal},
    {"log10", log10Real},
    {"sqrt", sqrtReal},
    {"abs", [](double v) { return std::fabs(v); }},
    {"sign", sign},
    {"floor", [](double v) { return std::floor(v); }},
    {"ceil", [](double v) { return std::ceil(v); }},
    {"erf", [](double v) { return std::erf(v); }},
};

// Powers as the algebra system treats real numbers: 0^0 is undefined, a
// negative base with a non-integer exponent has no real value.
double realPower(double base, double exponent) {
  if (base == 0 && exponent == 0) return NAN;
  return std::pow(base, exponent);
}

}  // namespace

double numberValue(std::string_view literal) {
  return parseDecimal(literal);
}

std::optional<CompiledTerm> CompiledTerm::compile(const Node& term, std::string_view variable,
                                                  std::string_view parameter) {
  CompiledTerm compiled;
  compiled.variable_ = variable;
  compiled.parameter_ = parameter;
  int depth = 0;
  const bool done = compiled.emit(term, depth);
  compiled.variable_ = compiled.parameter_ = {};
  if (!done) return std::nullopt;
  return compiled;
}

bool CompiledTerm::emit(const Node& node, int& depth) {
  auto push = [&](Instruction instruction) {
    code_.push_back(instruction);
    if (instruction.op == Op::Constant || instruction.op == Op::Variable ||
        instruction.op == Op::Parameter) {
      ++depth;
      stackSize_ = std::max(stackSize_, depth);
    } else if (instruction.op != Op::Negate && instruction.op != Op::Function) {
      --depth;
    }
  };
  switch (node.kind) {
    case NodeKind::Number:
      push({Op::Constant, numberValue(node.text)});
      return true;
    case NodeKind::Symbol:
      if (node.text == variable_) {
        push({Op::Variable});
      } else if (!parameter_.empty() && node.text == parameter_) {
        push({Op::Parameter});
      } else if (node.text == "pi") {
        push({Op::Constant, M_PI});
      } else if (node.text == "e") {
        push({Op::Constant, M_E});
      } else {
        return false;
      }
      return true;
    case NodeKind::Call: {
      if (node.args.size() != 1) return false;
      for (const auto& entry : kNumericFunctions) {
        if (node.text == entry.name) {
          if (!emit(*node.args[0], depth)) return false;
          push({Op::Function, 0, entry.function});
          return true;
        }
      }
      return false;
    }
    case NodeKind::Negate:
      if (!emit(*node.args[0], depth)) return false;
      push({Op::Negate});
      return true;
    case NodeKind::Power:
      // e^u is exp(u); x^0 is 1 for every x, as the algebra system simplifies it.
      if (node.args[0]->kind == NodeKind::Symbol && node.args[0]->text == "e") {
        if (!emit(*node.args[1], depth)) return false;
        push({Op::Function, 0, [](double v) { return std::exp(v); }});
        return true;
      }
      if (node.args[1]->kind == NodeKind::Number && numberValue(node.args[1]->text) == 0) {
        push({Op::Constant, 1.0});
        return true;
      }
      [[fallthrough]];
    case NodeKind::Add:
    case NodeKind::Subtract:
    case NodeKind::Multiply:
    case NodeKind::Divide: {
      if (!emit(*node.args[0], depth) || !emit(*node.args[1], depth)) {
        return false;
      }
      static constexpr Op kOps[] = {Op::Add, Op::Subtract, Op::Multiply, Op::Divide, Op::Power};
      int index = static_cast<int>(node.kind) - static_cast<int>(NodeKind::Add);
      const bool parameterExponent = node.kind == NodeKind::Power && !parameter_.empty() &&
                                     onlyUses(*node.args[1], "", parameter_) &&
                                     !onlyUses(*node.args[1], "");
      push({parameterExponent ? Op::ParameterPower : kOps[index]});
      return true;
    }
  }
  return false;
}

double CompiledTerm::evaluate(double x, double p) const {
  constexpr int kInline = 32;
  double inlineStack[kInline] = {};
  std::vector<double> heapStack;
  double* stack = inlineStack;
  if (stackSize_ > kInline) {
    heapStack.resize(stackSize_);
    stack = heapStack.data();
  }
  int top = -1;
  for (const Instruction& in : code_) {
    switch (in.op) {
      case Op::Constant:
        stack[++top] = in.value;
        continue;
      case Op::Variable:
        stack[++top] = x;
        continue;
      case Op::Parameter:
        stack[++top] = p;
        continue;
      case Op::Add:
        --top;
        stack[top] += stack[top + 1];
        break;
      case Op::Subtract:
        --top;
        stack[top] -= stack[top + 1];
        break;
      case Op::Multiply:
        --top;
        stack[top] *= stack[top + 1];
        break;
      case Op::Divide:
        --top;
        stack[top] /= stack[top + 1];
        break;
      case Op::Power:
        --top;
        stack[top] = realPower(stack[top], stack[top + 1]);
        break;
      case Op::ParameterPower:
        --top;
        stack[top] = stack[top + 1] == 0 ? 1 : realPower(stack[top], stack[top + 1]);
        break;
      case Op::Negate:
        stack[top] = -stack[top];
        break;
      case Op::Function:
        stack[top] = in.function(stack[top]);
        break;
    }
    // A part without a real value leaves the whole term without one, also
    // where a limit would exist: atan(1/x) has no value at 0.
    if (!std::isfinite(stack[top])) return NAN;
  }
  return stack[0];
}

}  // namespace symbolic
