#include <numeric>

#include "calculus/steckbrief.h"
#include "calculus/steckbrief_shared.h"

namespace {

__extension__ typedef __int128 Wide;

constexpr Wide kLimit = INT64_MAX;

Wide absolute(Wide v) {
  return v < 0 ? -v : v;
}

Wide gcdWide(Wide a, Wide b) {
  a = absolute(a);
  b = absolute(b);
  while (b != 0) {
    Wide t = a % b;
    a = b;
    b = t;
  }
  return a;
}

// Normalises num/den given in 128 bits and checks that both fit into 64 bits.
Fraction normalised(Wide num, Wide den) {
  if (den == 0) throw FractionOverflow();
  if (den < 0) {
    num = -num;
    den = -den;
  }
  Wide g = gcdWide(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  if (num == 0) den = 1;
  if (absolute(num) > kLimit || den > kLimit) throw FractionOverflow();
  Fraction result;
  result.num = std::int64_t(num);
  result.den = std::int64_t(den);
  return result;
}

// Products of two 64-bit numbers fit into 127 bits; a sum of two such products may not, so
// sums are formed from reduced factors.
Wide checkedProduct(Wide a, Wide b) {
  Wide result;
  if (__builtin_mul_overflow(a, b, &result)) throw FractionOverflow();
  return result;
}

Wide checkedSum(Wide a, Wide b) {
  Wide result;
  if (__builtin_add_overflow(a, b, &result)) throw FractionOverflow();
  return result;
}

}  // namespace

Fraction::Fraction(std::int64_t numerator, std::int64_t denominator) {
  *this = normalised(numerator, denominator);
}

Fraction operator+(const Fraction& a, const Fraction& b) {
  Wide g = gcdWide(a.den, b.den);
  Wide left = checkedProduct(a.num, b.den / g);
  Wide right = checkedProduct(b.num, a.den / g);
  return normalised(checkedSum(left, right), checkedProduct(a.den / g, b.den));
}

Fraction operator-(const Fraction& a, const Fraction& b) {
  Fraction negated;
  negated.num = -b.num;  // |b.num| <= INT64_MAX, so the negation cannot overflow
  negated.den = b.den;
  return a + negated;
}

Fraction operator*(const Fraction& a, const Fraction& b) {
  return normalised(checkedProduct(a.num, b.num), checkedProduct(a.den, b.den));
}

Fraction operator/(const Fraction& a, const Fraction& b) {
  if (b.isZero()) throw FractionOverflow();
  return normalised(checkedProduct(a.num, b.den), checkedProduct(a.den, b.num));
}

QString fractionText(const Fraction& value) {
  QString text = value.num < 0 ? QStringLiteral("\u2212") : QString();
  text += QString::number(value.num < 0 ? -value.num : value.num);
  if (value.den != 1) text += QLatin1Char('/') + QString::number(value.den);
  return text;
}

QString overflowMessage() {
  return QStringLiteral(
      "Die Zahlen werden beim exakten Rechnen zu groß (Zähler oder Nenner über 9·10¹⁸); "
      "bitte kleinere Werte verwenden.");
}

Fraction power(const Fraction& x, int k) {
  Fraction result(1);
  for (int i = 0; i < k; ++i) result = result * x;
  return result;
}

std::vector<Fraction> derivativeRow(int degree, int derivative, const Fraction& x) {
  std::vector<Fraction> row(degree + 1);
  for (int column = 0; column <= degree; ++column) {
    int p = degree - column;
    if (p < derivative) continue;
    std::int64_t factor = 1;  // p! / (p − derivative)!
    for (int i = 0; i < derivative; ++i) factor *= p - i;
    row[column] = Fraction(factor) * power(x, p - derivative);
  }
  return row;
}

Fraction derivativeValue(const std::vector<Fraction>& coefficients, int derivative,
                         const Fraction& x) {
  int degree = int(coefficients.size()) - 1;
  std::vector<Fraction> row = derivativeRow(degree, derivative, x);
  Fraction sum;
  for (int column = 0; column <= degree; ++column) sum = sum + row[column] * coefficients[column];
  return sum;
}

std::optional<QString> decimalCell(const Fraction& value) {
  std::int64_t den = value.den;
  int twos = 0, fives = 0;
  while (den % 2 == 0) {
    den /= 2;
    ++twos;
  }
  while (den % 5 == 0) {
    den /= 5;
    ++fives;
  }
  if (den != 1) return std::nullopt;
  int places = std::max(twos, fives);
  if (places > 15) return std::nullopt;
  // value = num · (10^places / den) / 10^places
  Wide scaled = Wide(value.num);
  Wide multiplier = 1;
  for (int i = 0; i < places; ++i) multiplier *= 10;
  scaled = checkedProduct(scaled, multiplier / value.den);
  bool negative = scaled < 0;
  scaled = absolute(scaled);
  QString digits;
  do {
    digits.prepend(QChar(u'0' + int(scaled % 10)));
    scaled /= 10;
  } while (scaled != 0);
  while (digits.size() <= places) digits.prepend(u'0');
  QString text = digits.left(digits.size() - places);
  if (places > 0) text += QLatin1Char(',') + digits.right(places);
  if (negative) text.prepend(QLatin1Char('-'));
  return text;
}
