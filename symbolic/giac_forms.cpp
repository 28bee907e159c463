#include "symbolic/giac_forms.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "symbolic/giac_input.h"
#include "symbolic/giac_printer.h"
#include "symbolic/number_format.h"
#include "symbolic/numeric.h"
#include "symbolic/root_scan.h"

namespace symbolic {
namespace {

using giac::gen;

constexpr size_t kMaxSolutions = 100;
// Members of a family of solutions that is not evenly spaced (1/(k*pi)) are
// looked for among the first integers up to this one.
constexpr int kFamilyProbe = 400;

const char* const kTooMany = "Fehler: mehr als 100 Lösungen im Intervall";

bool isError(const std::string& answer) {
  return answer.rfind("Fehler", 0) == 0;
}

gen sequence(const giac::vecteur& arguments) {
  return gen(arguments, giac::_SEQ__VECT);
}

bool hasFloat(const gen& g) {
  if (g.type == giac::_DOUBLE_ || g.type == giac::_REAL) return true;
  if (g.type == giac::_SYMB) return hasFloat(g._SYMBptr->feuille);
  if (g.type == giac::_VECT) return std::any_of(g._VECTptr->begin(), g._VECTptr->end(), hasFloat);
  if (g.type == giac::_FRAC) return hasFloat(g._FRACptr->num) || hasFloat(g._FRACptr->den);
  return false;
}

bool hasName(const gen& g, const char* name) {
  for (const gen& id : giac::lidnt(g)) {
    if (id.print(giac::context0) == name) return true;
  }
  return false;
}

// Names in g that are not in `known` (Giac's integer parameters n_0, n_1, ...).
giac::vecteur newNames(const gen& g, const giac::vecteur& known) {
  giac::vecteur names;
  for (const gen& id : giac::lidnt(g)) {
    const std::string name = id.print(giac::context0);
    if (name == "pi") continue;
    if (std::none_of(known.begin(), known.end(),
                     [&](const gen& k) { return k.print(giac::context0) == name; })) {
      names.push_back(id);
    }
  }
  return names;
}

// A rational function of x: numbers, x, + - * / and integer powers. Its
// zeros are those of a polynomial, which Giac finds completely (numerically
// where not exactly).
bool isRational(const Node& node, const std::string& x) {
  switch (node.kind) {
    case NodeKind::Number:
      return true;
    case NodeKind::Symbol:
      return node.text == x;
    case NodeKind::Call:
      return false;
    case NodeKind::Power:
      return isRational(*node.args[0], x) && node.args[1]->kind == NodeKind::Number &&
             node.args[1]->text.find_first_not_of("0123456789") == std::string::npos;
    default:
      return std::all_of(node.args.begin(), node.args.end(),
                         [&](const NodePtr& a) { return isRational(*a, x); });
  }
}

bool uses(const Node& node, const char* function) {
  if (node.kind == NodeKind::Call && node.text == function) return true;
  return std::any_of(node.args.begin(), node.args.end(),
                     [&](const NodePtr& a) { return uses(*a, function); });
}

// Top-level factors of a value, a power counted once.
size_t factorCount(const gen& g) {
  if (g.type != giac::_SYMB) return 1;
  if (g._SYMBptr->sommet == giac::at_neg) return factorCount(g._SYMBptr->feuille);
  if (g._SYMBptr->sommet != giac::at_prod || g._SYMBptr->feuille.type != giac::_VECT) return 1;
  return g._SYMBptr->feuille._VECTptr->size();
}

// Giac only looks at its interruption flag now and then; loops over many
// Giac calls look themselves.
void stopWhenInterrupted() {
  if (giac::ctrl_c || giac::interrupted) throw std::runtime_error("Stopped by user interruption");
}

struct Solution {
  double at;
  std::string text;
};

class Forms {
 public:
  explicit Forms(GiacTools& tools) : t_(tools), c_(tools.context) {}

  std::string answer(const Node& request) {
    const std::string& name = request.text;
    if (name == "solve") return solve(request);
    const gen f = t_.evaluate(*request.args[0]);
    if (name == "simplify") return simplified(f);
    if (name == "factor") return factored(f);
    const gen x(request.args[1]->text, c_);
    const gen point = t_.evaluate(*request.args[2]);
    if (name == "value") return valueAt(f, x, point);
    return limit(f, x, point, request.args.size() == 4 ? limitSide(request) : 0);
  }

 private:
  GiacTools& t_;
  giac::context* c_;

