#include "symbolic/giac_printer.h"

#include <giac/giac.h>

#include <cmath>

#include "symbolic/number_format.h"

namespace symbolic {
namespace {

using giac::gen;

// Binding strength of what a printed piece is, to decide on parentheses.
enum Level { kSum = 1, kProduct = 2, kPower = 4, kAtom = 5 };

struct Piece {
  std::string text;
  Level level;
  bool negated = false;  // text is "-" followed by a positive part
};

class Printer {
 public:
  explicit Printer(const giac::context* context) : context_(context) {}

  Piece print(const gen& g) {
    switch (g.type) {
      case giac::_INT_:
        return number(std::to_string(g.val));
      case giac::_ZINT:
        return number(g.print(context_));
      case giac::_DOUBLE_:
      case giac::_REAL: {
        double value = toDouble(g, context_);
        return number(std::isfinite(value) ? formatNumber(value) : std::string(kUndefined));
      }
      case giac::_FRAC: {
        if (isNegativeNumber(g)) return negate(print(-g));
        Piece numerator = print(g._FRACptr->num);
        Piece denominator = print(g._FRACptr->den);
        return {wrap(numerator, kProduct) + "/" + wrap(denominator, kPower), kProduct};
      }
      case giac::_IDNT:
        return {g.print(context_), kAtom};
      case giac::_SYMB:
        return symbolic(g);
      default: {
        std::string text = g.print(context_);
        return {text, kSum, text.front() == '-'};
      }
    }
  }

 private:
  const giac::context* context_;

  static Piece number(std::string text) {
    if (text.front() == '-') return {text, kSum, true};
    return {text, kAtom};
  }

  // -(-a) is a; otherwise a minus in front, with parentheses where needed.
  static Piece negate(const Piece& piece) {
    if (piece.negated) return {piece.text.substr(1), kProduct};
    return {"-" + wrap(piece, kProduct), kSum, true};
  }

  static std::string wrap(const Piece& piece, Level needed) {
    return piece.level >= needed ? piece.text : "(" + piece.text + ")";
  }

  static const gen& argument(const gen& g) { return g._SYMBptr->feuille; }

  static std::vector<gen> arguments(const gen& g) {
    const gen& leaf = g._SYMBptr->feuille;
    if (leaf.type == giac::_VECT)
      return std::vector<gen>(leaf._VECTptr->begin(), leaf._VECTptr->end());
    return {leaf};
  }

  static bool isNumber(const gen& g) {
    return g.type == giac::_INT_ || g.type == giac::_ZINT || g.type == giac::_FRAC ||
           g.type == giac::_DOUBLE_ || g.type == giac::_REAL;
  }

  static bool isNegativeNumber(const gen& g) {
    switch (g.type) {
      case giac::_INT_:
      case giac::_ZINT:
      case giac::_DOUBLE_:
      case giac::_REAL:
      case giac::_FRAC:
        return giac::is_strictly_positive(-g, nullptr);
      default:
        return false;
    }
  }

  Piece symbolic(const gen& g) {
    const giac::unary_function_ptr& op = g._SYMBptr->sommet;
    if (op == giac::at_plus) return sum(g);
    if (op == giac::at_neg) return negate(print(argument(g)));
    if (op == giac::at_prod) return product(arguments(g));
    if (op == giac::at_inv) return product({g});
    if (op == giac::at_pow) return power(g);
    if (op == giac::at_exp && argument(g) == gen(1)) return {"e", kAtom};
    std::string text = std::string(op.ptr()->s) + "(";
    bool first = true;
    for (const gen& arg : arguments(g)) {
      if (!first) text += ",";
      text += print(arg).text;
      first = false;
    }
    return {text + ")", kAtom};
  }

  Piece sum(const gen& g) {
    std::string text;
    for (const gen& term : arguments(g)) {
      Piece piece = print(term);
      if (!text.empty() && !piece.negated) text += "+";
      text += piece.negated ? piece.text : wrap(piece, kSum);
    }
    return {text, kSum};
  }

