#include "symbolic/giac_input.h"

#include <cstdlib>
#include <stdexcept>

namespace symbolic {
namespace {

constexpr int kMaxExponent = 10000;  // beyond this a literal is refused, not computed
constexpr int kMaxSeriesTerms = 100;

// A command used wrongly; the message is German, for the answer text.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string upperName(std::string name) {
  for (char& c : name) c = static_cast<char>(c - 'a' + 'A');
  return name;
}

std::string wrap(const std::string& text) {
  return "(" + text + ")";
}

// A decimal literal as an exact Giac rational: 1.5 -> (15/10), 1.5e-07 -> (15/10^8).
std::string exactNumber(const std::string& literal) {
  std::string digits;
  int exponent = 0;
  size_t pos = 0;
  bool afterPoint = false;
  for (; pos < literal.size() && literal[pos] != 'e' && literal[pos] != 'E'; ++pos) {
    if (literal[pos] == '.') {
      afterPoint = true;
    } else {
      digits += literal[pos];
      if (afterPoint) --exponent;
    }
  }
  if (pos < literal.size()) {
    std::string written = literal.substr(pos + 1);
    if (written.size() > 6) throw Failure("Zahl zu groß");
    exponent += std::stoi(written);
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (std::abs(exponent) > kMaxExponent) throw Failure("Zahl zu groß");
  if (exponent == 0) return digits;
  return wrap(digits + (exponent > 0 ? "*10^" : "/10^") + std::to_string(std::abs(exponent)));
}

int smallInteger(const Node& node, const char* command, int limit) {
  if (node.kind != NodeKind::Number ||
      node.text.find_first_not_of("0123456789") != std::string::npos || node.text.size() > 4 ||
      std::stoi(node.text) > limit) {
    throw Failure(std::string(command) + " erwartet eine ganze Zahl von 0 bis " +
                  std::to_string(limit));
  }
  return std::stoi(node.text);
}

std::string variable(const Node& node, const char* command) {
  if (node.kind != NodeKind::Symbol || node.text == "pi" || node.text == "e" || node.text == "i" ||
      node.text == "infinity" || node.text == "inf" || node.text == "undef") {
    throw Failure(std::string(command) + " erwartet eine Variable");
  }
  return node.text;
}

// a0/2 + sum of a_k cos(k w x) + b_k sin(k w x), k = 1..n, w = 2 pi/(t2 - t1),
// with the coefficients integrated over [t1, t2] and tidied with simplify, or
// with normal where simplify would take too long.
std::string fourierSeries(const Node& node, const FourierForms* forms) {
  FourierForm form = FourierForm::Simplified;
  if (forms) {
    if (auto found = forms->find(&node); found != forms->end()) form = found->second;
  }
  std::string f = wrap(translate(*node.args[0], forms));
  std::string x = variable(*node.args[1], "FOURIER");
  std::string t1 = wrap(translate(*node.args[2], forms));
  std::string t2 = wrap(translate(*node.args[3], forms));
  int n = smallInteger(*node.args[4], "FOURIER", kMaxSeriesTerms);
  if (form == FourierForm::Undefined) return "undef";
  const std::string tidy = form == FourierForm::Normal ? "normal" : "simplify";
  std::string period = wrap(t2 + "-" + t1);
  std::string series =
      tidy + "(1/" + period + "*integrate(" + f + "," + x + "," + t1 + "," + t2 + "))";
  for (int k = 1; k <= n; ++k) {
    std::string angle = wrap(std::to_string(2 * k) + "*pi/" + period + "*" + x);
    for (const char* wave : {"cos", "sin"}) {
      std::string basis = std::string(wave) + "(normal" + angle + ")";
      series += "+" + tidy + "(2/" + period + "*integrate(" + f + "*" + basis + "," + x + "," + t1 +
                "," + t2 + "))*" + basis;
    }
  }
  return series;
}

// SOLVE, LIMIT, SIMPLIFY, FACTOR, VALUE: the backend answers them itself;
// here only their arguments are checked.
void checkTopCommand(const Node& node) {
  const std::string& name = node.text;
  const size_t count = node.args.size();
  if (name == "solve") {
    if (count != 2 && count != 4) throw Failure("SOLVE erwartet 2 oder 4 Argumente");
    variable(*node.args[1], "SOLVE");
  } else if (name == "limit") {
    if (count != 3 && count != 4) throw Failure("LIMIT erwartet 3 oder 4 Argumente");
    variable(*node.args[1], "LIMIT");
    if (count == 4) limitSide(node);
  } else if (name == "value") {
    variable(*node.args[1], "VALUE");
  }
  for (const NodePtr& argument : node.args) translate(*argument);
}

std::string command(const Node& node, const FourierForms* forms) {
  const std::string& name = node.text;
  if (isTopCommand(name)) throw Failure(upperName(name) + " steht nur allein als Anfrage");
  auto arg = [&](size_t i) { return translate(*node.args[i], forms); };
  if (name == "approx") return "evalf(" + arg(0) + ")";
  if (name == "subst") {
    return "subst(" + arg(0) + "," + variable(*node.args[1], "SUBST") + "," + arg(2) + ")";
  }
  if (name == "diff") {
    if (node.args.size() == 2)
      return "diff(" + arg(0) + "," + variable(*node.args[1], "diff") + ")";
    if (node.args.size() == 3) {
      return "diff(" + arg(0) + "," + variable(*node.args[1], "diff") + "," +
             std::to_string(smallInteger(*node.args[2], "diff", 100)) + ")";
    }
    throw Failure("diff erwartet 2 oder 3 Argumente");
  }
  if (name == "int") {
    if (node.args.size() == 2) {
      return "integrate(" + arg(0) + "," + variable(*node.args[1], "INT") + ")";
    }
    if (node.args.size() == 4) {
      return "integrate(" + arg(0) + "," + variable(*node.args[1], "INT") + "," + arg(2) + "," +
             arg(3) + ")";
    }
    throw Failure("INT erwartet 2 oder 4 Argumente");
  }
  if (name == "taylor") {
    return "taylor(" + arg(0) + "," + variable(*node.args[1], "TAYLOR") + "=" + arg(2) + "," +
           std::to_string(smallInteger(*node.args[3], "TAYLOR", kMaxSeriesTerms)) + ",polynom)";
  }
  return fourierSeries(node, forms);
}

}  // namespace

std::string translate(const Node& node, const FourierForms* forms) {
  switch (node.kind) {
    case NodeKind::Number:
      return exactNumber(node.text);
    case NodeKind::Symbol:
      if (node.text == "inf") return "(+infinity)";
      return node.text == "e" ? "exp(1)" : node.text;
    case NodeKind::Call: {
      if (isCommand(node.text)) return command(node, forms);
      std::string text = node.text + "(";
      for (size_t i = 0; i < node.args.size(); ++i)
        text += (i ? "," : "") + translate(*node.args[i], forms);
      return text + ")";
    }
    case NodeKind::Negate:
      return "-" + wrap(translate(*node.args[0], forms));
    default: {
      static constexpr const char* kOperators[] = {"+", "-", "*", "/", "^"};
      int index = static_cast<int>(node.kind) - static_cast<int>(NodeKind::Add);
      return wrap(translate(*node.args[0], forms)) + kOperators[index] +
             wrap(translate(*node.args[1], forms));
    }
  }
}

int limitSide(const Node& node) {
  const Node& side = *node.args[3];
  const Node& number = side.kind == NodeKind::Negate ? *side.args[0] : side;
  if (number.kind != NodeKind::Number || number.text != "1") {
    throw Failure("LIMIT erwartet als Richtung 1 (von rechts) oder -1 (von links)");
  }
  return side.kind == NodeKind::Negate ? -1 : 1;
}

std::string toGiacText(const Node& node, std::string& error) {
  try {
    if (node.kind == NodeKind::Call && isTopCommand(node.text)) {
      checkTopCommand(node);
      return node.text;
    }
    return translate(node);
  } catch (const Failure& failure) {
    error = failure.what();
  } catch (const std::exception&) {
    error = "Zahl zu groß";
  }
  return {};
}

}  // namespace symbolic
