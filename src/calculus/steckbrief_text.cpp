#include "calculus/steckbrief.h"
#include "calculus/steckbrief_shared.h"

namespace {

const QChar kMinus(0x2212);

QString superscript(int n) {
  static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
  QString text;
  for (QChar c : QString::number(n)) text += QChar(digits[c.digitValue()]);
  return text;
}

// "", "x", "x²", …
QString powerText(int p) {
  if (p == 0) return QString();
  if (p == 1) return QStringLiteral("x");
  return QStringLiteral("x") + superscript(p);
}

QString joined(const QString& left, const QString& right) {
  if (left.isEmpty() || right.isEmpty()) return left + right;
  return left + QChar(0x00B7) + right;
}

}  // namespace

QString valueText(const Fraction& value, bool decimals) {
  if (decimals)
    if (auto text = decimalCell(value)) return text->replace(QLatin1Char('-'), kMinus);
  return fractionText(value);
}

QChar coefficientName(int column) {
  return QChar(u'a' + column);
}

QString productTerm(const Fraction& factor, const QString& letters, bool first, bool decimals) {
  bool negative = factor.num < 0;
  Fraction magnitude = negative ? -factor : factor;
  QString body;
  if (letters.isEmpty())
    body = valueText(magnitude, decimals);
  else if (magnitude == Fraction(1))
    body = letters;
  else if (magnitude.isInteger())
    body = valueText(magnitude, decimals) + letters;
  else
    body = decimals && decimalCell(magnitude) ? valueText(magnitude, true) + letters
                                              : joined(fractionText(magnitude), letters);
  if (first) return negative ? QString(kMinus) + body : body;
  return (negative ? QStringLiteral(" \u2212 ") : QStringLiteral(" + ")) + body;
}

QString generalPolynomial(int degree) {
  QString text = QStringLiteral("f(x) = ");
  for (int column = 0; column <= degree; ++column) {
    if (column > 0) text += QStringLiteral(" + ");
    text += joined(QString(coefficientName(column)), powerText(degree - column));
  }
  return text;
}

QString equationText(const LinearEquation& equation, int degree) {
  QString text;
  for (int column = 0; column <= degree && column < int(equation.coefficients.size()); ++column) {
    const Fraction& c = equation.coefficients[column];
    if (c.isZero()) continue;
    text += productTerm(c, QString(coefficientName(column)), text.isEmpty());
  }
  if (text.isEmpty()) text = QStringLiteral("0");
  return text + QStringLiteral(" = ") + fractionText(equation.right);
}

QString polynomialText(const std::vector<Fraction>& coefficients) {
  int degree = int(coefficients.size()) - 1;
  QString text;
  for (int column = 0; column <= degree; ++column) {
    const Fraction& c = coefficients[column];
    if (c.isZero()) continue;
    text += productTerm(c, powerText(degree - column), text.isEmpty());
  }
  if (text.isEmpty()) text = QStringLiteral("0");
  return QStringLiteral("f(x) = ") + text;
}

QString polynomialTerm(const std::vector<Fraction>& coefficients) {
  const int degree = static_cast<int>(coefficients.size()) - 1;
  QString term;
  for (int column = 0; column <= degree; ++column) {
    const Fraction& c = coefficients[column];
    if (c.isZero()) continue;
    const int power = degree - column;
    // The sign written apart from the digits, without arithmetic that could overflow.
    term += c.num < 0 ? QStringLiteral("-") : term.isEmpty() ? QString() : QStringLiteral("+");
    const QString digits = QString::number(c.num).remove(u'-');
    const QString factor = c.isInteger() ? digits
                                         : QStringLiteral("(%1/%2)").arg(digits).arg(c.den);
    const QString x = power == 0   ? QString()
                      : power == 1 ? QStringLiteral("x")
                                   : QStringLiteral("x^") + QString::number(power);
    if (x.isEmpty()) {
      term += factor;
    } else {
      term += factor == QStringLiteral("1") ? x : factor + u'*' + x;
    }
  }
  return term.isEmpty() ? QStringLiteral("0") : term;
}

QString derivativeAt(int derivative, const Fraction& x, bool decimals) {
  static const char16_t primes[] = u"\u2032\u2033\u2034";
  QString name = QStringLiteral("f");
  if (derivative >= 1 && derivative <= 3)
    name += QChar(primes[derivative - 1]);
  else if (derivative > 3)
    name += QStringLiteral("⁽") + superscript(derivative) + QStringLiteral("⁾");
  return name + QLatin1Char('(') + valueText(x, decimals) + QLatin1Char(')');
}

QString familyText(const std::vector<FamilyCoefficient>& coefficients) {
  int degree = int(coefficients.size()) - 1;
  QString text;
  for (int column = 0; column <= degree; ++column) {
    const FamilyCoefficient& c = coefficients[column];
    QString power = powerText(degree - column);
    std::vector<std::pair<Fraction, QString>> terms;
    if (!c.constant.isZero()) terms.emplace_back(c.constant, QString());
    for (const auto& [factor, letter] : c.letters)
      if (!factor.isZero()) terms.emplace_back(factor, QString(letter));
    if (terms.empty()) continue;
    if (terms.size() == 1) {
      const auto& [factor, letter] = terms.front();
      text += productTerm(factor, joined(letter, power), text.isEmpty());
      continue;
    }
    QString inner;
    for (const auto& [factor, letter] : terms)
      inner += productTerm(factor, letter, inner.isEmpty());
    if (!text.isEmpty()) text += QStringLiteral(" + ");
    text += joined(QLatin1Char('(') + inner + QLatin1Char(')'), power);
  }
  if (text.isEmpty()) text = QStringLiteral("0");
  return QStringLiteral("f(x) = ") + text;
}
