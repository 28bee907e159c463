#include "symbolic/term.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace symbolic {
namespace {

struct NamedFunction {
  const char* name;  // as typed, compared ignoring case
  FunctionInfo info;
};

// log is the common logarithm, as on every school calculator; ln is the natural one.
constexpr std::array kFunctions = {
    NamedFunction{"sin", {"sin", 1}},
    NamedFunction{"cos", {"cos", 1}},
    NamedFunction{"tan", {"tan", 1}},
    NamedFunction{"cot", {"cot", 1}},
    NamedFunction{"asin", {"asin", 1}},
    NamedFunction{"arcsin", {"asin", 1}},
    NamedFunction{"acos", {"acos", 1}},
    NamedFunction{"arccos", {"acos", 1}},
    NamedFunction{"atan", {"atan", 1}},
    NamedFunction{"arctan", {"atan", 1}},
    NamedFunction{"acot", {"acot", 1}},
    NamedFunction{"arccot", {"acot", 1}},
    NamedFunction{"sinh", {"sinh", 1}},
    NamedFunction{"cosh", {"cosh", 1}},
    NamedFunction{"tanh", {"tanh", 1}},
    NamedFunction{"asinh", {"asinh", 1}},
    NamedFunction{"arsinh", {"asinh", 1}},
    NamedFunction{"acosh", {"acosh", 1}},
    NamedFunction{"arcosh", {"acosh", 1}},
    NamedFunction{"atanh", {"atanh", 1}},
    NamedFunction{"artanh", {"atanh", 1}},
    NamedFunction{"exp", {"exp", 1}},
    NamedFunction{"ln", {"ln", 1}},
    NamedFunction{"log", {"log10", 1}},
    NamedFunction{"lg", {"log10", 1}},
    NamedFunction{"log10", {"log10", 1}},
    NamedFunction{"sqrt", {"sqrt", 1}},
    NamedFunction{"abs", {"abs", 1}},
    NamedFunction{"sign", {"sign", 1}},
    NamedFunction{"sgn", {"sign", 1}},
    NamedFunction{"floor", {"floor", 1}},
    NamedFunction{"ceil", {"ceil", 1}},
    NamedFunction{"erf", {"erf", 1}},
    NamedFunction{"Si", {"Si", 1}},
    NamedFunction{"Ci", {"Ci", 1}},
    NamedFunction{"Ei", {"Ei", 1}},
    NamedFunction{"re", {"re", 1}},
    NamedFunction{"im", {"im", 1}},
    // Engine commands.
    NamedFunction{"approx", {"approx", 1}},
    NamedFunction{"subst", {"subst", 3}},
    NamedFunction{"diff", {"diff", 0}},
    NamedFunction{"int", {"int", 0}},
    NamedFunction{"integrate", {"int", 0}},
    NamedFunction{"taylor", {"taylor", 4}},
    NamedFunction{"fourier", {"fourier", 5}},
    NamedFunction{"solve", {"solve", 0}},
    NamedFunction{"limit", {"limit", 0}},
    NamedFunction{"simplify", {"simplify", 1}},
    NamedFunction{"factor", {"factor", 1}},
    NamedFunction{"value", {"value", 3}},
};

constexpr std::array kConstants = {"pi", "e", "i", "infinity", "inf", "undef", "ystr"};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char p, char q) {
           return std::tolower(static_cast<unsigned char>(p)) ==
                  std::tolower(static_cast<unsigned char>(q));
         });
}

NodePtr makeNode(NodeKind kind, std::string text = {}) {
  auto node = std::make_unique<Node>();
  node->kind = kind;
  node->text = std::move(text);
  return node;
}

// Adds an argument below a node and keeps the node's height.
void adopt(Node& node, NodePtr argument) {
  if (argument) node.height = std::max(node.height, argument->height + 1);
  node.args.push_back(std::move(argument));
}

