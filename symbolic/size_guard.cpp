#include "symbolic/size_guard.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "symbolic/numeric.h"

namespace symbolic {
namespace {

constexpr double kBitsPerDigit = 3.3219280948873622;

// Upper bounds for what a part of a request may become when Giac computes it
// exactly.
struct Size {
  double bits = 1;       // of one exact number in it (numerator and denominator)
  double degree = 0;     // in the variables (and pi, e, i, which Giac keeps symbolic)
  double magnitude = 0;  // log2 of its value's size, infinite where unknown
  double value = NAN;    // as a double, where it is a constant that fits one
};

Size join(const Size& a, const Size& b) {
  return {std::max(a.bits, b.bits), std::max(a.degree, b.degree),
          std::max(a.magnitude, b.magnitude), NAN};
}

// The factor by which a power multiplies sizes: its exponent's size.
double exponentSize(const Size& exponent) {
  if (std::isfinite(exponent.value)) return std::max(1.0, std::fabs(exponent.value));
  return std::exp2(std::max(0.0, exponent.magnitude));
}

double magnitudeOf(double value) {
  return std::log2(std::max(1.0, std::fabs(value))) + 1;
}

class Estimate {
 public:
  bool exceeded = false;

  Size of(const Node& node, const std::map<std::string, Size>& bound) {
    if (exceeded) return {};
    Size size = measure(node, bound);
    if (!(size.bits <= kMaxNumberBits) ||
        !(size.bits * std::max(1.0, size.degree) <= kMaxExpansion)) {
      exceeded = true;
    }
    return size;
  }

 private:
  Size measure(const Node& node, const std::map<std::string, Size>& bound) {
    switch (node.kind) {
      case NodeKind::Number:
        return number(node.text);
      case NodeKind::Symbol:
        return symbol(node.text, bound);
      case NodeKind::Call:
        return isCommand(node.text) ? command(node, bound) : function(node, bound);
      case NodeKind::Negate: {
        Size a = of(*node.args[0], bound);
        a.value = -a.value;
        return a;
      }
      case NodeKind::Power:
        return power(of(*node.args[0], bound), of(*node.args[1], bound));
      default:
        return arithmetic(node.kind, of(*node.args[0], bound), of(*node.args[1], bound));
    }
  }

  static Size number(const std::string& literal) {
    size_t digits = 0, pos = 0;
    for (; pos < literal.size() && literal[pos] != 'e' && literal[pos] != 'E'; ++pos) {
      if (literal[pos] != '.') ++digits;
    }
    double exponent = 0;
    if (pos + 1 < literal.size())
      exponent = std::fabs(std::strtod(literal.c_str() + pos + 1, nullptr));
    const double bits = (static_cast<double>(digits) + exponent) * kBitsPerDigit + 1;
    const double value = numberValue(literal);
    return {bits, 0, std::isfinite(value) ? magnitudeOf(value) : bits, value};
  }

  static Size symbol(const std::string& name, const std::map<std::string, Size>& bound) {
    if (auto found = bound.find(name); found != bound.end()) return found->second;
    if (name == "pi") return {2, 1, 2, M_PI};
    if (name == "e") return {2, 1, 2, M_E};
    if (name == "infinity" || name == "inf") return {1, 0, 0, INFINITY};
    if (name == "undef") return {1, 0, 0, NAN};
    return {1, 1, INFINITY, NAN};  // a variable, or i
  }

  static Size arithmetic(NodeKind kind, const Size& a, const Size& b) {
    Size r{a.bits + b.bits, a.degree + b.degree, a.magnitude + b.magnitude, NAN};
    switch (kind) {
      case NodeKind::Add:
      case NodeKind::Subtract:
        r.degree = std::max(a.degree, b.degree);
        r.magnitude = std::max(a.magnitude, b.magnitude) + 1;
        r.value = kind == NodeKind::Add ? a.value + b.value : a.value - b.value;
        break;
      case NodeKind::Multiply:
        r.value = a.value * b.value;
        break;
      default:  // 1/b is at most 2^bits(b) for an exact b
        r.magnitude = a.magnitude + std::max(b.bits, b.magnitude);
        r.value = a.value / b.value;
        break;
    }
    return r;
  }

