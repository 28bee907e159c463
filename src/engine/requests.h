#pragma once
// The one place where engine requests are written. Each form the program
// sends has a function here; a text the user typed becomes engine notation
// in one place only, EngineTerm::fromUser.

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

#include "engine/engine.h"

// A term or number in engine notation, kept apart from the user's texts.
class EngineTerm {
 public:
  EngineTerm() = default;
  // A text as the user types it, decimal comma and "1,5E-07" (komma2point).
  static EngineTerm fromUser(const QString& typed);
  // A text that goes into requests as it stands: an engine answer, or a
  // field that holds engine notation (the derivative fields, the integrand,
  // the differential equations).
  static EngineTerm asIs(const QString& text) { return EngineTerm(text); }
  // A number with the significant digits of its type, 7 or 15.
  static EngineTerm number(float value);
  static EngineTerm number(double value);

  const QString& text() const { return text_; }
  bool isEmpty() const { return text_.isEmpty(); }
  // The text as the user reads it: every decimal point a comma (point2komma).
  QString forUser() const;
  bool operator==(const EngineTerm&) const = default;

 private:
  explicit EngineTerm(QString text) : text_(std::move(text)) {}
  QString text_;
};

// The value of a term at a point. Besides a number, only "undef" is an
// answer about the point (ln(x) at -1); any other answer means the term is
// no function of x (a syntax error, 2y+1): it has no value anywhere.
struct FunctionValue {
  std::optional<double> value;
  bool termFaulty = false;
};

// APPROX(SUBST(term,x,number)), x written with the digits of its type; the
// request of every graph sample, written without temporaries.
FunctionValue Funktionswert(Engine& engine, const EngineTerm& term, float x);
FunctionValue Funktionswert(Engine& engine, const EngineTerm& term, double x);
// A member of a family, the term with its parameter's value:
// SUBST(term,t,value), with the value's double digits. Its graph samples are
// answered from one compiled form of the term, whatever the value.
EngineTerm withParameter(const EngineTerm& term, QChar letter, double value);
// The same request with x as a number text, answered as the engine gives it.
QString valueAnswer(Engine& engine, const EngineTerm& term, const EngineTerm& x);

// SUBST(term,name,value), and with blanks after the commas as the slope
// field writes it: SUBST(term, name, value). The answer is a term again.
EngineTerm substitute(Engine& engine, const EngineTerm& term, const char* name,
                      const EngineTerm& value);
EngineTerm substituteSpaced(Engine& engine, const EngineTerm& term, const char* name,
                            const EngineTerm& value);
// APPROX(term) as the engine answers it, and read as a number.
QString approximate(Engine& engine, const EngineTerm& term, int32_t capacity = Engine::kCapacity);
std::optional<double> approximateNumber(Engine& engine, const EngineTerm& term);

// diff(f,x) for the first derivative, diff(f,x,n) for higher ones.
EngineTerm derivative(Engine& engine, const EngineTerm& f, int order);
// INT(f,x): the antiderivative, or the engine's failure text.
QString antiderivativeAnswer(Engine& engine, const EngineTerm& f);
// INT(f,x,lower,upper), then approx(<that answer>), answered as the engine gives it.
QString definiteIntegralAnswer(Engine& engine, const EngineTerm& f, const EngineTerm& lower,
                               const EngineTerm& upper);
// INT(f,x,lower,upper) as the engine answers it: the exact value, or a
// failure ("Fehler: ...").
QString definiteIntegralExact(Engine& engine, const EngineTerm& f, const EngineTerm& lower,
                              const EngineTerm& upper);
// TAYLOR(term,x,0,degree), the degree as typed.
QString taylorAnswer(Engine& engine, const EngineTerm& term, const QString& degree);
// FOURIER(term, x,t1,t2,n), n as typed; its answer is itself a request whose
// answer, the series, is then approximated. Every step with the larger room.
QString fourierAnswer(Engine& engine, const EngineTerm& term, const EngineTerm& t1,
                      const EngineTerm& t2, const QString& n);

// The forms of the analysis tools. A failure of the engine ("Fehler: ...")
// comes back as `failure`, in German.

// One real solution: exact (textbook form, "1+sqrt(2)") or numeric.
struct Solution {
  EngineTerm exact;  // empty for a numeric one
  double value = 0;  // the exact one approximated, or the numeric one
  bool numeric() const { return exact.isEmpty(); }
};
struct Solutions {
  QList<Solution> solutions;  // ascending
  // A periodic term: the solutions hold the integer k ("pi/6+2*k*pi") and
  // stand for infinitely many.
  bool general = false;
  QString failure;
};
// SOLVE(equation,x) and SOLVE(equation,x,a,b) for [a, b]; the equation
// "lhs=rhs", or a term meaning term = 0.
Solutions solve(Engine& engine, const EngineTerm& equation);
Solutions solve(Engine& engine, const EngineTerm& equation, const EngineTerm& from,
                const EngineTerm& to);

// SOLVE(equation,name): the solutions for another letter than x (a
// family's parameter); they are terms, their values NaN where x is in them.
Solutions solveFor(Engine& engine, const EngineTerm& equation, QChar name);

// LIMIT(term,x,point), and from one side: LIMIT(term,x,point,1) from the
// right, LIMIT(term,x,point,-1) from the left. The point may be inf or -inf.
enum class Side { Both, Right, Left };
struct Limit {
  enum class Kind { Value, PlusInfinity, MinusInfinity, None, Failed };
  Kind kind = Kind::Failed;
  EngineTerm value;  // Kind::Value
  QString failure;   // Kind::Failed
};
Limit limit(Engine& engine, const EngineTerm& term, const EngineTerm& point,
            Side side = Side::Both);

// SIMPLIFY(term) and FACTOR(term): the term, or the failure when the engine refuses.
struct Rewritten {
  EngineTerm term;
  QString failure;  // empty on success
};
Rewritten simplify(Engine& engine, const EngineTerm& term);
Rewritten factor(Engine& engine, const EngineTerm& term);
// VALUE(term,x,point): the exact value at an exact point, "1" for x^2-2*x at
// 1+sqrt(2); an empty term where the term has no real value there.
Rewritten exactValue(Engine& engine, const EngineTerm& term, const EngineTerm& point);
