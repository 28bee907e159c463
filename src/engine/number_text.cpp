#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "engine/messages.h"

namespace {

const QString& kUndefined = kUndefinedText;

// Fixed form as long as it needs at most `precision` digit positions, E notation otherwise.
QString numberText(double value, int precision) {
  if (!std::isfinite(value)) return kUndefined;
  if (value == 0) return QStringLiteral("0");  // also catches -0.0

  const DecimalDigits number = decimalDigits(value, precision);
  const std::string& digits = number.digits;
  const int count = static_cast<int>(digits.size());
  const int exponent = number.pointPos - 1;
  const bool fixed = exponent >= 0 ? exponent + 1 <= precision : -exponent + count - 1 <= precision;

  std::string text = number.negative ? "-" : "";
  if (fixed) {
    if (number.pointPos >= count) {
      text += digits + std::string(number.pointPos - count, '0');
    } else if (number.pointPos > 0) {
      text += digits.substr(0, number.pointPos) + ',' + digits.substr(number.pointPos);
    } else {
      text += "0," + std::string(-number.pointPos, '0') + digits;
    }
  } else {
    text += digits[0];
    if (count > 1) text += ',' + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(std::abs(exponent));
    if (magnitude.size() < 2) text += '0';
    text += magnitude;
  }
  return QString::fromLatin1(text);
}

// from_chars reports overflow and underflow alike as out of range; they differ in the decimal
// position of the first non-zero digit. `plain` is [-]digits[.digits][e[+-]digits].
bool beyondLargest(std::string_view plain) {
  std::size_t at = 0;
  auto isDigit = [&] { return at < plain.size() && plain[at] >= '0' && plain[at] <= '9'; };
  if (at < plain.size() && (plain[at] == '+' || plain[at] == '-')) ++at;
  long long integerDigits = 0, leadingFractionZeros = 0;
  bool seenNonZero = false;
  for (; isDigit(); ++at) {
    seenNonZero = seenNonZero || plain[at] != '0';
    if (seenNonZero) ++integerDigits;
  }
  if (at < plain.size() && plain[at] == '.') {
    for (++at; isDigit(); ++at) {
      if (!seenNonZero && plain[at] == '0') ++leadingFractionZeros;
      seenNonZero = seenNonZero || plain[at] != '0';
    }
  }
  if (!seenNonZero) return false;

  long long power = 0;
  if (at < plain.size() && (plain[at] == 'e' || plain[at] == 'E')) {
    ++at;
    bool negativeExponent = false;
    if (at < plain.size() && (plain[at] == '+' || plain[at] == '-')) {
      negativeExponent = plain[at++] == '-';
    }
    for (; isDigit(); ++at) power = std::min(power * 10 + (plain[at] - '0'), 1'000'000'000LL);
    if (negativeExponent) power = -power;
  }
  const long long leadPosition =
      (integerDigits > 0 ? integerDigits - 1 : -leadingFractionZeros - 1) + power;
  return leadPosition > 0;
}

template <typename Real>
std::optional<Real> parseReal(const QString& text) {
  // One pass over the text, copying it into a plain C-locale number for
  // from_chars (which ignores the process locale); every graph sample ends
  // here, so no temporaries.
  const QChar* at = text.constData();
  const QChar* end = at + text.size();
  while (at < end && at->isSpace()) ++at;
  while (end > at && (end - 1)->isSpace()) --end;

  std::string plain;
  plain.reserve(end - at + 2);
  auto isDigit = [&] { return at < end && *at >= u'0' && *at <= u'9'; };
  if (at < end && (*at == u'+' || *at == u'-')) {
    if (*at == u'-') plain += '-';
    ++at;
  }
  while (isDigit()) plain += static_cast<char>(at++->unicode());
  const bool wholeEmpty = plain.empty() || plain == "-";
  size_t fractionDigits = 0;
  if (at < end && (*at == u',' || *at == u'.')) {
    if (wholeEmpty) plain += '0';
    plain += '.';
    ++at;
    while (isDigit()) {
      plain += static_cast<char>(at++->unicode());
      ++fractionDigits;
    }
  }
  if (wholeEmpty && fractionDigits == 0) return std::nullopt;

  if (at < end && (*at == u'e' || *at == u'E')) {
    plain += 'e';
    ++at;
    if (at < end && (*at == u'+' || *at == u'-')) {
      if (*at == u'-') plain += '-';
      ++at;
    }
    if (!isDigit()) return std::nullopt;
    while (isDigit()) plain += static_cast<char>(at++->unicode());
  }
  if (at != end) return std::nullopt;

  Real value{};
  const char* last = plain.data() + plain.size();
  const auto [ptr, ec] = std::from_chars(plain.data(), last, value);
  if (ec == std::errc() && ptr == last) return value;
  if (ec != std::errc::result_out_of_range) return std::nullopt;
  // Out of range is either overflow (refused) or underflow (zero).
  if (beyondLargest(plain)) return std::nullopt;
  return Real(0);
}

}  // namespace

QString numberText(float value) {
  return numberText(static_cast<double>(value), 7);
}

QString numberText(double value) {
  return numberText(value, 15);
}

QString exactNumberText(float value) {
  // Nine significant digits tell any two floats apart.
  for (int precision = 7; precision < 9; ++precision) {
    QString text = numberText(static_cast<double>(value), precision);
    if (parseSingle(text) == value) return text;
  }
  return numberText(static_cast<double>(value), 9);
}

std::optional<double> parseNumber(const QString& text) {
  return parseReal<double>(text);
}

std::optional<float> parseSingle(const QString& text) {
  return parseReal<float>(text);
}

DecimalDigits decimalDigits(double value, int significant) {
  DecimalDigits number;
  if (value == 0 || !std::isfinite(value)) return number;
  number.negative = std::signbit(value);

  // to_chars is locale-independent, unlike snprintf: "d.ddddde±xx".
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, significant - 1);
  const std::string text(buffer, result.ptr);
  const auto e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') number.digits += text[i];
  }
  number.pointPos = std::atoi(text.c_str() + e + 1) + 1;
  number.digits.erase(number.digits.find_last_not_of('0') + 1);
  return number;
}

