#include "numerics/horner.h"

#include <optional>

#include "engine/number_text.h"

QString hornerLabel(int block, const QString& x0Text) {
  const int order = block - 1;
  return QStringLiteral("= f") + QString(order, u'\'') + u'(' + x0Text + QStringLiteral(")/") +
         QString::number(order) + u'!';
}

HornerResult hornerScheme(const QStringList& coefficients, const QString& x0Text) {
  HornerResult result;
  const int n = static_cast<int>(coefficients.size()) - 1;
  if (n < 0) return result;

  // a[j] holds a(j) of the scheme (1-based); every block overwrites the sums in place.
  std::vector<float> a(n + 2, 0.0f);
  for (int j = 1; j <= n + 1; ++j) {
    const QString& text = coefficients[j - 1];
    if (text.isEmpty()) continue;
    const std::optional<float> value = parseSingle(text);
    if (!value) {
      result.failed = true;
      return result;
    }
    a[j] = *value;
  }
  const std::optional<float> x0Value = parseSingle(x0Text);
  if (!x0Value) {
    result.failed = true;
    return result;
  }
  const float x0 = *x0Value;
  const QString x0Shown = numberText(x0);

  auto put = [&](int row, int col, QString text, HornerCell::Look look = HornerCell::Look::Plain) {
    result.cells.push_back({row, col, std::move(text), look});
  };
  for (int i = 1; i <= n + 1; ++i) {
    const int products = 2 * i, sums = 2 * i + 1;
    put(sums, 0, x0Shown, HornerCell::Look::X0);
    put(products, 1, QStringLiteral("0"));
    put(sums, 1, numberText(a[1]));
    for (int j = 2; j <= n + 2 - i; ++j) {
      // The product row shows the product in single precision, but the sum is
      // built from the exact product and rounded only once.
      const double product = static_cast<double>(x0) * static_cast<double>(a[j - 1]);
      put(products, j, numberText(static_cast<float>(product)));
      a[j] = static_cast<float>(product + static_cast<double>(a[j]));
      put(sums, j, numberText(a[j]));
    }
    put(sums, n + 3 - i, hornerLabel(i, x0Shown), HornerCell::Look::Label);
  }
  return result;
}
