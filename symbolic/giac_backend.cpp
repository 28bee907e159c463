#include "symbolic/giac_backend.h"

#include <giac/giac.h>

#include <clocale>
#include <cmath>
#include <iostream>
#include <sstream>
#include <unordered_map>

#include "symbolic/giac_printer.h"
#include "symbolic/number_format.h"
#include "symbolic/watchdog.h"

namespace symbolic {
namespace {

constexpr int kMaxExponent = 10000;  // beyond this a literal is refused, not computed
constexpr int kMaxSeriesTerms = 100;

struct Failure {
  std::string message;
};

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
    if (written.size() > 6) throw Failure{"Zahl zu groß"};
    exponent += std::stoi(written);
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (std::abs(exponent) > kMaxExponent) throw Failure{"Zahl zu groß"};
  if (exponent == 0) return digits;
  return wrap(digits + (exponent > 0 ? "*10^" : "/10^") + std::to_string(std::abs(exponent)));
}

int smallInteger(const Node& node, const char* command, int limit) {
  if (node.kind != NodeKind::Number ||
      node.text.find_first_not_of("0123456789") != std::string::npos || node.text.size() > 4 ||
      std::stoi(node.text) > limit) {
    throw Failure{std::string(command) + " erwartet eine ganze Zahl von 0 bis " +
                  std::to_string(limit)};
  }
  return std::stoi(node.text);
}

std::string variable(const Node& node, const char* command) {
  if (node.kind != NodeKind::Symbol || node.text == "pi" || node.text == "e" || node.text == "i" ||
      node.text == "infinity" || node.text == "undef") {
    throw Failure{std::string(command) + " erwartet eine Variable"};
  }
  return node.text;
}

// How a FOURIER of the request is formed, decided by the backend before the
// request is evaluated (GiacBackend::State::planFourier); not listed means
// Simplified.
enum class FourierForm { Simplified, Normal, Undefined };
using FourierForms = std::unordered_map<const Node*, FourierForm>;

std::string translate(const Node& node, const FourierForms* forms = nullptr);

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

std::string command(const Node& node, const FourierForms* forms) {
  const std::string& name = node.text;
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
    throw Failure{"diff erwartet 2 oder 3 Argumente"};
  }
  if (name == "int") {
    if (node.args.size() == 2) {
      return "integrate(" + arg(0) + "," + variable(*node.args[1], "INT") + ")";
    }
    if (node.args.size() == 4) {
      return "integrate(" + arg(0) + "," + variable(*node.args[1], "INT") + "," + arg(2) + "," +
             arg(3) + ")";
    }
    throw Failure{"INT erwartet 2 oder 4 Argumente"};
  }
  if (name == "taylor") {
    return "taylor(" + arg(0) + "," + variable(*node.args[1], "TAYLOR") + "=" + arg(2) + "," +
           std::to_string(smallInteger(*node.args[3], "TAYLOR", kMaxSeriesTerms)) + ",polynom)";
  }
  return fourierSeries(node, forms);
}

