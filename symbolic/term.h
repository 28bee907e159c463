#pragma once
// Terms as pupils type them, read into a small syntax tree.
//
// The reader is forgiving where pupils are (SIN(x), 2x, x(x+1), 3sin(x), pi, e)
// and strict everywhere else: only the functions and names below are known, so
// nothing a user types can reach an engine command that was not meant for terms.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace symbolic {

enum class NodeKind {
  Number,  // decimal literal, exact: text holds "digits[.digits][e[+-]digits]"
  Symbol,  // a variable (x, y, ystr, single letters) or a constant (pi, e, i, infinity, inf, undef)
  Call,    // a known function or engine command; text is its canonical name
  Negate,  // unary minus
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
};

struct Node {
  NodeKind kind;
  std::string text;
  std::vector<std::unique_ptr<Node>> args;
  int height = 1;  // levels of the tree below and including this node
};

using NodePtr = std::unique_ptr<Node>;

// Functions that may appear inside a term. `canonical` is the name the rest of
// the engine uses; `arity` is the number of arguments (0 = one or more).
struct FunctionInfo {
  const char* canonical;
  int arity;
};

// Engine commands that may appear in a request: APPROX, SUBST, diff, INT, TAYLOR,
// FOURIER and integrate (as the engine writes unevaluated integrals), and the
// commands that only stand for a whole request (below).
bool isCommand(std::string_view canonical);

// SOLVE, LIMIT, SIMPLIFY, FACTOR, VALUE: their answers (lists, inf) are no
// terms, so they are whole requests and never part of a term.
bool isTopCommand(std::string_view canonical);

// Looks a function or command name up, ignoring case; nullptr if unknown.
const FunctionInfo* findFunction(std::string_view name);

struct ParseError {
  std::string message;  // German, for the answer text
};

struct ParseResult {
  NodePtr node;      // set on success
  ParseError error;  // set otherwise
  explicit operator bool() const { return node != nullptr; }
};

ParseResult parse(std::string_view text);

// True if the tree uses no name but the given variable, the parameter (none
// when empty) and the constants pi and e.
bool onlyUses(const Node& node, std::string_view variable, std::string_view parameter = {});

}  // namespace symbolic