  // A value's real number with 30 digits; NaN where it has none, an infinity
  // where it is real but beyond a double (sqrt(10^1000+7)).
  double real(const gen& g) {
    if (hasUndefined(g)) return NAN;
    gen v = giac::_evalf(sequence(giac::makevecteur(g, 30)), c_);
    if (hasUndefined(v) || giac::is_inf(v)) return NAN;
    const double re = toDouble(giac::re(v, c_), c_), im = toDouble(giac::im(v, c_), c_);
    if (std::isnan(re) || !std::isfinite(im)) return NAN;
    return std::fabs(im) <= 1e-20 * std::max(1.0, std::fabs(re)) ? re : NAN;
  }

  std::string text(const gen& g) {
    std::optional<std::string> form = t_.readable(g);
    return form ? *form : "Fehler: kein reelles Ergebnis";
  }

  std::string simplified(const gen& f) {
    if (hasUndefined(f)) return kUndefined;
    return text(f);
  }

  std::string factored(const gen& f) {
    if (hasUndefined(f)) return kUndefined;
    const gen factors = giac::factor(f, false, c_);
    const bool isProduct =
        factors.type == giac::_SYMB &&
        (factors._SYMBptr->sommet == giac::at_prod || factors._SYMBptr->sommet == giac::at_pow ||
         factors._SYMBptr->sommet == giac::at_neg);
    if (!isProduct || (t_.real && giac::has_i(factors))) return simplified(f);
    // A term typed as a product keeps its order unless it factors further.
    if (factorCount(factors) <= factorCount(f) && !giac::has_i(f)) return printTerm(f, c_);
    return printTerm(factors, c_);
  }

  // Undefined where the term has no real value at the point, also where a
  // limit would exist ((x^2-1)/(x-1) at 1).
  std::string valueAt(const gen& f, const gen& x, const gen& point) {
    const gen v = giac::eval(giac::subst(f, x, point, false, c_), 1, c_);
    if (hasUndefined(v) || giac::is_inf(v)) return kUndefined;
    if (newNames(v, {}).empty() && std::isnan(real(v))) return kUndefined;
    return text(v);
  }

  std::string limit(const gen& f, const gen& x, const gen& point, int side) {
    giac::vecteur arguments = giac::makevecteur(f, x, point);
    if (side != 0) arguments.push_back(side);
    gen l;
    try {
      l = giac::_limit(sequence(arguments), c_);
    } catch (const std::exception& e) {
      // Giac tells when the one-sided limits differ: there is no limit.
      if (std::string(e.what()).find("distinct") != std::string::npos) return kUndefined;
      if (side != 0) throw;
      // Where the term has real values on one side only (ln(x) at 0), the
      // limit is that side's.
      std::string sides[2];
      for (int i = 0; i < 2; ++i) {
        try {
          sides[i] = limit(f, x, point, i == 0 ? -1 : 1);
        } catch (const std::exception&) {
          sides[i] = "Fehler";
        }
      }
      auto usable = [](const std::string& side) { return !isError(side) && side != kUndefined; };
      if (usable(sides[0]) && usable(sides[1])) return sides[0] == sides[1] ? sides[0] : kUndefined;
      if (usable(sides[0]) || usable(sides[1])) return usable(sides[0]) ? sides[0] : sides[1];
      throw;
    }
    // (Giac's own infinity constants are declared differently from how the
    // library was built; their printed forms are reliable.)
    const std::string printed = l.print(c_);
    if (printed == "+infinity") return "inf";
    if (printed == "-infinity") return "-inf";
    if (hasUndefined(l) || giac::is_inf(l) || hasName(l, "bounded_function") ||
        printTerm(l, c_).find("bounded_function") != std::string::npos) {
      return kUndefined;
    }
    if (t_.real && newNames(l, {}).empty() && std::isnan(real(l))) return kUndefined;
    return text(l);
  }

  // ---- SOLVE ----

  struct Equation {
    gen f, lhs, rhs, x;
    std::string variable;
    std::optional<CompiledTerm> compiled;
    bool parameters = false;  // names besides x: answered exactly as Giac finds them
  };

  struct Family {
    gen root, k;
    double base, step;
    gen baseExact, stepExact;
  };