void roundDecimalDigits(DecimalDigits& number, int decimals, HalfRounding half) {
  std::string& digits = number.digits;
  const long long kept = static_cast<long long>(number.pointPos) + decimals;
  if (kept >= static_cast<long long>(digits.size())) return;
  if (kept < 0) {
    // Below a tenth of the last place: nowhere near a half.
    digits.clear();
    number.pointPos = 0;
    return;
  }

  const std::size_t cut = static_cast<std::size_t>(kept);
  const int next = digits[cut] - '0';
  const bool beyondHalf = digits.size() > cut + 1;  // no trailing zeros, so any rest is non-zero
  bool up;
  if (half == HalfRounding::AwayFromZero) {
    up = next >= 5;
  } else {
    const bool lastOdd = cut > 0 && (digits[cut - 1] - '0') % 2 == 1;
    up = next > 5 || (next == 5 && (beyondHalf || lastOdd));
  }

  digits.resize(cut);
  if (up) {
    std::size_t i = cut;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++number.pointPos;
    } else {
      ++digits[i - 1];
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.empty()) number.pointPos = 0;
}

double roundHalfEven(double value, int decimals) {
  if (value == 0 || !std::isfinite(value)) return value;
  DecimalDigits number = decimalDigits(value, 15);
  if (static_cast<long long>(number.pointPos) + decimals >=
      static_cast<long long>(number.digits.size())) {
    return value;  // already exact at this many places
  }
  roundDecimalDigits(number, decimals, HalfRounding::ToEven);
  if (number.digits.empty()) return 0.0;

  std::string plain = number.negative ? "-0." : "0.";
  plain += number.digits + 'e' + std::to_string(number.pointPos);
  double rounded = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), rounded);
  if (ec == std::errc::result_out_of_range) return std::copysign(HUGE_VAL, value);
  return rounded;
}

double leadingNumber(const QString& text) {
  const QChar* at = text.constData();
  const QChar* const end = at + text.size();
  auto isDigit = [&] { return at < end && *at >= u'0' && *at <= u'9'; };
  auto take = [&](std::string& into) { into += static_cast<char>(at++->unicode()); };

  while (at < end && at->isSpace()) ++at;
  bool negative = false;
  if (at < end && (*at == u'+' || *at == u'-')) negative = *at++ == u'-';

  std::string plain;
  while (isDigit()) take(plain);
  if (at < end && *at == u'.') {
    take(plain);
    while (isDigit()) take(plain);
  }
  if (plain.find_first_of("0123456789") == std::string::npos) return 0;

  // An exponent counts only with at least one digit: "2E" is still 2.
  if (at < end && (*at == u'e' || *at == u'E')) {
    std::string exponent = "e";
    ++at;
    if (at < end && (*at == u'+' || *at == u'-')) take(exponent);
    if (isDigit()) {
      while (isDigit()) take(exponent);
      plain += exponent;
    }
  }

  double value = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // The size of the value decides, not the exponent's sign: "0.000…01E+1" is tiny.
    value = beyondLargest(plain) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}