std::string translate(const Node& node, const FourierForms* forms) {
  switch (node.kind) {
    case NodeKind::Number:
      return exactNumber(node.text);
    case NodeKind::Symbol:
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

bool isRealNumber(const giac::gen& g) {
  return g.type == giac::_INT_ || g.type == giac::_DOUBLE_ || g.type == giac::_ZINT ||
         g.type == giac::_REAL || g.type == giac::_FRAC;
}

// True if the value still contains a variable (as a Fourier series in x does).
bool hasVariable(const giac::gen& g) {
  for (const giac::gen& name : giac::lidnt(g)) {
    std::string id = name.print(giac::context0);
    if (id != "pi" && id != "infinity" && id != "undef" && id != "i" && id != "euler_gamma") {
      return true;
    }
  }
  return false;
}

// True if the value is undefined or has an undefined part.
bool hasUndefined(const giac::gen& g) {
  if (giac::is_undef(g)) return true;
  for (const giac::gen& name : giac::lidnt(g)) {
    if (name.print(giac::context0) == "undef") return true;
  }
  return false;
}

// Giac's simplify writes the sine, cosine, tangent and exponential of a
// rational multiple of pi (of i*pi) with roots of unity. For that it builds a
// cyclotomic polynomial of the denominator's degree, which for a denominator of
// millions (sin(2158*pi/20001707)) takes half a minute and gigabytes and does
// not stop for the time limit. Beyond this denominator such values are left
// as they are; simplify has nothing shorter to offer for them anyway.
constexpr int kMaxAngleDenominator = 10000;

bool largeDenominator(const giac::gen& ratio) {
  if (ratio.type != giac::_FRAC) return false;
  const giac::gen& denominator = ratio._FRACptr->den;
  return denominator.type != giac::_INT_ || std::abs(denominator.val) > kMaxAngleDenominator;
}

bool hasLargeAngle(const giac::gen& g, giac::context* context) {
  if (g.type == giac::_VECT) {
    for (const giac::gen& element : *g._VECTptr) {
      if (hasLargeAngle(element, context)) return true;
    }
    return false;
  }
  if (g.type != giac::_SYMB) return false;
  const giac::unary_function_ptr& function = g._SYMBptr->sommet;
  const giac::gen& argument = g._SYMBptr->feuille;
  if (function == giac::at_sin || function == giac::at_cos || function == giac::at_tan ||
      function == giac::at_cot) {
    if (largeDenominator(giac::normal(argument / giac::cst_pi, context))) return true;
  } else if (function == giac::at_exp) {
    if (largeDenominator(giac::normal(argument / (giac::gen(0, 1) * giac::cst_pi), context))) {
      return true;
    }
  }
  return hasLargeAngle(argument, context);
}

// Giac formats and reads some numbers with the C library, which follows the
// process locale; a GUI program sets that to the user's (decimal comma in
// German). While Giac computes, this thread uses the C locale.
class CLocale {
 public:
  CLocale() : old_(c() ? uselocale(c()) : nullptr) {}
  ~CLocale() {
    if (c()) uselocale(old_);
  }

 private:
  static locale_t c() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);  // made once, kept
    return locale;
  }
  locale_t old_;
};

// Giac writes some messages straight to std::cerr or std::cout; while it
// computes, both go into its message sink.
class QuietStreams {
 public:
  explicit QuietStreams(std::ostream& sink)
      : err_(std::cerr.rdbuf(sink.rdbuf())), out_(std::cout.rdbuf(sink.rdbuf())) {}
  ~QuietStreams() {
    std::cerr.rdbuf(err_);
    std::cout.rdbuf(out_);
  }

 private:
  std::streambuf* err_;
  std::streambuf* out_;
};

}  // namespace

std::string toGiacText(const Node& node, std::string& error) {
  try {
    return translate(node);
  } catch (const Failure& failure) {
    error = failure.message;
  } catch (const std::exception&) {
    error = "Zahl zu groß";
  }
  return {};
}

struct GiacBackend::State {
  giac::context context;
  std::ostringstream messages;  // Giac's warnings go here, never to stderr
  Watchdog watchdog{[] {
    giac::ctrl_c = true;
    giac::interrupted = true;
  }};

  giac::gen evaluate(const std::string& text) {
    giac::gen parsed(text, &context);
    return giac::eval(parsed, 1, &context);
  }

  // Exact values are rounded once; other values are computed with 20 digits
  // first, since Giac's double evaluation can lose digits (cot(3.15)).
  std::string approxAnswer(const giac::gen& exact) {
    giac::gen value = exact;
    if (!isRealNumber(value)) {
      value = giac::_evalf(giac::gen(giac::makevecteur(exact, 20), giac::_SEQ__VECT), &context);
    }
    if (isRealNumber(value)) {
      double number = toDouble(value, &context);
      return std::isfinite(number) ? formatNumber(number) : kUndefined;
    }
    if (hasVariable(value)) return printTerm(giac::evalf(exact, 1, &context), &context);
    return kUndefined;
  }