  // True if x = root satisfies the equation with real values on both sides.
  bool satisfies(const Equation& e, const gen& root) {
    if (e.parameters) return !(t_.real && giac::has_i(root));
    gen left = giac::subst(e.lhs, e.x, root, false, c_);
    gen right = giac::subst(e.rhs, e.x, root, false, c_);
    double l = real(left), r = real(right);
    if (std::isnan(l) || std::isnan(r)) {
      // A power of a negative root evaluated as a complex power leaves a
      // rounding rest in its imaginary part ((-sqrt(3))^2): simplified first.
      left = giac::normal(left, c_);
      right = giac::normal(right, c_);
      l = real(left);
      r = real(right);
    }
    if (std::isnan(l) || std::isnan(r)) return false;
    return std::fabs(real(left - right)) <= 1e-12 * (1 + std::fabs(l) + std::fabs(r));
  }

  // A root as a textbook writes it, or its numeric value marked with ~ where
  // Giac can only write it with i, rootof or a function pupils do not know.
  Solution exact(const gen& root, double at) {
    std::optional<std::string> form = t_.readable(root);
    if (form && parse(*form) && !hasFloat(root)) return {at, *form};
    return cubicOrNumeric(at, at);
  }

  // A root of a cubic factor written with roots or cosines, else the number.
  Solution cubicOrNumeric(double at, double number) {
    for (const Solution& s : cubicRoots_) {
      if (std::fabs(s.at - at) <= 1e-9 * (1 + std::fabs(at))) return {s.at, s.text};
    }
    return {at, "~" + formatNumber(number)};
  }

  // The three real roots of the cubic factors of a polynomial equation, which
  // Giac writes with i (casus irreducibilis), in the trigonometric form:
  // t^3+p*t+q = 0 has t = 2*sqrt(-p/3)*cos(acos(3*q/(2*p)*sqrt(-3/p))/3-2*k*pi/3).
  void findCubicRoots(const std::string& polynomial, const std::string& x) {
    const gen factors = giac::eval(gen("factors(numer(normal(" + polynomial + ")))", c_), 1, c_);
    if (factors.type != giac::_VECT) return;
    for (size_t i = 0; i < factors._VECTptr->size(); i += 2) {
      const std::string factor = (*factors._VECTptr)[i].print(c_);
      const gen c = giac::eval(gen("coeff(" + factor + "," + x + ")", c_), 1, c_);
      if (c.type != giac::_VECT || c._VECTptr->size() != 4) continue;
      const std::string a = "(" + (*c._VECTptr)[0].print(c_) + ")",
                        b = "(" + (*c._VECTptr)[1].print(c_) + ")";
      const std::string cc = "(" + (*c._VECTptr)[2].print(c_) + ")",
                        d = "(" + (*c._VECTptr)[3].print(c_) + ")";
      const std::string p = "((3*" + a + "*" + cc + "-" + b + "^2)/(3*" + a + "^2))";
      const std::string q = "((2*" + b + "^3-9*" + a + "*" + b + "*" + cc + "+27*" + a + "^2*" + d +
                            ")/(27*" + a + "^3))";
      const double discriminant = real(gen("-(4*" + p + "^3+27*" + q + "^2)", c_));
      if (discriminant < 0) {  // one real root: Cardano's formula with real cube roots
        std::string t;
        for (const char* sign : {"+", "-"}) {
          const std::string u = "(-" + q + "/2" + sign + "sqrt(" + q + "^2/4+" + p + "^3/27))";
          t += real(gen(u, c_)) < 0 ? "-(-" + u + ")^(1/3)" : "+" + u + "^(1/3)";
        }
        addCubicRoot(t + "-" + b + "/(3*" + a + ")");
      }
      if (!(discriminant > 0)) continue;
      for (int k = 0; k < 3; ++k) {
        addCubicRoot("2*sqrt(-" + p + "/3)*cos(acos(3*" + q + "/(2*" + p + ")*sqrt(-3/" + p +
                     "))/3-" + std::to_string(2 * k) + "*pi/3)-" + b + "/(3*" + a + ")");
      }
    }
  }

  void addCubicRoot(const std::string& formula) {
    const gen root = giac::eval(gen(formula, c_), 1, c_);
    std::optional<std::string> form = t_.readable(root);
    if (form && parse(*form) && !giac::has_i(root)) cubicRoots_.push_back({real(root), *form});
  }

  std::vector<Solution> cubicRoots_;

