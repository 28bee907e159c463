#include "geometry/parabola_tools.h"

#include <cmath>
#include <optional>

#include "engine/format_pattern.h"
#include "engine/messages.h"
#include "engine/number_text.h"

namespace {

const QString& kWrongValues = kWrongValuesMessage;
const QString& kTooLarge = kValuesTooLargeMessage;

// Three decimals; -0 and values that round to zero show without a sign.
QString threeDecimals(double value) {
  return formatPattern(value == 0 ? 0.0 : value, QStringLiteral("0.##0"));
}

// A coefficient after x^2 or x as typed, with a "+" in front unless it is negative.
QString typedCoefficient(const QString& text, double value) {
  return value >= 0 && !std::signbit(value) ? QLatin1Char('+') + text : text;
}

}  // namespace

Outcome<QString> normalForm(const QString& aText, const QString& xsText, const QString& ysText) {
  std::optional<double> a = parseNumber(aText), xs = parseNumber(xsText), ys = parseNumber(ysText);
  if (!a || !xs || !ys) return Refusal{kWrongValues};
  const double b = -2 * *a * *xs;
  const double c = *a * *xs * *xs + *ys;
  if (!std::isfinite(b) || !std::isfinite(c)) return Refusal{kTooLarge};
  return aText + QStringLiteral("x^2") + coefficientText(b) + QLatin1Char('x') + coefficientText(c);
}

Outcome<QuadraticSolution> solveQuadratic(const QString& aText, const QString& bText,
                                          const QString& cText) {
  std::optional<double> a = parseNumber(aText), b = parseNumber(bText), c = parseNumber(cText);
  if (!a || !b || !c) return Refusal{kWrongValues};
  if (*a == 0) {
    return Refusal{QStringLiteral("Für a = 0 ist die Gleichung nicht quadratisch!")};
  }
  const double p = *b / *a;
  const double q = *c / *a;
  const double d = (p * (p / 2)) / 2 - q;
  const double xs = (-*b / 2) / *a;
  const double ys = *c - *a * xs * xs;
  if (!std::isfinite(d) || !std::isfinite(xs) || !std::isfinite(ys)) return Refusal{kTooLarge};

  QuadraticSolution solution;
  if (d > 0) {
    solution.x1 = threeDecimals(-p / 2 - std::sqrt(d));
    solution.x2 = threeDecimals(-p / 2 + std::sqrt(d));
  } else if (d == 0) {
    solution.x1 = solution.x2 = threeDecimals(-p / 2);
  } else {
    const QString re = threeDecimals(-p / 2);
    const QString im = threeDecimals(std::sqrt(-d));
    solution.x1 = re + QLatin1Char('+') + im + QLatin1Char('i');
    solution.x2 = re + QLatin1Char('-') + im + QLatin1Char('i');
  }
  solution.xs = threeDecimals(xs);
  solution.ys = threeDecimals(ys);
  solution.normalForm = aText + QStringLiteral("x^2") + typedCoefficient(bText, *b) +
                        QLatin1Char('x') + typedCoefficient(cText, *c);
  return solution;
}
