// Solving the conditions of a Steckbrief task: exact Gauss-Jordan elimination with rank
// detection, the family of solutions when conditions are missing, the conditions that
// contradict each other, and the square system handed to the Gauss tab.

#include <algorithm>
#include <numeric>

#include "calculus/steckbrief.h"
#include "calculus/steckbrief_shared.h"

namespace {

// The conditions of a task, read.
struct ReadTask {
  QList<ConditionReading> readings;
  QList<int> numbers;  // 1-based position of each reading in the condition list
  QStringList texts;   // the conditions as typed, trimmed
  QString error;
};

ReadTask readTask(const QStringList& conditions, int degree) {
  ReadTask task;
  QStringList errors;
  for (int i = 0; i < conditions.size(); ++i) {
    if (conditions[i].trimmed().isEmpty()) continue;
    ConditionReading reading = readCondition(conditions[i], degree);
    if (!reading.error.isEmpty()) {
      errors << QStringLiteral("(%1) ").arg(i + 1) + reading.error;
      continue;
    }
    task.readings << reading;
    task.numbers << i + 1;
    task.texts << conditions[i].trimmed();
  }
  task.error = errors.join(QLatin1Char('\n'));
  return task;
}

std::vector<LinearEquation> equationsOf(const ReadTask& task, const QList<int>& which) {
  std::vector<LinearEquation> equations;
  for (int index : which)
    for (const LinearEquation& equation : task.readings[index].equations)
      equations.push_back(equation);
  return equations;
}

QList<int> allReadings(const ReadTask& task) {
  QList<int> all(task.readings.size());
  std::iota(all.begin(), all.end(), 0);
  return all;
}

struct Elimination {
  int unknowns = 0;
  bool consistent = true;
  std::vector<int> pivotOrigin;  // equations in the order they became pivot rows
  std::vector<int> pivotColumn;
  std::vector<std::vector<Fraction>> pivotRows;  // reduced; the right side last
  int rank() const { return int(pivotOrigin.size()); }
};

// Gauss-Jordan elimination, columns in `columnOrder`. The pivot of a column is taken from the
// first unused equation (in the given order) that has a nonzero entry there, so taking the
// pivot rows in the order found and eliminating without row exchanges meets no zero pivot.
Elimination eliminate(const std::vector<LinearEquation>& equations, int unknowns,
                      const std::vector<int>& columnOrder) {
  Elimination result;
  result.unknowns = unknowns;
  std::vector<std::vector<Fraction>> rows;
  for (const LinearEquation& equation : equations) {
    std::vector<Fraction> row = equation.coefficients;
    row.resize(unknowns);
    row.push_back(equation.right);
    rows.push_back(row);
  }
  std::vector<bool> used(rows.size(), false);
  for (int column : columnOrder) {
    int pivot = -1;
    for (size_t r = 0; r < rows.size() && pivot < 0; ++r)
      if (!used[r] && !rows[r][column].isZero()) pivot = int(r);
    if (pivot < 0) continue;
    used[pivot] = true;
    Fraction scale = rows[pivot][column];
    for (Fraction& cell : rows[pivot]) cell = cell / scale;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (int(r) == pivot || rows[r][column].isZero()) continue;
      Fraction factor = rows[r][column];
      for (int c = 0; c <= unknowns; ++c) rows[r][c] = rows[r][c] - factor * rows[pivot][c];
    }
    result.pivotOrigin.push_back(pivot);
    result.pivotColumn.push_back(column);
  }
  for (size_t r = 0; r < rows.size(); ++r)
    if (!used[r] && !rows[r][unknowns].isZero()) result.consistent = false;
  for (int origin : result.pivotOrigin) result.pivotRows.push_back(rows[origin]);
  return result;
}

std::vector<int> naturalOrder(int unknowns) {
  std::vector<int> order(unknowns);
  std::iota(order.begin(), order.end(), 0);
  return order;
}

bool consistent(const ReadTask& task, const QList<int>& which, int unknowns) {
  return eliminate(equationsOf(task, which), unknowns, naturalOrder(unknowns)).consistent;
}