  std::string solve(const Node& request) {
    Equation e;
    const Node& term = *request.args[0];
    e.variable = request.args[1]->text;
    e.x = gen(e.variable, c_);
    e.f = t_.evaluate(term);
    if (term.kind == NodeKind::Subtract) {
      e.lhs = t_.evaluate(*term.args[0]);
      e.rhs = t_.evaluate(*term.args[1]);
    } else {
      e.lhs = e.f;
      e.rhs = 0;
    }
    e.parameters = !newNames(e.f, giac::makevecteur(e.x)).empty();
    if (onlyUses(term, e.variable)) e.compiled = CompiledTerm::compile(term, e.variable);
    const bool interval = request.args.size() == 4;
    double lower = -3, upper = 3;  // where "every number" is checked without an interval
    if (interval) {
      lower = real(t_.evaluate(*request.args[2]));
      upper = real(t_.evaluate(*request.args[3]));
      if (!std::isfinite(lower) || !std::isfinite(upper)) {
        return "Fehler: SOLVE erwartet ein Intervall aus zwei reellen Zahlen";
      }
      if (e.parameters) return "Fehler: ein Intervall nur für Gleichungen ohne weitere Variablen";
      if (lower > upper) std::swap(lower, upper);
    }

    // Asked for all solutions of periodic terms, Giac loses some others
    // (cosh(x)=2 gives none): the exact principal solutions are added.
    giac::vecteur roots;
    bool solved = true;
    auto solveExactly = [&] {
      roots = giac::solve(e.f, e.x, 2, c_);
      for (const gen& root : giac::solve(e.f, e.x, 0, c_)) {
        if (!hasFloat(root) && newNames(root, giac::lidnt(e.f)).empty() &&
            std::find(roots.begin(), roots.end(), root) == roots.end()) {
          roots.push_back(root);
        }
      }
    };
    if (interval) {  // the scan needs time of its own: Giac gets half of it
      solved = t_.limited(solveExactly, 0.5);
    } else {
      try {
        solveExactly();
      } catch (const std::exception&) {
        if (giac::ctrl_c || giac::interrupted) throw;
        solved = false;
      }
    }
    const bool rational = isRational(term, e.variable);
    if (uses(term, "floor") || uses(term, "ceil")) solved = false;  // Giac loses solutions of these
    if (rational && solved) {
      try {
        findCubicRoots(translate(term), e.variable);
      } catch (const std::exception&) {
        if (giac::ctrl_c || giac::interrupted) throw;  // otherwise the roots stay numeric
      }
    }
    bool complete = solved;
    std::vector<Solution> solutions;
    std::vector<Family> families;
    for (const gen& root : roots) {
      stopWhenInterrupted();
      if (!complete) break;
      giac::vecteur names = newNames(root, giac::lidnt(e.f));
      if (hasName(root, e.variable.c_str())) return everywhere(e, lower, upper);
      if (hasFloat(root) && !rational) {
        complete = false;
      } else if (names.size() == 1 && !e.parameters) {
        families.push_back(family(root, names.front()));
      } else if (!names.empty()) {
        complete = false;
      } else if (e.parameters) {
        if (satisfies(e, root)) solutions.push_back({NAN, text(root)});
      } else if (satisfies(e, root)) {
        const double at = real(root);
        solutions.push_back(hasFloat(root) ? cubicOrNumeric(at, polish(e, at)) : exact(root, at));
      }
    }
    if (!interval) {
      if (!complete) return "Fehler: keine exakte Lösung gefunden";
      return general(e, solutions, families);
    }
    if (!complete) {
      if (!e.compiled) return "Fehler: keine Lösung bestimmbar";
      solutions.clear();
      families.clear();
    }
    return within(e, solutions, families, lower, upper);
  }

  // Giac answers with x itself or a condition on x (x>0 for abs(x)=x).
  std::string everywhere(const Equation& e, double lower, double upper) {
    if (lower == upper) upper = lower + 1;
    for (double share : {0.13, 0.37, 0.61, 0.89}) {
      const gen at = giac::_evalf(gen(lower + share * (upper - lower)), c_);
      const double v = real(giac::subst(e.f, e.x, at, false, c_));
      if (!(std::fabs(v) <= 1e-12)) return "Fehler: unendlich viele Lösungen";
    }
    return "Fehler: jede Zahl ist eine Lösung";
  }

