#include "numerics/gauss.h"

#include <cmath>

#include "engine/format_pattern.h"
#include "engine/number_text.h"

namespace {

const QString kPattern = QStringLiteral("####0.0#");

}  // namespace

std::optional<std::vector<QString>> solveGauss(const std::vector<std::vector<QString>>& matrix,
                                               const GaussSteps& steps) {
  const int n = static_cast<int>(matrix.size());
  // 1-based like the table: A[i][j], i = 1..n, j = 1..n+1.
  std::vector<std::vector<double>> A(n + 1, std::vector<double>(n + 2, 0.0));
  for (int i = 1; i <= n; ++i) {
    const std::vector<QString>& row = matrix[i - 1];
    if (static_cast<int>(row.size()) != n + 1) return std::nullopt;
    for (int j = 1; j <= n + 1; ++j) {
      const std::optional<double> value = parseNumber(row[j - 1]);
      if (!value) return std::nullopt;
      A[i][j] = *value;
    }
  }

  auto write = [&](int row, int col, const QString& text) {
    if (steps.write) steps.write(row, col, text);
  };
  auto pause = [&] {
    if (steps.pause) steps.pause();
  };

  // Downward. The multiplier is kept in single precision, as the pupil's
  // table always did; the eliminated entry is only shown as 0, never used again.
  for (int k = 1; k <= n - 1; ++k) {
    for (int i = k + 1; i <= n; ++i) {
      if (A[k][k] == 0) return std::nullopt;
      const float f = static_cast<float>(-A[i][k] / A[k][k]);
      write(i, k, QStringLiteral("0"));
      for (int j = k + 1; j <= n + 1; ++j) {
        A[i][j] = static_cast<double>(f) * A[k][j] + A[i][j];
        write(i, j, formatPattern(A[i][j], kPattern));
      }
    }
    pause();
  }

  // Upward: row k is zero apart from its diagonal and right-hand side by now,
  // so only the right-hand side of the rows above changes.
  for (int k = n; k >= 2; --k) {
    for (int i = k - 1; i >= 1; --i) {
      if (A[k][k] == 0) return std::nullopt;
      const double m = -A[i][k] / A[k][k];
      A[i][n + 1] = m * A[k][n + 1] + A[i][n + 1];
      write(i, k, QStringLiteral("0"));
      write(i, n + 1, formatPattern(A[i][n + 1], kPattern));
    }
    pause();
  }

  std::vector<QString> solution;
  solution.reserve(n);
  for (int j = 1; j <= n; ++j) {
    if (A[j][j] == 0) return std::nullopt;
    const double x = A[j][n + 1] / A[j][j];
    // An overflow on the way leaves infinities or NaN that a quotient can hide.
    if (!std::isfinite(A[j][j]) || !std::isfinite(A[j][n + 1]) || !std::isfinite(x)) {
      return std::nullopt;
    }
    solution.push_back(formatPattern(x, kPattern));
  }
  return solution;
}
