#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "engine/messages.h"

namespace {

const QString& kUndefined = kUndefinedText;

// Fixed form as long as it needs at most `precision` digit positions, E notation otherwise.
// Writes the text of a finite value into `out` (room for kNumberRoom characters) and returns
// its length; every graph sample passes here, so nothing is allocated.
constexpr int kNumberRoom = 48;

// The significant digits of a finite non-zero magnitude, rounded to `significant` of them:
// the first non-zero, no trailing zeros; magnitude = d.ddd * 10^exponent.
struct ScientificDigits {
  char digits[kNumberRoom];
  int count = 0;
  int exponent = 0;
};

ScientificDigits scientificDigits(double magnitude, int significant) {
  // to_chars is locale-independent, unlike snprintf: "d.ddddde±xx".
  char scientific[kNumberRoom];
  const auto written = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                     std::chars_format::scientific, significant - 1);
  ScientificDigits number;
  const char* at = scientific;
  for (; *at != 'e'; ++at) {
    if (*at != '.') number.digits[number.count++] = *at;
  }
  while (number.count > 1 && number.digits[number.count - 1] == '0') --number.count;
  std::from_chars(at + (at[1] == '+' ? 2 : 1), written.ptr, number.exponent);
  return number;
}

int writeNumber(double value, int precision, char* out) {
  if (value == 0) {  // also catches -0.0
    out[0] = '0';
    return 1;
  }
  const ScientificDigits number = scientificDigits(std::fabs(value), precision);
  const char* const digits = number.digits;
  const int count = number.count;
  const int exponent = number.exponent;
  const int pointPos = exponent + 1;
  const bool fixed = exponent >= 0 ? exponent + 1 <= precision : -exponent + count - 1 <= precision;

  char* text = out;
  if (std::signbit(value)) *text++ = '-';
  auto put = [&](const char* from, int n) {
    std::memcpy(text, from, static_cast<size_t>(n));
    text += n;
  };
  if (fixed) {
    if (pointPos >= count) {
      put(digits, count);
      text = std::fill_n(text, pointPos - count, '0');
    } else if (pointPos > 0) {
      put(digits, pointPos);
      *text++ = ',';
      put(digits + pointPos, count - pointPos);
    } else {
      put("0,", 2);
      text = std::fill_n(text, -pointPos, '0');
      put(digits, count);
    }
  } else {
    *text++ = digits[0];
    if (count > 1) {
      *text++ = ',';
      put(digits + 1, count - 1);
    }
    put(exponent < 0 ? "E-" : "E+", 2);
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) *text++ = '0';
    text = std::to_chars(text, out + kNumberRoom, magnitude).ptr;
  }
  return static_cast<int>(text - out);
}

QString numberText(double value, int precision) {
  if (!std::isfinite(value)) return kUndefined;
  char text[kNumberRoom];
  return QString::fromLatin1(text, writeNumber(value, precision, text));
}

void appendRequestNumber(std::string& request, double value, int precision) {
  if (!std::isfinite(value)) {
    request += kUndefined.toStdString();
    return;
  }
  // komma2point of the number text: the comma becomes a point, "E-07"
  // becomes "* 10 ^(-07)".
  char text[kNumberRoom];
  const std::string_view number(text, static_cast<size_t>(writeNumber(value, precision, text)));
  const size_t e = number.find('E');
  std::string_view mantissa = number.substr(0, e);
  const size_t comma = mantissa.find(',');
  if (comma == std::string_view::npos) {
    request += mantissa;
  } else {
    request += mantissa.substr(0, comma);
    request += '.';
    request += mantissa.substr(comma + 1);
  }
  if (e != std::string_view::npos) {
    request += "* 10 ^(";
    request += number.substr(e + 1);
    request += ')';
  }
}

}  // namespace

void appendRequestNumber(std::string& request, float value) {
  appendRequestNumber(request, static_cast<double>(value), 7);
}

void appendRequestNumber(std::string& request, double value) {
  appendRequestNumber(request, value, 15);
}