  static Size power(const Size& base, const Size& exponent) {
    if (!std::isfinite(exponent.magnitude)) {
      // x^x, 2^x: Giac keeps them as they are until a number takes x's place.
      return {base.bits + exponent.bits, base.degree + exponent.degree + 1, INFINITY, NAN};
    }
    const double n = exponentSize(exponent);
    return {base.bits * n, base.degree * n, std::max(base.magnitude, base.bits) * n,
            std::pow(base.value, exponent.value)};
  }

  Size function(const Node& node, const std::map<std::string, Size>& bound) {
    Size a;
    for (const NodePtr& argument : node.args) {
      Size size = of(*argument, bound);
      a = node.args.size() == 1 ? size : join(a, size);
    }
    const std::string& name = node.text;
    double magnitude = a.magnitude + 1;  // abs, floor, ceil, sqrt, re, im, sign
    double value = a.value;
    if (name == "ln" || name == "log10" || name == "asinh" || name == "acosh" || name == "atanh") {
      magnitude = std::log2(std::max(a.magnitude, a.bits) + 1) + 1;
      value = NAN;
    } else if (name == "exp" || name == "sinh" || name == "cosh") {
      magnitude = std::isfinite(a.value) ? std::fabs(a.value) * 1.4426950408889634 + 1 : INFINITY;
      value = NAN;
    } else if (name != "abs" && name != "floor" && name != "ceil" && name != "sqrt" &&
               name != "re" && name != "im" && name != "sign") {
      magnitude = 2;  // sines, arcus functions, erf: Giac keeps them unless they are small
      value = NAN;
    } else if (std::isfinite(a.value)) {
      magnitude = magnitudeOf(a.value);
    }
    return {a.bits + 2, a.degree, magnitude, value};
  }

  // A request's variable stands for the numbers it is replaced with.
  Size command(const Node& node, const std::map<std::string, Size>& bound) {
    const std::string& name = node.text;
    const auto& args = node.args;
    const bool replacing = name == "subst" || name == "value" || name == "limit" ||
                           name == "taylor" || name == "fourier" || name == "int" ||
                           name == "solve";
    std::optional<Size> points;
    for (size_t i = 1; i < args.size(); ++i) {
      Size argument = of(*args[i], bound);
      const bool isCount = (name == "limit" || name == "taylor") ? i == 3
                           : name == "fourier"                   ? i == 4
                                                                 : false;
      if (replacing && i >= 2 && !isCount) points = points ? join(*points, argument) : argument;
    }
    if (args.size() < 2 || args[1]->kind != NodeKind::Symbol) return of(*args[0], bound);
    std::map<std::string, Size> inner = bound;
    if (!points) {  // diff, INT, SOLVE: the variable is free inside, whatever is outside
      inner[args[1]->text] = symbol("", {});
      return of(*args[0], inner);
    }
    // SUBST and VALUE put the number in before Giac works on the term; the
    // others work on the term first.
    const bool first = name == "subst" || name == "value";
    inner[args[1]->text] = {std::max(points->bits, 1.0),
                            first ? points->degree : std::max(points->degree, 1.0),
                            points->magnitude, points->value};
    return of(*args[0], inner);
  }
};

// Without a power, a number written with an exponent or a request inside
// another, exact numbers only grow by sums and products, so their size is
// bounded by the request's length: below 1,000 nodes and digits it stays
// under the bounds (bits at most 3.33 per digit times the uses of a
// replaced variable, 830,000 at worst). Most requests end here, before the
// estimate with its copies of the bound variables.
bool growsOnlyWithLength(const Node& node, bool insideRequest, size_t& length) {
  length += 1 + (node.kind == NodeKind::Number ? node.text.size() : 0);
  if (node.kind == NodeKind::Power || length >= 1000) return false;
  if (node.kind == NodeKind::Number && node.text.find_first_of("eE") != std::string::npos) {
    return false;
  }
  const bool request = node.kind == NodeKind::Call && isCommand(node.text);
  if (request && insideRequest) return false;
  for (const NodePtr& argument : node.args) {
    if (!growsOnlyWithLength(*argument, insideRequest || request, length)) return false;
  }
  return true;
}

}  // namespace

bool tooLarge(const Node& request) {
  size_t length = 0;
  if (growsOnlyWithLength(request, false, length)) return false;
  Estimate estimate;
  estimate.of(request, {});
  return estimate.exceeded;
}

}  // namespace symbolic
