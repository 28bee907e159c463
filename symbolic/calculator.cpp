#include "symbolic/calculator.h"

#include <cctype>
#include <cmath>

#include "symbolic/number_format.h"

namespace symbolic {
namespace {

// Blanks and letters in the C locale; every graph sample passes here.
bool isBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (upper(text[i]) != prefix[i]) return false;
  }
  return true;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Consumes [+-]digits[.digits] and returns its length, 0 if there is none.
size_t decimalLength(std::string_view text, bool allowPoint) {
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  size_t digits = 0;
  while (pos < text.size() && isDigit(text[pos])) ++pos, ++digits;
  if (allowPoint && pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos, ++digits;
  }
  return digits ? pos : 0;
}

}  // namespace

std::optional<double> readRequestNumber(std::string_view text) {
  text = trim(text);
  size_t mantissa = decimalLength(text, true);
  if (mantissa == 0) return std::nullopt;
  std::string literal(text.substr(0, mantissa));
  std::string_view rest = trim(text.substr(mantissa));
  if (!rest.empty()) {
    std::string_view exponent;
    if (rest.front() == 'E' || rest.front() == 'e') {
      exponent = rest.substr(1);
    } else if (rest.starts_with("* 10 ^(") && rest.ends_with(")")) {
      exponent = rest.substr(7, rest.size() - 8);
    } else {
      return std::nullopt;
    }
    if (exponent.empty() || decimalLength(exponent, false) != exponent.size()) return std::nullopt;
    literal += "e" + std::string(exponent);
  }
  return parseDecimal(literal);
}

std::string Calculator::answer(std::string_view request) {
  request = trim(request);
  if (fastPath_) {
    if (auto fast = fastAnswer(request)) return *fast;
  }
  ParseResult parsed = parse(request);
  if (!parsed) return "Fehler: " + parsed.error.message;
  if (fastPath_) {
    if (auto fast = constantAnswer(*parsed.node)) return *fast;
  }
  return backend_.answer(*parsed.node);
}

std::optional<std::string> Calculator::fastAnswer(std::string_view request) {
  constexpr std::string_view kPrefix = "APPROX(SUBST(";
  if (!startsWithIgnoringCase(request, kPrefix) || !request.ends_with("))")) return std::nullopt;
  std::string_view inner = request.substr(kPrefix.size(), request.size() - kPrefix.size() - 2);
  size_t lastComma = inner.rfind(',');
  if (lastComma == std::string_view::npos || lastComma == 0) return std::nullopt;
  size_t variableComma = inner.rfind(',', lastComma - 1);
  if (variableComma == std::string_view::npos) return std::nullopt;
  std::string_view variable = trim(inner.substr(variableComma + 1, lastComma - variableComma - 1));
  if (variable != "x" && variable != "X") return std::nullopt;

  std::optional<double> x = readRequestNumber(inner.substr(lastComma + 1));
  if (!x) return std::nullopt;
  std::string_view termText = inner.substr(0, variableComma);
  // A member of a family, SUBST(term,t,value): the term is compiled once
  // with its parameter, whatever the value.
  std::string_view parameter;
  double parameterValue = 0;
  if (std::optional<Bound> bound = boundParameter(termText)) {
    termText = bound->term;
    parameter = bound->letter;
    parameterValue = bound->value;
  }
  const std::optional<CompiledTerm>& term = compiled(termText, parameter);
  if (!term) return std::nullopt;
  double value = term->evaluate(*x, parameterValue);
  return std::isfinite(value) ? formatNumber(value) : std::string(kUndefined);
}

// APPROX of a constant (the last step of a SUBST chain, such as
// APPROX(-3/4)) is plain arithmetic.
std::optional<std::string> Calculator::constantAnswer(const Node& request) {
  if (request.kind != NodeKind::Call || request.text != "approx") return std::nullopt;
  const Node& argument = *request.args[0];
  if (!onlyUses(argument, "")) return std::nullopt;
  std::optional<CompiledTerm> constant = CompiledTerm::compile(argument, "");
  if (!constant) return std::nullopt;
  double value = constant->evaluate(0);
  return std::isfinite(value) ? formatNumber(value) : std::string(kUndefined);
}

const std::optional<CompiledTerm>& Calculator::compiled(std::string_view term,
                                                        std::string_view parameter) {
  auto& cache = parameter.empty() ? cache_ : familyCache_;
  std::string_view key = term;
  if (!parameter.empty()) {
    familyKey_.assign(parameter);
    familyKey_ += ':';
    familyKey_ += term;
    key = familyKey_;
  }
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  if (cache.size() >= kCacheLimit) cache.clear();
  std::optional<CompiledTerm> compiledTerm;
  if (ParseResult parsed = parse(term); parsed && onlyUses(*parsed.node, "x", parameter)) {
    compiledTerm = CompiledTerm::compile(*parsed.node, "x", parameter);
  }
  return cache.emplace(std::string(key), std::move(compiledTerm)).first->second;
}

// SUBST(term,letter,number) with a single small letter other than x and e.
std::optional<Calculator::Bound> Calculator::boundParameter(std::string_view text) {
  constexpr std::string_view kSubst = "SUBST(";
  if (!startsWithIgnoringCase(text, kSubst) || !text.ends_with(')')) return std::nullopt;
  std::string_view inner = text.substr(kSubst.size(), text.size() - kSubst.size() - 1);
  const size_t valueComma = inner.rfind(',');
  if (valueComma == std::string_view::npos || valueComma == 0) return std::nullopt;
  const size_t letterComma = inner.rfind(',', valueComma - 1);
  if (letterComma == std::string_view::npos) return std::nullopt;
  std::string_view letter = trim(inner.substr(letterComma + 1, valueComma - letterComma - 1));
  if (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'z' || letter == "x" || letter == "e") {
    return std::nullopt;
  }
  std::optional<double> value = readRequestNumber(inner.substr(valueComma + 1));
  if (!value) return std::nullopt;
  return Bound{trim(inner.substr(0, letterComma)), letter, *value};
}

}  // namespace symbolic
