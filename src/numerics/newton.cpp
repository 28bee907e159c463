#include "numerics/newton.h"

#include <cmath>

#include "engine/format_pattern.h"
#include "engine/number_text.h"

namespace {

QString shown(double value) {
  return formatPattern(value, QStringLiteral("####0.0##"));
}

}  // namespace

std::optional<NewtonPolynomial> newtonPolynomial(const QStringList& xs, const QStringList& ys) {
  const int m = static_cast<int>(xs.size());
  if (m < 1 || ys.size() != xs.size()) return std::nullopt;
  std::vector<float> x(m);
  std::vector<double> d(m);
  for (int i = 0; i < m; ++i) {
    std::optional<float> xi = parseSingle(xs[i]);
    std::optional<double> yi = parseNumber(ys[i]);
    if (!xi || !yi) return std::nullopt;
    x[i] = *xi;
    d[i] = *yi;
  }
  // Divided differences in place; the x differences in single precision.
  const int n = m - 1;
  for (int k = 1; k <= n; ++k) {
    for (int i = n; i >= k; --i) {
      float dx = x[i - k] - x[i];
      if (dx == 0) return std::nullopt;
      d[i] = (d[i - 1] - d[i]) / dx;
      if (!std::isfinite(d[i])) return std::nullopt;
    }
  }
  // The first y value stands as typed; each further coefficient carries its
  // sign, followed by the growing product of shifts (x - x0)*(x - x1)*...
  NewtonPolynomial result{ys[0], d};
  QString product;
  for (int i = 1; i <= n; ++i) {
    QString coefficient = (d[i] >= 0 ? QStringLiteral("+") : QString()) + shown(d[i]);
    float shift = -x[i - 1];
    product += QStringLiteral("*(x") +
               (shift < 0 ? shown(shift) : QStringLiteral("+") + numberText(shift)) +
               QLatin1Char(')');
    result.term += coefficient + product;
  }
  return result;
}