  // Splits factors into numerator and denominator, so that 1/6*x^3 prints as
  // x^3/6 and 1/2*sqrt(x)^-1 as 1/(2*sqrt(x)). Numbers are collected into one
  // coefficient wherever they stand: 2*x*inv(2*sqrt(x)) prints as x/sqrt(x).
  Piece product(const std::vector<gen>& factors) {
    gen coefficient = 1;
    std::vector<gen> numerator, denominator;
    for (const gen& factor : flatten(factors)) {
      if (isNumber(factor)) {
        coefficient = coefficient * factor;
      } else if (factor.type == giac::_SYMB && factor._SYMBptr->sommet == giac::at_inv &&
                 isNumber(argument(factor)) && !giac::is_zero(argument(factor))) {
        coefficient = coefficient / argument(factor);
      } else if (factor.type == giac::_SYMB && factor._SYMBptr->sommet == giac::at_inv) {
        denominator.push_back(argument(factor));
      } else if (factor.type == giac::_SYMB && factor._SYMBptr->sommet == giac::at_pow &&
                 isNegativeNumber(arguments(factor)[1])) {
        gen base = arguments(factor)[0];
        gen exponent = -arguments(factor)[1];
        denominator.push_back(exponent == gen(1) ? base : giac::pow(base, exponent, context_));
      } else {
        numerator.push_back(factor);
      }
    }
    bool negative = isNegativeNumber(coefficient);
    if (negative) coefficient = -coefficient;
    gen top = coefficient, bottom = 1;
    if (coefficient.type == giac::_FRAC) {
      top = coefficient._FRACptr->num;
      bottom = coefficient._FRACptr->den;
    }
    std::vector<std::string> upper, lower;
    if (top != gen(1) || numerator.empty()) upper.push_back(wrap(print(top), kProduct));
    for (const gen& factor : numerator) upper.push_back(wrap(print(factor), kProduct));
    if (bottom != gen(1)) lower.push_back(wrap(print(bottom), kPower));
    for (const gen& factor : denominator) lower.push_back(wrap(print(factor), kPower));

    std::string text = join(upper);
    if (lower.size() == 1) text += "/" + lower.front();
    if (lower.size() > 1) text += "/(" + join(lower) + ")";
    Piece piece{text, kProduct};
    return negative ? negate(piece) : piece;
  }

  // Products inside products, inverses of products and negated factors
  // become single factors (a negation a factor -1).
  static std::vector<gen> flatten(const std::vector<gen>& factors) {
    std::vector<gen> flat;
    for (const gen& factor : factors) {
      if (factor.type == giac::_SYMB && factor._SYMBptr->sommet == giac::at_neg) {
        flat.push_back(gen(-1));
        for (const gen& inner : flatten({argument(factor)})) flat.push_back(inner);
      } else if (factor.type == giac::_SYMB && factor._SYMBptr->sommet == giac::at_prod) {
        for (const gen& inner : flatten(arguments(factor))) flat.push_back(inner);
      } else if (factor.type == giac::_SYMB && factor._SYMBptr->sommet == giac::at_inv &&
                 argument(factor).type == giac::_SYMB &&
                 argument(factor)._SYMBptr->sommet == giac::at_prod) {
        for (const gen& inner : flatten(arguments(argument(factor)))) {
          flat.push_back(giac::symbolic(giac::at_inv, inner));
        }
      } else {
        flat.push_back(factor);
      }
    }
    return flat;
  }

  static std::string join(const std::vector<std::string>& factors) {
    std::string text;
    for (const std::string& factor : factors) text += (text.empty() ? "" : "*") + factor;
    return text;
  }

  Piece power(const gen& g) {
    std::vector<gen> args = arguments(g);
    if (isNegativeNumber(args[1])) return product({g});
    if (args[1] == gen(1) / gen(2)) return {"sqrt(" + print(args[0]).text + ")", kAtom};
    Piece base = print(args[0]);
    Piece exponent = print(args[1]);
    return {wrap(base, kAtom) + "^" + wrap(exponent, kAtom), kPower};
  }
};

}  // namespace

double toDouble(const giac::gen& value, const giac::context* context) {
  switch (value.type) {
    case giac::_INT_:
      return value.val;
    case giac::_DOUBLE_:
      return value._DOUBLE_val;
    case giac::_ZINT:
    case giac::_REAL:
      // Through the decimal text, which rounds correctly; Giac's own
      // conversions may be a unit off in the last place.
      return parseDecimal(value.print(context));
    case giac::_FRAC: {
      double numerator = toDouble(value._FRACptr->num, context);
      double denominator = toDouble(value._FRACptr->den, context);
      if (std::isfinite(numerator) && std::isfinite(denominator)) return numerator / denominator;
      return toDouble(giac::evalf(value, 1, context), context);
    }
    default:
      return NAN;
  }
}

std::string printTerm(const giac::gen& value, const giac::context* context) {
  return Printer(context).print(value).text;
}

}  // namespace symbolic
