#include "symbolic/giac_backend.h"

#include <giac/giac.h>

#include <clocale>
#include <functional>
#include <cmath>
#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>
#include <unordered_map>

#include "symbolic/giac_errors.h"
#include "symbolic/giac_forms.h"
#include "symbolic/giac_input.h"
#include "symbolic/giac_printer.h"
#include "symbolic/number_format.h"
#include "symbolic/size_guard.h"
#include "symbolic/watchdog.h"

namespace symbolic {
namespace {

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

// True if the request names the imaginary unit anywhere; otherwise its terms
// are real and so must be its answers.
bool mentionsImaginaryUnit(const Node& node) {
  if (node.kind == NodeKind::Symbol && node.text == "i") return true;
  return std::any_of(node.args.begin(), node.args.end(),
                     [](const NodePtr& argument) { return mentionsImaginaryUnit(*argument); });
}

bool isCall(const Node& node, const char* name, size_t arguments = 0) {
  return node.kind == NodeKind::Call && node.text == name &&
         (arguments == 0 || node.args.size() == arguments);
}

// A value as a double, NaN where it is no real number.
double numericValue(const giac::gen& g, giac::context* context) {
  giac::gen value = giac::evalf_double(g, 1, context);
  return value.type == giac::_DOUBLE_ ? value._DOUBLE_val : NAN;
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

struct GiacBackend::State {
  giac::context context;
  std::chrono::steady_clock::time_point deadline;
  std::ostringstream messages;  // Giac's warnings go here, never to stderr
  Watchdog watchdog{[] {
    giac::ctrl_c = true;
    giac::interrupted = true;
  }};

  // Runs work within a share of the time left, then re-arms the watchdog for
  // the rest of the request.
  bool limited(const std::function<void()>& work, double share) {
    using std::chrono::milliseconds;
    auto left = [&] {
      return std::max(milliseconds(1), std::chrono::duration_cast<milliseconds>(
                                           deadline - std::chrono::steady_clock::now()));
    };
    watchdog.disarm();
    watchdog.arm(milliseconds(static_cast<long>(static_cast<double>(left().count()) * share) + 1));
    bool finished = true;
    try {
      work();
    } catch (const std::exception&) {
      finished = false;
    }
    if (watchdog.disarm() || giac::ctrl_c || giac::interrupted) {
      finished = false;
      giac::ctrl_c = false;
      giac::interrupted = false;
    }
    watchdog.arm(left());
    return finished;
  }

  std::string formAnswer(const Node& request) {
    GiacTools tools{
        &context, !mentionsImaginaryUnit(request),
        [this](const Node& term) { return evaluate(translate(term)); },
        [this, &request](const giac::gen& value) {
          return readableAnswer(value, !mentionsImaginaryUnit(request));
        },
        [this](const std::function<void()>& work, double share) { return limited(work, share); }};
    return symbolic::formAnswer(request, tools);
  }

  giac::gen evaluate(const std::string& text) {
    giac::gen parsed(text, &context);
    if (text.find("integrate(") != std::string::npos &&
        (text.find("sign(") != std::string::npos || text.find("abs(") != std::string::npos)) {
      parsed = splitAtKinks(parsed);
    }
    return giac::eval(parsed, 1, &context);
  }

  // Giac integrates sign wrongly (integrate(sign(x),x,-1,1) gives 2*sign(x)),
  // and so every Fourier coefficient of sign(x). Definite integrals of terms
  // with sign or abs are therefore split where their arguments change sign;
  // on each piece sign and abs are what they are there. Walks the parsed,
  // not yet evaluated request.
  giac::gen splitAtKinks(const giac::gen& g) {
    if (g.type == giac::_VECT) {
      giac::vecteur elements;
      for (const giac::gen& element : *g._VECTptr) elements.push_back(splitAtKinks(element));
      return giac::gen(elements, g.subtype);
    }
    if (g.type != giac::_SYMB) return g;
    giac::gen leaf = splitAtKinks(g._SYMBptr->feuille);
    if (g._SYMBptr->sommet == giac::at_integrate && leaf.type == giac::_VECT &&
        leaf._VECTptr->size() == 4) {
      if (std::optional<giac::gen> split = integrateAtKinks(*leaf._VECTptr)) return *split;
    }
    return giac::symbolic(g._SYMBptr->sommet, leaf);
  }

  static giac::vecteur kinksOf(const giac::gen& f) {
    return giac::lop(f, std::vector<const giac::unary_function_ptr*>{giac::at_sign, giac::at_abs});
  }

  // The sign an argument keeps between two places: 1, -1, 0, or nothing where
  // samples across the piece disagree (a place the solver did not report).
  std::optional<int> signBetween(const giac::gen& argument, const giac::gen& x, double from,
                                 double to) {
    constexpr int kSamples = 16;
    std::optional<int> sign;
    for (int k = 0; k < kSamples; ++k) {
      double t = from + (to - from) * (k + 0.5) / kSamples;
      double value = numericValue(giac::subst(argument, x, giac::gen(t), false, &context), &context);
      if (!std::isfinite(value)) return std::nullopt;
      int here = value > 0 ? 1 : value < 0 ? -1 : 0;
      if (sign && *sign != here) return std::nullopt;
      sign = here;
    }
    return sign;
  }

  // integrate(f, x, a, b) as the sum over the pieces between the places where
  // an argument of sign or abs in f is zero; nothing where f has no such
  // argument or the places cannot be found for sure (Giac then integrates as
  // it is).
  std::optional<giac::gen> integrateAtKinks(const giac::vecteur& args) {
    const giac::gen& x = args[1];
    if (x.type != giac::_IDNT) return std::nullopt;
    giac::gen f = giac::eval(args[0], 1, &context);
    giac::vecteur kinks = kinksOf(f);
    if (kinks.empty()) return std::nullopt;
    giac::gen a = giac::eval(args[2], 1, &context);
    giac::gen b = giac::eval(args[3], 1, &context);
    double lower = numericValue(a, &context), upper = numericValue(b, &context);
    if (!std::isfinite(lower) || !std::isfinite(upper) || lower == upper) return std::nullopt;
    const bool reversed = lower > upper;
    if (reversed) {
      std::swap(a, b);
      std::swap(lower, upper);
    }

    std::vector<std::pair<double, giac::gen>> places{{lower, a}};
    for (const giac::gen& kink : kinks) {
      if (!addZeros(kink._SYMBptr->feuille, x, lower, upper, places)) return std::nullopt;
    }
    places.emplace_back(upper, b);
    std::sort(places.begin() + 1, places.end() - 1,
              [](const auto& p, const auto& q) { return p.first < q.first; });
    places.erase(std::unique(places.begin(), places.end(),
                             [](const auto& p, const auto& q) { return p.first == q.first; }),
                 places.end());

    giac::gen total = 0;
    for (size_t i = 0; i + 1 < places.size(); ++i) {
      const double from = places[i].first, to = places[i + 1].first;
      giac::gen piece = f;
      // abs(abs(x)-1): the inner abs stays in the outer one's argument at first.
      for (giac::vecteur found = kinksOf(piece); !found.empty(); found = kinksOf(piece)) {
        giac::vecteur values;
        for (const giac::gen& kink : found) {
          const giac::gen& argument = kink._SYMBptr->feuille;
          std::optional<int> sign = signBetween(argument, x, from, to);
          if (!sign) return std::nullopt;
          values.push_back(kink._SYMBptr->sommet == giac::at_sign ? giac::gen(*sign)
                                                                  : giac::gen(*sign) * argument);
        }
        piece = giac::subst(piece, found, values, false, &context);
      }
      total = total + giac::_integrate(giac::gen(giac::makevecteur(piece, x, places[i].second,
                                                                   places[i + 1].second),
                                                 giac::_SEQ__VECT),
                                       &context);
    }
    if (places.size() > 2) total = giac::normal(total, &context);
    return reversed ? -total : total;
  }

  // Adds the zeros of an argument between two places. The solver gives
  // periodic zeros with an integer parameter (n_0*pi for sin(x)); each is
  // taken for every integer that puts it between the places.
  bool addZeros(const giac::gen& argument, const giac::gen& x, double lower, double upper,
                std::vector<std::pair<double, giac::gen>>& places) {
    constexpr double kMaxZeros = 1000;
    constexpr int kGeneralSolutions = 2;
    for (const giac::gen& root : giac::solve(argument, x, kGeneralSolutions, &context)) {
      giac::vecteur names = giac::lidnt(root);
      names.erase(std::remove_if(names.begin(), names.end(),
                                 [](const giac::gen& name) {
                                   return name.print(giac::context0) == "pi";
                                 }),
                  names.end());
      if (names.size() > 1) return false;
      if (names.empty()) {
        double place = numericValue(root, &context);
        if (!std::isfinite(place)) return false;
        if (place > lower && place < upper) places.emplace_back(place, root);
        continue;
      }
      auto zero = [&](double k) { return giac::subst(root, names.front(), giac::gen(k), false, &context); };
      const double start = numericValue(zero(0), &context);
      const double step = numericValue(zero(1), &context) - start;
      if (!std::isfinite(start) || !std::isfinite(step) || step == 0) return false;
      double first = std::ceil((lower - start) / step), last = std::floor((upper - start) / step);
      if (first > last) std::swap(first, last);
      if (last - first > kMaxZeros || std::abs(first) > 1e6 || std::abs(last) > 1e6) return false;
      for (double k = first - 1; k <= last + 1; ++k) {
        giac::gen exact = giac::subst(root, names.front(), giac::gen(static_cast<int>(k)), false,
                                      &context);
        double place = numericValue(exact, &context);
        if (place > lower && place < upper) places.emplace_back(place, exact);
      }
    }
    return true;
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

  // Derivatives and antiderivatives come back in the shortest of the forms a
  // textbook may write: as Giac forms them, simplified, in normal form, or
  // factored over the rationals (common factors of a sum pulled out). A tie
  // keeps the earlier form. For a real request only real forms count; nothing
  // when there is none.
  std::optional<std::string> readableAnswer(const giac::gen& value, bool real) {
    const std::string plain = printTerm(value, &context);
    std::optional<std::string> best;
    if (!real || !giac::has_i(value)) best = plain;
    auto consider = [&](const giac::gen& form) {
      if ((real && giac::has_i(form)) || hasUndefined(form)) return;
      std::string text = printTerm(form, &context);
      if (!best || text.size() < best->size()) best = std::move(text);
    };
    // Large angles make simplify take minutes; long terms make factoring slow
    // and have no short form anyway.
    if (hasLargeAngle(value, &context) || plain.size() > kMaxFormLength) return best;
    const std::function<giac::gen(const giac::gen&)> forms[] = {
        [&](const giac::gen& g) {
          return giac::eval(giac::symbolic(giac::at_simplify, g), 1, &context);
        },
        [&](const giac::gen& g) { return giac::normal(g, &context); },
        [&](const giac::gen& g) { return giac::factor(g, false, &context); },
    };
    for (const auto& form : forms) {
      try {
        consider(form(value));
      } catch (const std::exception&) {
        // A form Giac cannot make is no candidate; the time limit is checked
        // after the whole request.
      }
    }
    return best;
  }

  static constexpr size_t kMaxFormLength = 400;

  // An antiderivative without an elementary form: Giac leaves an integral
  // unevaluated, or answers with a function the term reader does not know
  // (igamma for exp(x^3)). Roots of polynomials (rootof) are elementary.
  static bool elementary(const std::string& antiderivative) {
    if (antiderivative.find("integrate(") != std::string::npos) return false;
    return antiderivative.find("rootof(") != std::string::npos || parse(antiderivative);
  }

  // A definite integral of a real term that Giac writes with the imaginary
  // unit (through erf of imaginary arguments) by its real value.
  std::string realIntegral(const giac::gen& value) {
    giac::gen number =
        giac::_evalf(giac::gen(giac::makevecteur(value, 20), giac::_SEQ__VECT), &context);
    double re = numericValue(giac::re(number, &context), &context);
    double im = numericValue(giac::im(number, &context), &context);
    if (!std::isfinite(re) || !std::isfinite(im) || std::abs(im) > 1e-12 * std::max(1.0, std::abs(re))) {
      return kUndefined;
    }
    return formatNumber(re);
  }

  std::string termAnswer(const Node& request, const std::string& text) {
    giac::gen value = evaluate(text);
    if (value.type == giac::_STRNG) return "Fehler: " + germanError(*value._STRNGptr);
    if (hasUndefined(value)) return kUndefined;
    const bool real = !mentionsImaginaryUnit(request);
    if (isCall(request, "diff") || isCall(request, "int", 2)) {
      std::optional<std::string> answer = readableAnswer(value, real);
      if (isCall(request, "diff")) return answer ? *answer : "Fehler: kein reelles Ergebnis";
      if (!answer || !elementary(*answer)) return "Fehler: keine elementare Stammfunktion";
      return *answer;
    }
    if (real && giac::has_i(value)) {
      if (isCall(request, "int", 4)) return realIntegral(value);
      if (isCall(request, "taylor") || isCall(request, "fourier")) {
        return "Fehler: kein reelles Ergebnis";
      }
    }
    return printTerm(value, &context);
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
  if (tooLarge(request)) return "Fehler: Zahl zu groß";

  CLocale cLocale;
  QuietStreams quiet(state_->messages);
  state_->deadline = std::chrono::steady_clock::now() + timeLimit_;
  state_->watchdog.arm(timeLimit_);
  std::string result;
  try {
    FourierForms forms;
    if (request.kind == NodeKind::Call && isTopCommand(request.text)) {
      result = state_->formAnswer(request);
    } else if (request.kind == NodeKind::Call && request.text == "approx") {
      // Exact first, so that rational values are rounded only once.
      state_->planFourier(request, forms);
      giac::gen exact = state_->evaluate(translate(*request.args[0], &forms));
      result = state_->approxAnswer(exact);
    } else {
      state_->planFourier(request, forms);
      result = state_->termAnswer(request, translate(request, &forms));
    }
  } catch (const std::exception& exception) {
    result = "Fehler: " + germanError(exception.what());
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
  return result;
}

}  // namespace symbolic
