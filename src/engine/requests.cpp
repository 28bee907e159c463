#include "engine/requests.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

// The parts of APPROX(SUBST(term,x,number)) around the term and the number.
constexpr char kValueHead[] = "APPROX(SUBST(";
constexpr char kValueAtX[] = ",x,";
constexpr char kValueTail[] = "))";

const QString kFailurePrefix = QStringLiteral("Fehler");

FunctionValue readValue(std::string_view answer) {
  FunctionValue result;
  result.value = parseAnswerNumber(answer);
  result.termFaulty = !result.value && answer != "undef";
  return result;
}

// A curve asks for hundreds of values of one term: the term's part of the
// request is kept from call to call and only the number is written anew.
class SampleRequest {
 public:
  std::string& at(const QString& term) {
    if (term != term_ || text_.empty()) {
      term_ = term;
      text_ = kValueHead + term.toStdString() + kValueAtX;
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
FunctionValue askValue(Engine& engine, const EngineTerm& term, Number x) {
  thread_local SampleRequest sample;
  std::string& request = sample.at(term.text());
  appendRequestNumber(request, x);
  request += kValueTail;
  return readValue(engine.requestBytes(request));
}

QString call(const char* name, std::initializer_list<QString> arguments) {
  QString text = QLatin1String(name) + u'(';
  bool first = true;
  for (const QString& argument : arguments) {
    if (!first) text += u',';
    text += argument;
    first = false;
  }
  return text + u')';
}

bool failed(const QString& answer) {
  return answer.startsWith(kFailurePrefix);
}

// The parts of a list answer "[a,b(c,d),e]" at its outer commas.
std::optional<QStringList> listItems(const QString& answer) {
  if (!answer.startsWith(u'[') || !answer.endsWith(u']')) return std::nullopt;
  QStringList items;
  const QString inner = answer.mid(1, answer.size() - 2);
  if (inner.trimmed().isEmpty()) return items;
  int depth = 0;
  qsizetype start = 0;
  for (qsizetype i = 0; i < inner.size(); ++i) {
    const QChar c = inner[i];
    if (c == u'(' || c == u'[') ++depth;
    if (c == u')' || c == u']') --depth;
    if (c == u',' && depth == 0) {
      items << inner.mid(start, i - start).trimmed();
      start = i + 1;
    }
  }
  items << inner.mid(start).trimmed();
  return items;
}

Solutions readSolutions(Engine& engine, const QString& answer) {
  Solutions result;
  if (failed(answer)) {
    result.failure = answer;
    return result;
  }
  std::optional<QStringList> items = listItems(answer);
  if (!items) {
    result.failure = QStringLiteral("Fehler: unerwartete Antwort %1").arg(answer);
    return result;
  }
  static const QRegularExpression kInteger(QStringLiteral("\\bk\\b"));
  for (const QString& item : *items) {
    Solution solution;
    if (item.startsWith(u'~')) {
      solution.value = parseAnswerNumber(item.mid(1).toStdString()).value_or(NAN);
    } else {
      solution.exact = EngineTerm::asIs(item);
      if (item.contains(kInteger)) {
        result.general = true;
        solution.value = NAN;
      } else {
        solution.value = approximateNumber(engine, solution.exact).value_or(NAN);
      }
    }
    result.solutions << solution;
  }
  return result;
}

Rewritten rewritten(const QString& answer) {
  if (failed(answer)) return {EngineTerm(), answer};
  return {EngineTerm::asIs(answer), QString()};
}

}  // namespace

EngineTerm EngineTerm::fromUser(const QString& typed) {
  return EngineTerm(komma2point(typed));
}

EngineTerm EngineTerm::number(float value) {
  std::string text;
  appendRequestNumber(text, value);
  return EngineTerm(QString::fromStdString(text));
}

EngineTerm EngineTerm::number(double value) {
  std::string text;
  appendRequestNumber(text, value);
  return EngineTerm(QString::fromStdString(text));
}

QString EngineTerm::forUser() const {
  return point2komma(text_);
}

FunctionValue Funktionswert(Engine& engine, const EngineTerm& term, float x) {
  return askValue(engine, term, x);
}

FunctionValue Funktionswert(Engine& engine, const EngineTerm& term, double x) {
  return askValue(engine, term, x);
}

EngineTerm withParameter(const EngineTerm& term, QChar letter, double value) {
  return EngineTerm::asIs(call("SUBST", {term.text(), QString(letter), EngineTerm::number(value).text()}));
}

QString valueAnswer(Engine& engine, const EngineTerm& term, const EngineTerm& x) {
  return engine.request(QLatin1String(kValueHead) + term.text() + QLatin1String(kValueAtX) +
                        x.text() + QLatin1String(kValueTail));
}

EngineTerm substitute(Engine& engine, const EngineTerm& term, const char* name,
                      const EngineTerm& value) {
  return EngineTerm::asIs(
      engine.request(call("SUBST", {term.text(), QLatin1String(name), value.text()})));
}

EngineTerm substituteSpaced(Engine& engine, const EngineTerm& term, const char* name,
                            const EngineTerm& value) {
  return EngineTerm::asIs(engine.request(QStringLiteral("SUBST(") + term.text() +
                                         QStringLiteral(", ") + QLatin1String(name) +
                                         QStringLiteral(", ") + value.text() + u')'));
}

QString approximate(Engine& engine, const EngineTerm& term, int32_t capacity) {
  return engine.request(call("APPROX", {term.text()}), capacity);
}

std::optional<double> approximateNumber(Engine& engine, const EngineTerm& term) {
  return parseNumber(approximate(engine, term));
}

EngineTerm derivative(Engine& engine, const EngineTerm& f, int order) {
  if (order == 1)
    return EngineTerm::asIs(engine.request(call("diff", {f.text(), QStringLiteral("x")})));
  return EngineTerm::asIs(
      engine.request(call("diff", {f.text(), QStringLiteral("x"), QString::number(order)})));
}

QString antiderivativeAnswer(Engine& engine, const EngineTerm& f) {
  return engine.request(call("INT", {f.text(), QStringLiteral("x")}));
}

QString definiteIntegralAnswer(Engine& engine, const EngineTerm& f, const EngineTerm& lower,
                               const EngineTerm& upper) {
  const QString integral =
      engine.request(call("INT", {f.text(), QStringLiteral("x"), lower.text(), upper.text()}));
  return engine.request(call("approx", {integral}));
}

QString definiteIntegralExact(Engine& engine, const EngineTerm& f, const EngineTerm& lower,
                              const EngineTerm& upper) {
  return engine.request(call("INT", {f.text(), QStringLiteral("x"), lower.text(), upper.text()}));
}

QString taylorAnswer(Engine& engine, const EngineTerm& term, const QString& degree) {
  return engine.request(
      call("TAYLOR", {term.text(), QStringLiteral("x"), QStringLiteral("0"), degree}));
}

QString fourierAnswer(Engine& engine, const EngineTerm& term, const EngineTerm& t1,
                      const EngineTerm& t2, const QString& n) {
  const QString coefficients =
      engine.request(call("FOURIER", {term.text(), QStringLiteral(" x"), t1.text(), t2.text(), n}),
                     Engine::kFourierCapacity);
  // The coefficients come back as a request of their own: sent back unchanged.
  const QString series = engine.request(coefficients, Engine::kFourierCapacity);
  return approximate(engine, EngineTerm::asIs(series), Engine::kFourierCapacity);
}

Solutions solve(Engine& engine, const EngineTerm& equation) {
  return readSolutions(engine,
                       engine.request(call("SOLVE", {equation.text(), QStringLiteral("x")})));
}

Solutions solve(Engine& engine, const EngineTerm& equation, const EngineTerm& from,
                const EngineTerm& to) {
  return readSolutions(engine, engine.request(call("SOLVE", {equation.text(), QStringLiteral("x"),
                                                             from.text(), to.text()})));
}

Solutions solveFor(Engine& engine, const EngineTerm& equation, QChar name) {
  return readSolutions(engine, engine.request(call("SOLVE", {equation.text(), QString(name)})));
}

Limit limit(Engine& engine, const EngineTerm& term, const EngineTerm& point, Side side) {
  QString text = call("LIMIT", {term.text(), QStringLiteral("x"), point.text()});
  if (side != Side::Both) {
    text.chop(1);
    text += side == Side::Right ? QStringLiteral(",1)") : QStringLiteral(",-1)");
  }
  const QString answer = engine.request(text);
  Limit result;
  if (failed(answer)) {
    result.failure = answer;
  } else if (answer == QLatin1String("inf") || answer == QLatin1String("+inf")) {
    result.kind = Limit::Kind::PlusInfinity;
  } else if (answer == QLatin1String("-inf")) {
    result.kind = Limit::Kind::MinusInfinity;
  } else if (answer == QLatin1String("undef")) {
    result.kind = Limit::Kind::None;
  } else {
    result.kind = Limit::Kind::Value;
    result.value = EngineTerm::asIs(answer);
  }
  return result;
}

Rewritten simplify(Engine& engine, const EngineTerm& term) {
  return rewritten(engine.request(call("SIMPLIFY", {term.text()})));
}

Rewritten factor(Engine& engine, const EngineTerm& term) {
  return rewritten(engine.request(call("FACTOR", {term.text()})));
}

Rewritten exactValue(Engine& engine, const EngineTerm& term, const EngineTerm& point) {
  const QString answer =
      engine.request(call("VALUE", {term.text(), QStringLiteral("x"), point.text()}));
  if (answer == QLatin1String("undef")) return {};
  return rewritten(answer);
}