  // Decides how each FOURIER in the request is formed, inner ones first, as
  // their series are part of the outer ones' terms and interval ends.
  void planFourier(const Node& node, FourierForms& forms) {
    for (const NodePtr& argument : node.args) planFourier(*argument, forms);
    if (node.kind != NodeKind::Call || node.text != "fourier") return;
    giac::gen f = evaluate(translate(*node.args[0], &forms));
    giac::gen t1 = evaluate(translate(*node.args[2], &forms));
    giac::gen t2 = evaluate(translate(*node.args[3], &forms));
    // Giac's integrator recurses until the stack overflows on the coefficient
    // integrals when an end is undefined (FOURIER(x,x,0,undef,1)); such a
    // series has no value anyway.
    if (hasUndefined(t1) || hasUndefined(t2)) {
      forms[&node] = FourierForm::Undefined;
      return;
    }
    // The coefficients hold sines and cosines of 2*pi*k*t/(t2-t1) at both ends.
    giac::gen period = giac::normal(t2 - t1, &context);
    bool large = hasLargeAngle(f, &context) || hasLargeAngle(t1, &context) ||
                 hasLargeAngle(t2, &context) ||
                 (!giac::is_zero(period, &context) &&
                  (largeDenominator(giac::normal(t1 / period, &context)) ||
                   largeDenominator(giac::normal(t2 / period, &context))));
    if (large) forms[&node] = FourierForm::Normal;
  }

  // Derivatives and antiderivatives come back as Giac forms them or
  // simplified, whichever is shorter.
  std::string shorterAnswer(const std::string& text) {
    giac::gen value = evaluate(text);
    std::string plain = printTerm(value, &context);
    if (hasLargeAngle(value, &context)) return plain;
    std::string simplified = printTerm(evaluate("simplify(" + text + ")"), &context);
    return simplified.size() < plain.size() ? simplified : plain;
  }
};

GiacBackend::GiacBackend() : state_(std::make_unique<State>()) {
  giac::logptr(&state_->messages, &state_->context);
}

GiacBackend::~GiacBackend() = default;

std::string GiacBackend::answer(const Node& request) {
  std::string error;
  std::string text = toGiacText(request, error);
  if (text.empty()) return "Fehler: " + error;

  CLocale cLocale;
  QuietStreams quiet(state_->messages);
  state_->watchdog.arm(timeLimit_);
  std::string result;
  try {
    FourierForms forms;
    state_->planFourier(request, forms);
    text = translate(request, &forms);
    if (request.kind == NodeKind::Call && request.text == "approx") {
      // Exact first, so that rational values are rounded only once.
      giac::gen exact = state_->evaluate(translate(*request.args[0], &forms));
      result = state_->approxAnswer(exact);
    } else if (request.kind == NodeKind::Call &&
               (request.text == "diff" || (request.text == "int" && request.args.size() == 2))) {
      result = state_->shorterAnswer(text);
    } else {
      result = printTerm(state_->evaluate(text), &state_->context);
    }
  } catch (const std::exception& exception) {
    result = std::string("Fehler: ") + exception.what();
  } catch (...) {
    result = "Fehler: Rechnung fehlgeschlagen";
  }
  bool timedOut = state_->watchdog.disarm();
  if (timedOut || giac::ctrl_c || giac::interrupted) {
    giac::ctrl_c = false;
    giac::interrupted = false;
    result = "Fehler: Zeitlimit überschritten";
  }
  state_->messages.str({});
  if (result.find("Integer_too_large") != std::string::npos) result = "Fehler: Zahl zu groß";
  return result;
}

}  // namespace symbolic