  // A root of the scan; exact where it is an integer or a fraction with a
  // small denominator that solves the equation exactly (0 for sin(x)=x/10).
  Solution numeric(const Equation& e, double r) {
    for (int q = 1; q <= 12; ++q) {
      const double p = std::round(r * q);
      if (std::fabs(p / q - r) > 1e-8 * (1 + std::fabs(r)) || std::fabs(p) > 1e9) continue;
      const gen candidate = gen(static_cast<int>(p)) / gen(q);
      const gen rest = giac::subst(e.f, e.x, candidate, false, c_);
      if (!hasUndefined(rest) && giac::is_zero(giac::normal(rest, c_), c_))
        return {r, printTerm(candidate, c_)};
      break;
    }
    return {r, "~" + formatNumber(r)};
  }

  // A numeric root of Giac's refined by bisection to neighbouring doubles
  // where the sign changes around it.
  double polish(const Equation& e, double at) {
    if (!e.compiled) return at;
    auto f = [&](double v) { return e.compiled->evaluate(v); };
    const double w = 1e-8 * (1 + std::fabs(at));
    double a = at - w, b = at + w, fa = f(a);
    if (!(fa * f(b) < 0)) return at;
    for (int step = 0; step < 100; ++step) {
      const double m = a + (b - a) / 2;
      if (m <= a || m >= b) break;
      const double fm = f(m);
      if (std::isnan(fm)) return at;
      if ((fm < 0) == (fa < 0)) {
        a = m;
        fa = fm;
      } else {
        b = m;
      }
    }
    return std::fabs(fa) <= std::fabs(f(b)) ? a : b;
  }

  // A family of solutions root(k), k an integer; its step is NaN where the
  // members are not evenly spaced.
  Family family(const gen& root, const gen& k) {
    auto member = [&](int n) { return giac::subst(root, k, gen(n), false, c_); };
    const double r0 = real(member(0)), r1 = real(member(1)), r2 = real(member(2));
    const double step = r1 - r0;
    Family f{root, k, r0, step, member(0), giac::normal(member(1) - member(0), c_)};
    if (std::isfinite(step) && step != 0 && std::fabs(r2 - r1 - step) <= 1e-9 * std::fabs(step)) {
      if (step < 0) {
        f.step = -step;
        f.stepExact = -f.stepExact;
      }
    } else {
      f.step = NAN;  // not evenly spaced
    }
    return f;
  }

  static std::string sorted(std::vector<Solution>& solutions) {
    // Solutions with parameters have no value to sort by and keep Giac's order.
    std::stable_sort(solutions.begin(), solutions.end(),
                     [](const Solution& a, const Solution& b) { return a.at < b.at; });
    std::string list = "[";
    for (size_t i = 0; i < solutions.size(); ++i) {
      if (i > 0 && std::fabs(solutions[i].at - solutions[i - 1].at) <=
                       1e-9 * (1 + std::fabs(solutions[i].at))) {
        continue;
      }
      list += (list.size() > 1 ? "," : "") + solutions[i].text;
    }
    return list + "]";
  }

  // All solutions: single ones and families written with the integer k.
  std::string general(const Equation& e, std::vector<Solution>& solutions,
                      std::vector<Family>& families) {
    for (Family& f : families) {
      if (!std::isfinite(f.step))
        return "Fehler: unendlich viele Lösungen, bitte ein Intervall angeben";
      const double shift = std::floor(f.base / f.step + 1e-9);
      if (std::fabs(shift) > 1e9) continue;  // left as Giac writes it
      f.baseExact = giac::normal(f.baseExact - gen(static_cast<int>(shift)) * f.stepExact, c_);
      f.base = real(f.baseExact);
    }
    // Families that together repeat at half their step are one family.
    for (bool merged = true; merged;) {
      merged = false;
      for (size_t i = 0; i < families.size() && !merged; ++i) {
        for (size_t j = 0; j < families.size() && !merged; ++j) {
          Family &a = families[i], &b = families[j];
          if (i == j || std::fabs(a.step - b.step) > 1e-9 * a.step) continue;
          const double offset = b.base - a.base;
          if (std::fabs(offset - a.step / 2) > 1e-9 * a.step) continue;
          a.step /= 2;
          a.stepExact = giac::normal(a.stepExact / 2, c_);
          families.erase(families.begin() + j);
          merged = true;
        }
      }
    }
    std::vector<Solution> all;
    for (const Solution& s : solutions) {
      const bool member = std::any_of(families.begin(), families.end(), [&](const Family& f) {
        const double k = (s.at - f.base) / f.step;
        return std::fabs(k - std::round(k)) <= 1e-9 * (1 + std::fabs(k));
      });
      if (!member) all.push_back(s);
    }
    for (const Family& f : families) {
      if (!satisfies(e, f.baseExact) ||
          !satisfies(e, giac::normal(f.baseExact + f.stepExact, c_))) {
        continue;
      }
      all.push_back({f.base, familyText(f)});
    }
    return sorted(all);
  }

