#include "engine/format_pattern.h"

#include <cmath>
#include <string>

#include "engine/number_text.h"

QString formatPattern(double value, const QString& pattern) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) return numberText(value);

  const qsizetype point = pattern.indexOf(u'.');
  const QString integerPart = point < 0 ? pattern : pattern.left(point);
  const QString decimalPart = point < 0 ? QString() : pattern.mid(point + 1);
  const int minInteger = static_cast<int>(integerPart.count(u'0'));
  const int maxDecimals = static_cast<int>(decimalPart.size());
  // A '0' forces its own decimal place and every place before it, whatever stands there: "0.##0"
  // always shows three decimals (1.5 -> "1,500"). Only '#' after the last '0' may disappear.
  const int minDecimals = static_cast<int>(decimalPart.lastIndexOf(u'0') + 1);

  DecimalDigits number = decimalDigits(value, 15);
  roundDecimalDigits(number, maxDecimals, HalfRounding::AwayFromZero);

  // Lay the digits out around the decimal point; the rounding left at most maxDecimals places.
  const std::string& digits = number.digits;
  const int count = static_cast<int>(digits.size());
  std::string whole;
  std::string decimals;
  if (number.pointPos <= 0) {
    decimals = std::string(-number.pointPos, '0') + digits;
  } else if (number.pointPos >= count) {
    whole = digits + std::string(number.pointPos - count, '0');
  } else {
    whole = digits.substr(0, number.pointPos);
    decimals = digits.substr(number.pointPos);
  }
  if (static_cast<int>(whole.size()) < minInteger) {
    whole.insert(0, minInteger - whole.size(), '0');
  }
  if (static_cast<int>(decimals.size()) < minDecimals) decimals.resize(minDecimals, '0');
  // Without a '0' before the point, 0.25 with "#.#" reads ",3" as the pattern asks; only a text
  // that would be empty altogether gets a single "0".
  if (whole.empty() && decimals.empty()) whole = "0";

  std::string text = number.negative && !digits.empty() ? "-" : "";
  text += whole;
  if (!decimals.empty()) text += ',' + decimals;
  return QString::fromLatin1(text);
}