// A smallest set of conditions that already contradict each other: conditions are dropped one
// by one as long as the rest still contradict.
QList<int> contradictingReadings(const ReadTask& task, int unknowns) {
  QList<int> kept = allReadings(task);
  for (int i = 0; i < kept.size();) {
    QList<int> without = kept;
    without.removeAt(i);
    if (!consistent(task, without, unknowns))
      kept = without;
    else
      ++i;
  }
  return kept;
}

QString quoted(const ReadTask& task, int reading) {
  return QStringLiteral("(%1) „").arg(task.numbers[reading]) + task.texts[reading] +
         QStringLiteral("“");
}

QString contradictionMessage(const ReadTask& task, const QList<int>& readings, int degree) {
  if (readings.size() == 1)
    return QStringLiteral("Die Bedingung ") + quoted(task, readings.front()) +
           QStringLiteral(" kann keine Funktion vom Grad %1 erfüllen.").arg(degree);
  QString list;
  for (int i = 0; i < readings.size(); ++i) {
    if (i > 0) list += i + 1 == readings.size() ? QStringLiteral(" und ") : QStringLiteral(", ");
    list += quoted(task, readings[i]);
  }
  return QStringLiteral("Die Bedingungen widersprechen sich: ") + list +
         QStringLiteral(" lassen sich nicht zugleich erfüllen.");
}

QString missingMessage(int missing) {
  return QStringLiteral("Die Bedingungen legen die Funktion nicht eindeutig fest (") +
         (missing == 1 ? QStringLiteral("es fehlt 1 Bedingung).")
                       : QStringLiteral("es fehlen %1 Bedingungen).").arg(missing));
}

// f with the coefficients that the conditions leave free kept as letters; the lowest powers are
// solved for first, so the letters of the highest powers stay free.
QString family(const ReadTask& task, int degree) {
  int unknowns = degree + 1;
  std::vector<int> order = naturalOrder(unknowns);
  std::reverse(order.begin(), order.end());
  Elimination e = eliminate(equationsOf(task, allReadings(task)), unknowns, order);
  std::vector<int> rowOfColumn(unknowns, -1);
  for (int k = 0; k < e.rank(); ++k) rowOfColumn[e.pivotColumn[k]] = k;
  std::vector<FamilyCoefficient> coefficients(unknowns);
  for (int column = 0; column < unknowns; ++column) {
    FamilyCoefficient& c = coefficients[column];
    if (rowOfColumn[column] < 0) {
      c.letters.emplace_back(Fraction(1), coefficientName(column));
      continue;
    }
    const std::vector<Fraction>& row = e.pivotRows[rowOfColumn[column]];
    c.constant = row[unknowns];
    for (int free = 0; free < unknowns; ++free)
      if (rowOfColumn[free] < 0 && !row[free].isZero())
        c.letters.emplace_back(-row[free], coefficientName(free));
  }
  return familyText(coefficients);
}

QString factCheck(const ConditionFact& fact, const std::vector<Fraction>& coefficients) {
  int degree = int(coefficients.size()) - 1;
  if (fact.kind != ConditionFact::Kind::Value) {
    bool even = fact.kind == ConditionFact::Kind::EvenSymmetry;
    bool holds = true;
    for (int column = 0; column <= degree; ++column)
      if (((degree - column) % 2 == 1) == even && !coefficients[column].isZero()) holds = false;
    return (even ? QStringLiteral("f(\u2212x) = f(x)")
                 : QStringLiteral("f(\u2212x) = \u2212f(x)")) +
           (holds ? QStringLiteral(" ✓") : QStringLiteral(" ✗"));
  }
  Fraction value = derivativeValue(coefficients, fact.derivative, fact.x);
  QString text = derivativeAt(fact.derivative, fact.x, fact.decimals) + QStringLiteral(" = ") +
                 valueText(value, fact.decimals);
  if (value == fact.y) return text + QStringLiteral(" ✓");
  return text + QStringLiteral(" ✗ (verlangt: ") + valueText(fact.y, fact.decimals) +
         QLatin1Char(')');
}