namespace {

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

bool isBlank(QChar c) {
  return c.isSpace();
}
bool isBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
char16_t unit(QChar c) {
  return c.unicode();
}
char16_t unit(char c) {
  return static_cast<unsigned char>(c);
}

// The characters of a number in C-locale form, on the stack when they fit.
class PlainNumber {
 public:
  explicit PlainNumber(size_t room) : long_(room > sizeof short_) {
    if (long_) text_.reserve(room);
  }
  PlainNumber& operator+=(char c) {
    if (long_) {
      text_ += c;
    } else {
      short_[size_++] = c;
    }
    return *this;
  }
  bool empty() const { return view().empty(); }
  std::string_view view() const {
    return long_ ? std::string_view(text_) : std::string_view(short_, size_);
  }

 private:
  bool long_;
  char short_[64];
  size_t size_ = 0;
  std::string text_;
};

template <typename Real, typename Char>
std::optional<Real> parseReal(const Char* at, const Char* end) {
  // One pass over the text, copying it into a plain C-locale number for
  // from_chars (which ignores the process locale); every graph sample ends
  // here, so no temporaries.
  while (at < end && isBlank(*at)) ++at;
  while (end > at && isBlank(*(end - 1))) --end;

  // Room for the digits of any number that reads; longer texts (hundreds
  // of zeros) take a string.
  PlainNumber plain(static_cast<size_t>(end - at) + 2);
  auto isDigit = [&] { return at < end && unit(*at) >= u'0' && unit(*at) <= u'9'; };
  if (at < end && (unit(*at) == u'+' || unit(*at) == u'-')) {
    if (unit(*at) == u'-') plain += '-';
    ++at;
  }
  while (isDigit()) plain += static_cast<char>(unit(*at++));
  const bool wholeEmpty = plain.empty() || plain.view() == "-";
  size_t fractionDigits = 0;
  if (at < end && (unit(*at) == u',' || unit(*at) == u'.')) {
    if (wholeEmpty) plain += '0';
    plain += '.';
    ++at;
    while (isDigit()) {
      plain += static_cast<char>(unit(*at++));
      ++fractionDigits;
    }
  }
  if (wholeEmpty && fractionDigits == 0) return std::nullopt;

  if (at < end && (unit(*at) == u'e' || unit(*at) == u'E')) {
    plain += 'e';
    ++at;
    if (at < end && (unit(*at) == u'+' || unit(*at) == u'-')) {
      if (unit(*at) == u'-') plain += '-';
      ++at;
    }
    if (!isDigit()) return std::nullopt;
    while (isDigit()) plain += static_cast<char>(unit(*at++));
  }
  if (at != end) return std::nullopt;

  Real value{};
  const std::string_view number = plain.view();
  const char* last = number.data() + number.size();
  const auto [ptr, ec] = std::from_chars(number.data(), last, value);
  if (ec == std::errc() && ptr == last) return value;
  if (ec != std::errc::result_out_of_range) return std::nullopt;
  // Out of range is either overflow (refused) or underflow (zero).
  if (beyondLargest(number)) return std::nullopt;
  return Real(0);
}

}  // namespace

QString numberText(float value) {
  return numberText(static_cast<double>(value), 7);
}

QString numberText(double value) {
  return numberText(value, 15);
}

QString significantText(double value, int digits) {
  QString text = QString::number(value, 'G', digits);
  text.replace(u'.', u',');
  return text;
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
  return parseReal<double>(text.constData(), text.constData() + text.size());
}

std::optional<float> parseSingle(const QString& text) {
  return parseReal<float>(text.constData(), text.constData() + text.size());
}

std::optional<double> parseAnswerNumber(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return parseNumber(QString::fromUtf8(text));
  }
  return parseReal<double>(text.data(), text.data() + text.size());
}

DecimalDigits decimalDigits(double value, int significant) {
  DecimalDigits number;
  if (value == 0 || !std::isfinite(value)) return number;
  number.negative = std::signbit(value);
  const ScientificDigits scientific = scientificDigits(std::fabs(value), significant);
  number.digits.assign(scientific.digits, static_cast<size_t>(scientific.count));
  number.pointPos = scientific.exponent + 1;
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