NodePtr makeBinary(NodeKind kind, NodePtr left, NodePtr right) {
  auto node = makeNode(kind);
  adopt(*node, std::move(left));
  adopt(*node, std::move(right));
  return node;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

// Recursive descent with the usual precedence: sums, products (also written
// as juxtaposition), unary signs, right-associative powers, primaries.
const char* const kTooLong = "Term zu lang";

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  ParseResult run() {
    ParseResult result;
    NodePtr node = sum();
    skipBlanks();
    if (node && pos_ < text_.size()) fail(unexpected());
    if (failed_) {
      result.error.message = error_;
      return result;
    }
    result.node = std::move(node);
    return result;
  }

 private:
  static constexpr int kMaxDepth = 200;
  // Long chains such as x+x+...+x make deep trees without any parentheses;
  // everything that walks the tree recursively (and the algebra system's own
  // parser) must stay far from the end of the stack.
  static constexpr int kMaxHeight = 1000;

  std::string_view text_;
  size_t pos_ = 0;
  int depth_ = 0;
  bool failed_ = false;
  std::string error_;

  NodePtr fail(std::string message) {
    if (!failed_) {
      failed_ = true;
      error_ = std::move(message);
    }
    return nullptr;
  }

  std::string unexpected() {
    if (pos_ >= text_.size()) return "Syntaxfehler: unerwartetes Ende";
    return "Syntaxfehler: unerwartetes Zeichen '" + std::string(1, text_[pos_]) + "'";
  }

  void skipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  char peek() {
    skipBlanks();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  bool accept(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }

  // "**" is read as a power, as many calculators accept it.
  bool acceptPower() {
    if (accept('^')) return true;
    if (peek() == '*' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
      pos_ += 2;
      return true;
    }
    return false;
  }

  bool startsPrimary() {
    char c = peek();
    return isDigit(c) || c == '.' || isLetter(c) || c == '(';
  }

  NodePtr sum() {
    if (++depth_ > kMaxDepth) return fail("Term zu tief geschachtelt");
    NodePtr left = product();
    while (left) {
      if (accept('+')) {
        left = makeBinary(NodeKind::Add, std::move(left), product());
      } else if (accept('-')) {
        left = makeBinary(NodeKind::Subtract, std::move(left), product());
      } else {
        break;
      }
      if (!left->args[1]) return nullptr;
      if (left->height > kMaxHeight) return fail(kTooLong);
    }
    --depth_;
    return left;
  }

  NodePtr product() {
    NodePtr left = unary();
    while (left) {
      NodeKind kind;
      if (peek() == '*' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '*')) {
        ++pos_;
        kind = NodeKind::Multiply;
      } else if (accept('/')) {
        kind = NodeKind::Divide;
      } else if (startsPrimary()) {
        kind = NodeKind::Multiply;  // 2x, x(x+1), 3sin(x)
      } else {
        break;
      }
      left = makeBinary(kind, std::move(left), unary());
      if (!left->args[1]) return nullptr;
      if (left->height > kMaxHeight) return fail(kTooLong);
    }
    return left;
  }

  NodePtr unary() {
    if (accept('-')) {
      if (++depth_ > kMaxDepth) return fail("Term zu tief geschachtelt");
      NodePtr operand = unary();
      --depth_;
      if (!operand) return nullptr;
      auto node = makeNode(NodeKind::Negate);
      adopt(*node, std::move(operand));
      return node;
    }
    if (accept('+')) {
      if (++depth_ > kMaxDepth) return fail("Term zu tief geschachtelt");
      NodePtr operand = unary();
      --depth_;
      return operand;
    }
    return power();
  }

  NodePtr power() {
    NodePtr base = primary();
    if (base && acceptPower()) {
      if (++depth_ > kMaxDepth) return fail("Term zu tief geschachtelt");
      NodePtr exponent = unary();  // x^-1, 2^x^2 = 2^(x^2)
      --depth_;
      if (!exponent) return nullptr;
      NodePtr node = makeBinary(NodeKind::Power, std::move(base), std::move(exponent));
      if (node->height > kMaxHeight) return fail(kTooLong);
      return node;
    }
    return base;
  }

  NodePtr primary() {
    char c = peek();
    if (isDigit(c) || c == '.') return number();
    if (isLetter(c)) return name();
    if (accept('(')) {
      NodePtr inner = sum();
      if (!inner) return nullptr;
      if (!accept(')')) return fail(unexpected());
      return inner;
    }
    return fail(unexpected());
  }

  NodePtr number() {
    size_t start = pos_;
    size_t digits = 0;
    while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_, ++digits;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_, ++digits;
    }
    if (digits == 0) return fail("Syntaxfehler: unerwartetes Zeichen '.'");
    // An exponent belongs to the number only when digits follow: 2e-1 is 0.2,
    // but 2e^x is 2*e^x.
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      size_t look = pos_ + 1;
      if (look < text_.size() && (text_[look] == '+' || text_[look] == '-')) ++look;
      if (look < text_.size() && isDigit(text_[look])) {
        pos_ = look;
        while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
      }
    }
    return makeNode(NodeKind::Number, std::string(text_.substr(start, pos_ - start)));
  }

  NodePtr name() {
    size_t start = pos_;
    while (pos_ < text_.size() && (isLetter(text_[pos_]) || isDigit(text_[pos_]))) ++pos_;
    std::string_view word = text_.substr(start, pos_ - start);
    // Only a name before '(' can be a call: variables skip the function table.
    if (peek() == '(') {
      if (const FunctionInfo* function = findFunction(word)) return call(*function);
    }
    for (const char* constant : kConstants) {
      if (equalsIgnoringCase(word, constant)) return makeNode(NodeKind::Symbol, constant);
    }
    if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0]))) {
      return makeNode(NodeKind::Symbol, std::string(1, static_cast<char>(std::tolower(word[0]))));
    }
    if (findFunction(word))
      return fail("Syntaxfehler: '(' nach " + std::string(word) + " erwartet");
    if (peek() == '(') return fail("unbekannte Funktion " + std::string(word));
    return fail("unbekannter Name " + std::string(word));
  }

  NodePtr call(const FunctionInfo& function) {
    accept('(');
    if (++depth_ > kMaxDepth) return fail("Term zu tief geschachtelt");
    auto node = makeNode(NodeKind::Call, function.canonical);
    do {
      NodePtr argument = sum();
      if (!argument) return nullptr;
      // SOLVE's equation lhs=rhs is read as lhs-rhs, whose zeros are its solutions.
      if (node->args.empty() && node->text == "solve" && accept('=')) {
        NodePtr right = sum();
        if (!right) return nullptr;
        argument = makeBinary(NodeKind::Subtract, std::move(argument), std::move(right));
      }
      adopt(*node, std::move(argument));
    } while (accept(','));
    if (node->height > kMaxHeight) return fail(kTooLong);
    --depth_;
    if (!accept(')')) return fail(unexpected());
    if (function.arity > 0 && static_cast<int>(node->args.size()) != function.arity) {
      return fail("falsche Anzahl von Argumenten für " + std::string(function.canonical));
    }
    return node;
  }
};

}  // namespace

bool isCommand(std::string_view canonical) {
  return canonical == "approx" || canonical == "subst" || canonical == "diff" ||
         canonical == "int" || canonical == "taylor" || canonical == "fourier" ||
         isTopCommand(canonical);
}

bool isTopCommand(std::string_view canonical) {
  return canonical == "solve" || canonical == "limit" || canonical == "simplify" ||
         canonical == "factor" || canonical == "value";
}

const FunctionInfo* findFunction(std::string_view name) {
  for (const auto& entry : kFunctions) {
    if (equalsIgnoringCase(name, entry.name)) return &entry.info;
  }
  return nullptr;
}

ParseResult parse(std::string_view text) {
  return Parser(text).run();
}

bool onlyUses(const Node& node, std::string_view variable, std::string_view parameter) {
  if (node.kind == NodeKind::Symbol) {
    return node.text == variable || (!parameter.empty() && node.text == parameter) ||
           node.text == "pi" || node.text == "e";
  }
  if (node.kind == NodeKind::Call && isCommand(node.text)) return false;
  return std::all_of(node.args.begin(), node.args.end(),
                     [&](const NodePtr& arg) { return onlyUses(*arg, variable, parameter); });
}

}  // namespace symbolic
