#include "geometry/line_tools.h"

#include <array>
#include <cmath>
#include <optional>

#include "engine/format_pattern.h"
#include "engine/messages.h"
#include "engine/number_text.h"

namespace {

const QString& kWrongValues = kWrongValuesMessage;
const QString kWrongValue = QStringLiteral("Sie haben einen falschen Werte eingegeben!");
const QString& kTooLarge = kValuesTooLargeMessage;

// All texts read as numbers, or nothing. Where the calculation runs in double
// precision the inputs are read in double precision as well, so that 0,1
// does not come back as 0,100000001490116.
template <typename Number, std::size_t N>
std::optional<std::array<Number, N>> readAll(const std::array<const QString*, N>& texts) {
  std::array<Number, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    std::optional<Number> value;
    if constexpr (std::is_same_v<Number, float>) {
      value = parseSingle(*texts[i]);
    } else {
      value = parseNumber(*texts[i]);
    }
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  return values;
}

// -0 would otherwise pass as ">= 0" and print its minus sign.
double withoutNegativeZero(double value) {
  return value == 0 ? 0.0 : value;
}

}  // namespace

QString coefficientText(double value) {
  value = withoutNegativeZero(value);
  QString text = formatPattern(value, QStringLiteral("####0.0##"));
  return value >= 0 ? QLatin1Char('+') + text : text;
}

Outcome<QString> pointSlopeForm(const QString& x1Text, const QString& y1Text,
                                const QString& mText) {
  auto values = readAll<double, 3>({&x1Text, &y1Text, &mText});
  if (!values) return Refusal{kWrongValues};
  auto [x1, y1, m] = *values;
  const double b = withoutNegativeZero(y1 - m * x1);
  if (!std::isfinite(b)) return Refusal{kTooLarge};
  // A positive intercept is shown as plain number text, a negative one formatted.
  const QString intercept =
      b >= 0 ? QLatin1Char('+') + numberText(b) : formatPattern(b, QStringLiteral("####0.0##"));
  return mText + QLatin1Char('x') + intercept;
}

Outcome<QString> twoPointForm(const QString& x1Text, const QString& y1Text, const QString& x2Text,
                              const QString& y2Text) {
  auto values = readAll<float, 4>({&x1Text, &y1Text, &x2Text, &y2Text});
  if (!values) return Refusal{kWrongValues};
  auto [x1, y1, x2, y2] = *values;
  const float run = x2 - x1;
  if (run == 0) return Refusal{QStringLiteral("keine Funktion!")};
  const float m = (y2 - y1) / run;
  const float b = y1 - m * x1;
  if (!std::isfinite(m) || !std::isfinite(b)) return Refusal{kTooLarge};
  return numberText(m == 0 ? 0.0f : m) + QLatin1Char('x') + coefficientText(b);
}

Outcome<QString> orthogonalSlope(const QString& m1Text) {
  std::optional<double> m1 = parseNumber(m1Text);
  if (!m1) return Refusal{kWrongValue};
  if (*m1 == 0) {
    return Refusal{QStringLiteral(
        "Die Orthogonale einer waagerechten Geraden ist senkrecht: keine Funktion!")};
  }
  const double m2 = -1 / *m1;
  return formatPattern(withoutNegativeZero(m2), QStringLiteral("0.0##"));
}

Outcome<QString> intersectionAngle(const QString& m1Text, const QString& m2Text) {
  auto values = readAll<float, 2>({&m1Text, &m2Text});
  if (!values) return Refusal{kWrongValue};
  auto [m1, m2] = *values;
  // Perpendicular: m1 = -1/m2, or (where that quotient rounds differently)
  // a vanishing denominator 1 + m1 m2. A horizontal second line (m2 = 0)
  // is perpendicular to none.
  const float denominator = 1 + m1 * m2;
  if ((m2 != 0 && m1 == -1 / m2) || denominator == 0) return QStringLiteral("90°");
  const float quotient = (m2 - m1) / denominator;
  if (!std::isfinite(quotient)) return Refusal{kTooLarge};
  // The constant is the one the angles were always computed with, not pi.
  const double alpha = std::atan(static_cast<double>(quotient)) * 180 / 3.14159265;
  return numberText(withoutNegativeZero(alpha)) + QStringLiteral("°");
}

Outcome<QString> segmentLength(const QString& x1Text, const QString& x2Text, const QString& y1Text,
                               const QString& y2Text) {
  auto values = readAll<double, 4>({&x1Text, &x2Text, &y1Text, &y2Text});
  if (!values) return Refusal{kWrongValues};
  auto [x1, x2, y1, y2] = *values;
  const double length = std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1));
  if (!std::isfinite(length)) return Refusal{kTooLarge};
  return numberText(length);
}

Outcome<Midpoint> segmentMidpoint(const QString& x1Text, const QString& x2Text,
                                  const QString& y1Text, const QString& y2Text) {
  auto values = readAll<double, 4>({&x1Text, &x2Text, &y1Text, &y2Text});
  if (!values) return Refusal{kWrongValues};
  auto [x1, x2, y1, y2] = *values;
  // Halved first, so that the sum of two huge coordinates cannot overflow.
  const double xm = x1 / 2 + x2 / 2;
  const double ym = y1 / 2 + y2 / 2;
  return Midpoint{numberText(withoutNegativeZero(xm)), numberText(withoutNegativeZero(ym))};
}
