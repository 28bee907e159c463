#pragma once
// SOLVE, LIMIT, SIMPLIFY, FACTOR and VALUE, answered with Giac. Included only
// by the backend's sources, which are compiled to see Giac's headers.

#include <giac/giac.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "symbolic/term.h"

namespace symbolic {

// What the forms use of the backend.
struct GiacTools {
  giac::context* context;
  bool real;  // the request names no imaginary unit, so its answers are real
  std::function<giac::gen(const Node&)> evaluate;
  // The shortest form a textbook may write (as for derivatives); nothing where
  // a real request has no real form.
  std::function<std::optional<std::string>(const giac::gen&)> readable;
  // Runs a computation within a share of the time left; false if it did not
  // finish (interrupted or failed), and the rest of the time limit runs on.
  std::function<bool(const std::function<void()>&, double share)> limited;
};

// The answer to a request whose command isTopCommand.
std::string formAnswer(const Node& request, GiacTools& tools);

// True if the value is undefined or has an undefined part.
bool hasUndefined(const giac::gen& g);

}  // namespace symbolic