QString conditionCheck(const ConditionReading& reading, const std::vector<Fraction>& coefficients) {
  QStringList statements;
  for (const ConditionFact& fact : reading.facts) statements << factCheck(fact, coefficients);
  bool ownStatement = reading.facts.size() == 1 &&
                      reading.facts.front().kind == ConditionFact::Kind::Value &&
                      reading.label.startsWith(QLatin1Char('f'));
  if (ownStatement) return statements.front();
  return reading.label + QStringLiteral(": ") + statements.join(QStringLiteral(", "));
}

Reconstruction reconstruct(const QStringList& conditions, int degree, Elimination* used) {
  Reconstruction result;
  if (degree < 1 || degree > 6) {
    result.message = QStringLiteral("Der Grad muss zwischen 1 und 6 liegen.");
    return result;
  }
  ReadTask task = readTask(conditions, degree);
  if (!task.error.isEmpty()) {
    result.message = task.error;
    return result;
  }
  int unknowns = degree + 1;
  Elimination e = eliminate(equationsOf(task, allReadings(task)), unknowns, naturalOrder(unknowns));
  if (!e.consistent) {
    QList<int> readings = contradictingReadings(task, unknowns);
    for (int reading : readings) result.contradicting << task.numbers[reading];
    result.message = contradictionMessage(task, readings, degree);
    return result;
  }
  if (e.rank() < unknowns) {
    result.missing = unknowns - e.rank();
    result.message = missingMessage(result.missing);
    result.family = family(task, degree);
    return result;
  }
  std::vector<Fraction> coefficients(unknowns);
  for (int k = 0; k < unknowns; ++k) coefficients[e.pivotColumn[k]] = e.pivotRows[k][unknowns];
  result.coefficients = coefficients;
  result.function = polynomialText(coefficients);
  for (const ConditionReading& reading : task.readings)
    result.checks << conditionCheck(reading, coefficients);
  if (used) *used = e;
  return result;
}

// The cells of one equation: exact decimals where possible, otherwise the equation multiplied
// by the common denominator so that every cell is an integer.
std::vector<QString> cellsOf(const LinearEquation& equation) {
  std::vector<Fraction> values = equation.coefficients;
  values.push_back(equation.right);
  std::vector<QString> cells;
  for (const Fraction& value : values) {
    auto cell = decimalCell(value);
    if (!cell) break;
    cells.push_back(*cell);
  }
  if (cells.size() == values.size()) return cells;
  std::int64_t common = 1;
  for (const Fraction& value : values) {
    std::int64_t g = std::gcd(common, value.den);
    common = (Fraction(common / g) * Fraction(value.den)).num;
  }
  cells.clear();
  for (const Fraction& value : values) cells.push_back(*decimalCell(value * Fraction(common)));
  return cells;
}

}  // namespace

Reconstruction Steckbrief(const QStringList& conditions, int degree) {
  try {
    return reconstruct(conditions, degree, nullptr);
  } catch (const FractionOverflow&) {
    Reconstruction result;
    result.message = overflowMessage();
    return result;
  }
}

GaussHandover gaussSystem(const QStringList& conditions, int degree) {
  GaussHandover handover;
  try {
    Elimination e;
    Reconstruction result = reconstruct(conditions, degree, &e);
    if (!result.coefficients) {
      handover.message = result.message;
      if (result.missing > 0 || !result.contradicting.isEmpty())
        handover.message += QStringLiteral(
            " Deshalb gibt es kein Gleichungssystem mit genau einer Lösung für das "
            "Gauß-Verfahren.");
      return handover;
    }
    ReadTask task = readTask(conditions, degree);
    std::vector<LinearEquation> equations = equationsOf(task, allReadings(task));
    for (int origin : e.pivotOrigin) handover.matrix.push_back(cellsOf(equations[origin]));
  } catch (const FractionOverflow&) {
    handover.matrix.clear();
    handover.message = overflowMessage();
  }
  return handover;
}
