// Fuzzes the number texts of the engine module (engine/number_text.h,
// engine/notation.h) against what their headers promise, and rounding and
// the format patterns (engine/format_pattern.h) against crashes. The input
// is read twice: as UTF-8 text (typed numbers, engine answers, notation
// texts, format patterns) and as raw doubles and floats. The C library's
// correctly rounded strtod/strtof and printf (C locale) serve as the
// reference for every value.
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "engine/format_pattern.h"
#include "engine/notation.h"
#include "engine/number_text.h"

namespace {

[[noreturn]] void broken(const char* what, const QString& detail) {
  std::fprintf(stderr, "number property broken: %s\n  %s\n", what, detail.toUtf8().constData());
  __builtin_trap();
}

QString show(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return QString::fromLatin1(text);
}

// -0.0 and 0.0 count as the same number throughout.
bool same(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

// A value rounded to `significant` digits, as the C library rounds it.
std::string scientific(double value, int significant) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", significant - 1, value);
  return text;
}

// What a correct reader makes of a plain decimal text: the nearest double, or
// an infinity when it lies beyond the range.
double referenceDouble(const std::string& plain) {
  errno = 0;
  return std::strtod(plain.c_str(), nullptr);
}

float referenceFloat(const std::string& plain) {
  errno = 0;
  return std::strtof(plain.c_str(), nullptr);
}

// parseNumber and parseSingle: the grammar of the header (blanks around, sign,
// digits with a comma or a point, exponent), nothing else; the value of what
// they accept is the correctly rounded one, an overflow gives nullopt.
void checkParse(const QString& text) {
  static const QRegularExpression grammar(
      QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?$"));
  const QString trimmed = text.trimmed();
  const std::optional<double> number = parseNumber(text);
  const std::optional<float> single = parseSingle(text);
  if (!grammar.match(trimmed).hasMatch()) {
    if (number) broken("parseNumber accepted a text outside its grammar", text);
    if (single) broken("parseSingle accepted a text outside its grammar", text);
    return;
  }
  std::string plain = trimmed.toStdString();
  for (char& c : plain) {
    if (c == ',') c = '.';
  }
  const double expected = referenceDouble(plain);
  if (std::isinf(expected)) {
    if (number) broken("parseNumber accepted an overflow", text);
  } else if (!number) {
    broken("parseNumber refused a number", text);
  } else if (!same(*number, expected)) {
    broken("parseNumber misread", text + u" -> " + show(*number) + u", not " + show(expected));
  }
  const float expectedSingle = referenceFloat(plain);
  if (std::isinf(expectedSingle)) {
    if (single) broken("parseSingle accepted an overflow", text);
  } else if (!single) {
    broken("parseSingle refused a number", text);
  } else if (!same(*single, expectedSingle)) {
    broken("parseSingle misread",
           text + u" -> " + show(*single) + u", not " + show(expectedSingle));
  }
}

// leadingNumber reads like Val(): blanks, a sign, digits with a decimal point,
// an exponent only when it has digits; the rest of the text does not matter.
void checkLeadingNumber(const QString& text) {
  qsizetype at = 0;
  while (at < text.size() && text[at].isSpace()) ++at;
  static const QRegularExpression number(
      QStringLiteral("([+-]?)([0-9]*(\\.[0-9]*)?)([eE][+-]?[0-9]+)?"));
  const QRegularExpressionMatch match = number.match(text, at, QRegularExpression::NormalMatch,
                                                     QRegularExpression::AnchorAtOffsetMatchOption);
  double expected = 0;
  const QString mantissa = match.captured(2);
  if (std::any_of(mantissa.begin(), mantissa.end(), [](QChar c) { return c != u'.'; })) {
    expected = referenceDouble(match.captured(0).toStdString());
  }
  const double value = leadingNumber(text);
  if (!same(value, expected)) {
    broken("leadingNumber misread", text + u" -> " + show(value) + u", not " + show(expected));
  }
}

// komma2point: every comma a point, and min(#E, #commas + 1) upper-case E
// rewritten to "* 10 ^(...)"; point2komma: every point a comma.
void checkNotation(const QString& text) {
  const QString pointed = point2komma(text);
  QString expectedPointed = text;
  expectedPointed.replace(u'.', u',');
  if (pointed != expectedPointed) broken("point2komma changed more than the points", text);

  const QString komma = komma2point(text);
  const qsizetype commas = text.count(u',');
  const qsizetype es = text.count(u'E');
  const qsizetype rewritten = std::min(es, commas + 1);
  if (komma.count(u',') != 0) broken("komma2point left a comma", text);
  if (komma.count(u'.') != text.count(u'.') + commas) broken("komma2point lost a point", text);
  if (komma.count(u'E') != es - rewritten)
    broken("komma2point rewrote the wrong number of E", text);
  if (komma.size() != text.size() + 7 * rewritten) broken("komma2point: unexpected length", text);
  if (komma.count(QStringLiteral("* 10 ^(")) < rewritten) {
    broken("komma2point: missing power of ten", text);
  }
  if (es == 0) {
    QString expected = text;
    expected.replace(u',', u'.');
    if (komma != expected || komma2point(pointed) != expected) {
      broken("komma2point of a text without E is not a plain replacement", text);
    }
  }
}

// numberText(double): at most 15 significant digits, reads back as the value
// rounded to 15 digits (the reading of an overflowing text is refused).
void checkDouble(double value) {
  const QString text = numberText(value);
  if (!std::isfinite(value)) return;
  static const QRegularExpression form(QStringLiteral("^-?[0-9]+(,[0-9]+)?(E[+-][0-9]{2,3})?$"));
  if (!form.match(text).hasMatch()) broken("numberText(double): unexpected form", text);
  QString mantissa = text.section(u'E', 0, 0);
  mantissa.remove(u'-').remove(u',');
  while (mantissa.startsWith(u'0')) mantissa.remove(0, 1);
  while (mantissa.endsWith(u'0')) mantissa.chop(1);
  if (mantissa.size() > 15) broken("numberText(double): more than 15 digits", text);

  const double expected = referenceDouble(scientific(value, 15));
  const std::optional<double> back = parseNumber(text);
  if (std::isinf(expected)) {
    if (back) broken("numberText(double) of the largest values reads back", text);
  } else if (!back || !same(*back, expected)) {
    broken("numberText(double) does not read back", show(value) + u" -> " + text);
  }
  if (back) {
    QString engineText = text;
    engineText.replace(u',', u'.');
    if (!same(leadingNumber(engineText), *back)) {
      broken("leadingNumber and parseNumber disagree", engineText);
    }
  }
}

// numberText(float): at most 7 significant digits, reads back with parseSingle
// as the value rounded to 7 digits (for a float that is 7-digit short, itself).
void checkFloat(float value) {
  const QString text = numberText(value);
  if (!std::isfinite(value)) return;
  const float expected = referenceFloat(scientific(value, 7));
  const std::optional<float> back = parseSingle(text);
  if (!back || !same(*back, expected)) {
    broken("numberText(float) does not read back", show(value) + u" -> " + text);
  }
}

int decimalsFrom(uint8_t byte) {
  if (byte == 0x80) return INT_MIN;
  if (byte == 0x7F) return INT_MAX;
  return static_cast<int8_t>(byte) % 40;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  checkParse(text);
  checkLeadingNumber(text);
  checkNotation(text);

  // A typed number goes on to the formatting functions.
  const int textDecimals = size > 0 ? decimalsFrom(data[size - 1]) : 2;
  const QString shortPattern = text.left(64);
  if (const std::optional<double> number = parseNumber(text)) {
    checkDouble(*number);
    // Rounding and the format patterns only have to survive any value; their
    // results are checked against worked examples in the unit tests.
    roundHalfEven(*number, textDecimals);
    formatPattern(*number, shortPattern);
  }
  if (const std::optional<float> single = parseSingle(text)) checkFloat(*single);

  // The same bytes as raw values: each 8-byte chunk a double, its first four
  // bytes a float, its last byte the places for roundHalfEven.
  for (size_t at = 0; at + 8 <= size && at < 8 * 32; at += 8) {
    double value;
    float single;
    std::memcpy(&value, data + at, sizeof value);
    std::memcpy(&single, data + at, sizeof single);
    checkDouble(value);
    checkFloat(single);
    roundHalfEven(value, decimalsFrom(data[at + 7]));
    formatPattern(value, shortPattern);
  }
  return 0;
}
