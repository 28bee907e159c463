#include "engine/funktionswert.h"

#include "engine/engine.h"
#include "engine/notation.h"
#include "engine/number_text.h"

#include <string>
#include <string_view>

namespace {

// The parts of APPROX(SUBST(term,x,number)) around the term and the number.
constexpr char kValueHead[] = "APPROX(SUBST(";
constexpr char kValueAtX[] = ",x,";
constexpr char kValueTail[] = "))";

// Besides a number, only "undef" is an answer about the value. A refusal
// ("Fehler: ...") or an expression that still holds a name (2y+1 at x = 1
// gives 2*y+1) means the term is no function of x: it has no value anywhere.
FunctionValue readValue(std::string_view answer) {
  FunctionValue result;
  result.value = parseAnswerNumber(answer);
  result.termFaulty = !result.value && answer != "undef";
  return result;
}

// The request of funktionswertAnfrage, written as bytes: a curve asks for
// hundreds of values of one term, so the term's part is kept from call to
// call and only the number is written anew.
class SampleRequest {
 public:
  std::string& at(const QString& engineTerm) {
    if (engineTerm != term_ || text_.empty()) {
      term_ = engineTerm;
      text_ = kValueHead + engineTerm.toStdString() + kValueAtX;
      prefix_ = text_.size();
    }
    text_.resize(prefix_);
    return text_;
  }

 private:
  QString term_;
  std::string text_;
  size_t prefix_ = 0;
};

template <typename Number>
FunctionValue askValue(Engine& engine, const QString& engineTerm, Number x) {
  thread_local SampleRequest sample;
  std::string& request = sample.at(engineTerm);
  appendRequestNumber(request, x);
  request += kValueTail;
  return readValue(engine.requestBytes(request));
}

template <typename Number>
FunctionValue evaluate(Engine& engine, const QString& term, Number x) {
  return askValue(engine, komma2point(term), x);
}

}  // namespace

QString funktionswertAnfrage(const QString& engineTerm, const QString& numberText) {
  return QLatin1String(kValueHead) + engineTerm + QLatin1String(kValueAtX) + numberText +
         QLatin1String(kValueTail);
}

std::optional<double> Funktionswert(Engine& engine, const QString& term, double x) {
  return evaluate(engine, term, x).value;
}

std::optional<double> Funktionswert(Engine& engine, const QString& term, float x) {
  return evaluate(engine, term, x).value;
}

FunctionValue evaluateAt(Engine& engine, const QString& term, double x) {
  return evaluate(engine, term, x);
}

FunctionValue evaluateAt(Engine& engine, const QString& term, float x) {
  return evaluate(engine, term, x);
}

std::optional<double> engineTermValue(Engine& engine, const QString& engineTerm, float x) {
  return engineTermAt(engine, engineTerm, x).value;
}

FunctionValue engineTermAt(Engine& engine, const QString& engineTerm, float x) {
  return askValue(engine, engineTerm, x);
}

FunctionValue engineTermAt(Engine& engine, const QString& engineTerm, double x) {
  return askValue(engine, engineTerm, x);
}
