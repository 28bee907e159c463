#include "symbolic/giac_backend.h"

#include <giac/giac.h>

#include <clocale>
#include <cmath>
#include <iostream>
#include <sstream>

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

std::string translate(const Node& node);

// a0/2 + sum of a_k cos(k w x) + b_k sin(k w x), k = 1..n, w = 2 pi/(t2 - t1),
// with the coefficients integrated over [t1, t2].
std::string fourierSeries(const Node& node) {
  std::string f = wrap(translate(*node.args[0]));
  std::string x = variable(*node.args[1], "FOURIER");
  std::string t1 = wrap(translate(*node.args[2]));
  std::string t2 = wrap(translate(*node.args[3]));
  int n = smallInteger(*node.args[4], "FOURIER", kMaxSeriesTerms);
  std::string period = wrap(t2 + "-" + t1);
  std::string series =
      "simplify(1/" + period + "*integrate(" + f + "," + x + "," + t1 + "," + t2 + "))";
  for (int k = 1; k <= n; ++k) {
    std::string angle = wrap(std::to_string(2 * k) + "*pi/" + period + "*" + x);
    for (const char* wave : {"cos", "sin"}) {
      std::string basis = std::string(wave) + "(normal" + angle + ")";
      series += "+simplify(2/" + period + "*integrate(" + f + "*" + basis + "," + x + "," + t1 +
                "," + t2 + "))*" + basis;
    }
  }
  return series;
}

std::string command(const Node& node) {
  const std::string& name = node.text;
  auto arg = [&](size_t i) { return translate(*node.args[i]); };
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
  return fourierSeries(node);
}

std::string translate(const Node& node) {
  switch (node.kind) {
    case NodeKind::Number:
      return exactNumber(node.text);
    case NodeKind::Symbol:
      return node.text == "e" ? "exp(1)" : node.text;
    case NodeKind::Call: {
      if (isCommand(node.text)) return command(node);
      std::string text = node.text + "(";
      for (size_t i = 0; i < node.args.size(); ++i)
        text += (i ? "," : "") + translate(*node.args[i]);
      return text + ")";
    }
    case NodeKind::Negate:
      return "-" + wrap(translate(*node.args[0]));
    default: {
      static constexpr const char* kOperators[] = {"+", "-", "*", "/", "^"};
      int index = static_cast<int>(node.kind) - static_cast<int>(NodeKind::Add);
      return wrap(translate(*node.args[0])) + kOperators[index] + wrap(translate(*node.args[1]));
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

  // Derivatives and antiderivatives come back as Giac forms them or
  // simplified, whichever is shorter.
  std::string shorterAnswer(const std::string& text) {
    std::string plain = printTerm(evaluate(text), &context);
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
    if (request.kind == NodeKind::Call && request.text == "approx") {
      // Exact first, so that rational values are rounded only once.
      giac::gen exact = state_->evaluate(translate(*request.args[0]));
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
