#pragma once
// Gaussian elimination without row exchanges, as a pupil follows it: below the
// diagonal column by column, then the right-hand side upwards, every changed
// cell reported as it is written.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct GaussSteps {
  // A cell of the matrix table (rows 1..n, columns 1..n+1) gets a text.
  std::function<void(int row, int col, const QString& text)> write;
  // After each column of either phase (2(n - 1) times in all).
  std::function<void()> pause;
};

// `matrix` is n rows of n + 1 cell texts (the augmented matrix, as typed).
// Returns x1..xn formatted with "####0.0#", or nullopt on a cell that is no
// number, a zero pivot or a zero diagonal element; what was written before
// stays written.
std::optional<std::vector<QString>> solveGauss(const std::vector<std::vector<QString>>& matrix,
                                               const GaussSteps& steps);