  // base+2*k*pi, k*pi/2, base+k*step.
  std::string familyText(const Family& f) {
    const gen k(std::string("k"), c_);
    const gen ratio = giac::normal(f.stepExact / giac::cst_pi, c_);
    std::string steps;
    if (ratio.type == giac::_INT_ || ratio.type == giac::_FRAC) {
      steps = printTerm(
          giac::symbolic(giac::at_prod, sequence(giac::makevecteur(ratio, k, giac::cst_pi))), c_);
    } else {
      steps =
          printTerm(giac::symbolic(giac::at_prod, sequence(giac::makevecteur(k, f.stepExact))), c_);
    }
    if (f.base == 0) return steps;
    Solution base = exact(f.baseExact, f.base);
    return base.text + "+" + steps;
  }

  // The solutions between lower and upper: Giac's, where it found them
  // completely, and those of a scan of the interval, which finds what it
  // missed or could not write exactly.
  std::string within(const Equation& e, std::vector<Solution>& solutions,
                     std::vector<Family>& families, double lower, double upper) {
    auto inside = [&](double v) {
      const double tolerance = 1e-12 * (1 + std::fabs(v));
      return v >= lower - tolerance && v <= upper + tolerance;
    };
    std::vector<Solution> found;
    for (const Solution& s : solutions) {
      if (inside(s.at)) found.push_back(s);
    }
    for (const Family& f : families) {
      std::vector<int> ks;
      const bool even = std::isfinite(f.step);
      if (even) {
        const double first = std::ceil((lower - f.base) / f.step - 1e-9);
        const double last = std::floor((upper - f.base) / f.step + 1e-9);
        if (last - first + 1 > kMaxSolutions) return kTooMany;
        if (std::fabs(first) > 1e9 || std::fabs(last) > 1e9) continue;  // left to the scan
        for (double n = first; n <= last; ++n) ks.push_back(static_cast<int>(n));
      } else {
        for (int n = -kFamilyProbe; n <= kFamilyProbe; ++n) ks.push_back(n);
      }
      // Members are placed with doubles first; only those inside are made exactly.
      const gen k(std::string("k"), c_);
      std::optional<CompiledTerm> place;
      if (ParseResult parsed = parse(printTerm(giac::subst(f.root, f.k, k, false, c_), c_));
          parsed && onlyUses(*parsed.node, "k")) {
        place = CompiledTerm::compile(*parsed.node, "k");
      }
      if (place) {
        ks.erase(std::remove_if(ks.begin(), ks.end(),
                                [&](int n) { return !inside(place->evaluate(n)); }),
                 ks.end());
        if (ks.size() > kMaxSolutions) return kTooMany;
      }
      for (int n : ks) {
        stopWhenInterrupted();
        const gen member = giac::normal(giac::subst(f.root, f.k, gen(n), false, c_), c_);
        const double at = real(member);
        if (!std::isfinite(at) || !inside(at)) continue;
        if (!even && std::abs(n) == kFamilyProbe) return kTooMany;  // it goes on beyond the probe
        if (satisfies(e, member)) found.push_back(exact(member, at));
        if (found.size() > kMaxSolutions) return kTooMany;
      }
    }
    if (e.compiled) {
      RootScan scan =
          scanRoots([&](double v) { return e.compiled->evaluate(v); }, lower, upper, kMaxSolutions);
      if (scan.tooMany) return kTooMany;
      for (double r : scan.roots) {
        const bool known = std::any_of(found.begin(), found.end(), [&](const Solution& s) {
          return std::fabs(s.at - r) <= 1e-7 * (1 + std::fabs(r));
        });
        if (!known) found.push_back(numeric(e, r));
      }
    }
    if (found.size() > kMaxSolutions) return kTooMany;
    return sorted(found);
  }
};

}  // namespace

bool hasUndefined(const giac::gen& g) {
  if (giac::is_undef(g)) return true;
  for (const giac::gen& name : giac::lidnt(g)) {
    if (name.print(giac::context0) == "undef") return true;
  }
  return false;
}

std::string formAnswer(const Node& request, GiacTools& tools) {
  return Forms(tools).answer(request);
}

}  // namespace symbolic
