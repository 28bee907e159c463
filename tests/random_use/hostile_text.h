#pragma once
// Texts a user might type into any field: numbers in every notation, terms
// good and bad, poles, complex values, garbage, unicode, and very long ones.

#include <QString>
#include <QStringList>
#include <random>

inline QString hostileText(std::mt19937& random) {
  // Separated by '|', which none of them contains; the first is the empty text.
  static const QStringList pool =
      QString::fromUtf8(
          "| |0|-0|1|-1|2|3|0,5|1.5|-2,25|1,2,3|--|-|,|.|"
          "1E+39|1E-45|1E+308|-1E+38|1,5E-07|123456789012345678901234567890|"
          "x|x^2-2x|sin(x)|1/x|tan(x)|ln(x)|sqrt(4-x^2)|sqrt(-1)|(-8)^(1/3)|"
          "x^^2|((((|sin(|)|2x+3|0,5x^2+0x-2|exp(x^2)|x^1000|9^9^9|0^0|x/0|"
          "1/(x-1)|abs(x)*x|x*y|-2*ystr-5*y|y|i|NaN|inf|undef|"
          "äöü€|∫∑√|😀|\t|a;b|\"quoted\"|x\ny|%s%n|DELETE(x)|system(ls)")
          .split(u'|');
  const std::size_t pick = random() % 100;
  if (pick < 70) return pool[random() % pool.size()];
  if (pick < 90) {  // a random string over the characters of terms and numbers
    const QString chars = QString::fromUtf8("0123456789,.-+*/^()xyE eiπ");
    QString text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) text += chars[static_cast<int>(random() % chars.size())];
    return text;
  }
  if (pick < 95)
    return QStringLiteral("x+").repeated(5000) + QLatin1Char('1');  // 10,001 characters
  return pool[random() % pool.size()].repeated(1 + random() % 200);
}
