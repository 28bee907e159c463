#include "calculus/steckbrief.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "engine/number_text.h"
#include "engine/requests.h"
#include "numerics/gauss.h"
#include "qstring_print.h"

namespace {

// f^(k)(x) in double: the coefficient list is differentiated k times, then Horner.
double derivativeAtDouble(std::vector<double> coefficients, int k, double x) {
  for (int step = 0; step < k; ++step) {
    std::vector<double> derived;
    int degree = int(coefficients.size()) - 1;
    for (int i = 0; i < degree; ++i) derived.push_back(coefficients[i] * (degree - i));
    if (derived.empty()) derived.push_back(0);
    coefficients = derived;
  }
  double value = 0;
  for (double c : coefficients) value = value * x + c;
  return value;
}

std::vector<double> toDouble(const std::vector<Fraction>& values) {
  std::vector<double> result;
  for (const Fraction& v : values) result.push_back(v.toDouble());
  return result;
}

struct Value {
  int derivative;
  double x;
  double y;
};

enum class Symmetry { None, Even, Odd };

struct Task {
  const char* name;
  int degree;
  QStringList conditions;
  std::vector<Fraction> expected;  // worked out by hand, highest power first
  std::vector<Value> values;       // what the conditions demand, written out by hand
  Symmetry symmetry = Symmetry::None;
};

const std::vector<Task>& tasks() {
  static const std::vector<Task> table = {
      {"inflection at origin, maximum at 1",
       3,
       {"WP(0 | 0)", "HP(1 | 2)"},
       {-1, 0, 3, 0},
       {{0, 0, 0}, {2, 0, 0}, {0, 1, 2}, {1, 1, 0}}},
      {"even quartic with three extrema, given twice",
       4,
       {"achsensymmetrisch", "HP(0 | 4)", "TP(1 | 3)", "TP(\u22121 | 3)", "T(-1|3)", "H(0|4)"},
       {1, 0, -2, 0, 4},
       {{0, 0, 4}, {1, 0, 0}, {0, 1, 3}, {1, 1, 0}, {0, -1, 3}, {1, -1, 0}},
       Symmetry::Even},
      {"touching zero",
       3,
       {"berührt die x-Achse bei x = 2", "P(0 | -4)", "Nullstelle bei x = -1"},
       {-1, 3, 0, -4},
       {{0, 2, 0}, {1, 2, 0}, {0, 0, -4}, {0, -1, 0}}},
      {"tangent",
       2,
       {"Tangente y = 2x − 1 bei x = 1", "P(0 | 2)"},
       {3, -4, 2},
       {{0, 1, 1}, {1, 1, 2}, {0, 0, 2}}},
      {"saddle point",
       3,
       {"SP(0 | 1)", "P(1 | 3)"},
       {2, 0, 0, 1},
       {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {0, 1, 3}}},
      {"odd quintic with a saddle point",
       5,
       {"punktsymmetrisch", "SP(1 | 1)"},
       {Fraction(3, 8), 0, Fraction(-5, 4), 0, Fraction(15, 8), 0},
       {{0, 1, 1}, {1, 1, 0}, {2, 1, 0}, {0, -1, -1}},
       Symmetry::Odd},
      {"quartic, decimals, one condition too many",
       4,
       {"f(0)=0", "f'(0) = 0", "f''(0)=0", "Nullstelle bei x = 2", "T(1,5 | −1,6875)"},
       {1, -2, 0, 0, 0},
       {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 2, 0}, {0, 1.5, -1.6875}, {1, 1.5, 0}}},
      {"slope",
       2,
       {"Steigung 3 bei x = 2", "Nullstelle bei x = 0", "f(1) = 0"},
       {1, -1, 0},
       {{1, 2, 3}, {0, 0, 0}, {0, 1, 0}}},
      {"fractions",
       3,
       {"P(1/2 | 1/8)", "f′(0) = 0", "f″(0)=0", "f(0) = 0"},
       {1, 0, 0, 0},
       {{0, 0.5, 0.125}, {1, 0, 0}, {2, 0, 0}, {0, 0, 0}}},
      {"decimals and a third",
       2,
       {"P(0,5 | 1,25)", "P(1/3 | 1)", "f(0) = 0"},
       {-3, 4, 0},
       {{0, 0.5, 1.25}, {0, 1.0 / 3, 1}, {0, 0, 0}}},
      {"third derivative and a tangent with negative slope",
       3,
       {"f'''(0) = 6", "Tangente y = -x + 4 bei x = 2", "f(0) = 0"},
       {1, -5, 7, 0},
       {{3, 0, 6}, {0, 2, 2}, {1, 2, -1}, {0, 0, 0}}},
  };
  return table;
}

TEST(Steckbrief, PublishedTasksGiveTheWorkedOutPolynomialWhichMeetsEveryCondition) {
  for (const Task& task : tasks()) {
    SCOPED_TRACE(task.name);
    Reconstruction r = Steckbrief(task.conditions, task.degree);
    ASSERT_TRUE(r.coefficients.has_value()) << r.message.toStdString();
    EXPECT_TRUE(*r.coefficients == task.expected);
    EXPECT_EQ(r.checks.size(), task.conditions.size());
    for (const QString& check : r.checks) EXPECT_TRUE(check.endsWith("✓")) << check.toStdString();
    std::vector<double> f = toDouble(task.expected);
    for (const Value& v : task.values)
      EXPECT_NEAR(derivativeAtDouble(f, v.derivative, v.x), v.y, 1e-12)
          << "f^(" << v.derivative << ")(" << v.x << ")";
    double sign = task.symmetry == Symmetry::Odd ? -1 : 1;
    if (task.symmetry != Symmetry::None) {
      for (double x : {0.5, 1.0, 2.5})
        EXPECT_NEAR(derivativeAtDouble(f, 0, -x), sign * derivativeAtDouble(f, 0, x), 1e-12);
    }
  }
}

TEST(Steckbrief, ResultIsWrittenInSchoolNotationWithOneCheckPerCondition) {
  Reconstruction r = Steckbrief({"WP(0 | 0)", "HP(1 | 2)"}, 3);
  EXPECT_EQ(r.function, "f(x) = −x³ + 3x");
  EXPECT_EQ(r.checks, QStringList({"WP(0 | 0): f(0) = 0 ✓, f″(0) = 0 ✓",
                                   "HP(1 | 2): f(1) = 2 ✓, f′(1) = 0 ✓"}));
  EXPECT_TRUE(r.message.isEmpty());

  r = Steckbrief({"punktsymmetrisch", "SP(1|1)"}, 5);
  EXPECT_EQ(r.function, "f(x) = 3/8·x⁵ − 5/4·x³ + 15/8·x");
  EXPECT_EQ(r.checks.front(), "punktsymmetrisch: f(−x) = −f(x) ✓");

  r = Steckbrief({"f'(2) = -1", "f(0) = 1/2", "f''(0) = 0"}, 3);
  // f = a·x³ + c·x + 1/2 with 12a + c = −1 leaves one coefficient free.
  EXPECT_FALSE(r.coefficients);
  r = Steckbrief({"f'(2) = -1", "f(0) = 1/2", "f''(0) = 0", "f'''(1) = 6"}, 3);
  ASSERT_TRUE(r.coefficients);
  EXPECT_EQ(r.function, "f(x) = x³ − 13x + 1/2");
  EXPECT_EQ(r.checks.front(), "f′(2) = −1 ✓");

  // Numbers typed as decimals are shown as decimals.
  r = Steckbrief({"P(0,5 | 1,25)", "P(1/3 | 1)", "f(0) = 0"}, 2);
  EXPECT_EQ(r.function, "f(x) = −3x² + 4x");
  EXPECT_EQ(r.checks, QStringList({"P(0,5 | 1,25): f(0,5) = 1,25 ✓", "P(1/3 | 1): f(1/3) = 1 ✓",
                                   "f(0) = 0 ✓"}));
}

struct Missing {
  int degree;
  QStringList conditions;
  int missing;
  QString family;
};

TEST(Steckbrief, MissingConditionsAreCountedAndTheFamilyKeepsTheFreeLetters) {
  const std::vector<Missing> table = {
      {3, {"f(0) = 0", "f(1) = 2"}, 2, "f(x) = a·x³ + b·x² + (2 − a − b)·x"},
      {3, {"punktsymmetrisch", "f(1) = 2"}, 1, "f(x) = a·x³ + (2 − a)·x"},
      {4, {"achsensymmetrisch"}, 3, "f(x) = a·x⁴ + c·x² + e"},
      // the second condition repeats the first
      {2, {"HP(1 | 2)", "TP(1|2)"}, 1, "f(x) = a·x² − 2a·x + (2 + a)"},
      {1, {}, 2, "f(x) = a·x + b"},
      {6, {"f(0) = 1"}, 6, "f(x) = a·x⁶ + b·x⁵ + c·x⁴ + d·x³ + e·x² + f·x + 1"},
  };
  for (const Missing& m : table) {
    SCOPED_TRACE(m.conditions.join(", ").toStdString());
    Reconstruction r = Steckbrief(m.conditions, m.degree);
    EXPECT_FALSE(r.coefficients);
    EXPECT_EQ(r.missing, m.missing);
    EXPECT_EQ(r.family, m.family);
    QString count = m.missing == 1 ? QStringLiteral("es fehlt 1 Bedingung")
                                   : QStringLiteral("es fehlen %1 Bedingungen").arg(m.missing);
    EXPECT_TRUE(r.message.contains(count)) << r.message.toStdString();
  }
}

struct Contradiction {
  int degree;
  QStringList conditions;
  QList<int> named;
};

TEST(Steckbrief, ContradictionsNameASmallestSetOfConditionsThatCannotHoldTogether) {
  const std::vector<Contradiction> table = {
      {2, {"P(0 | 1)", "Nullstelle bei x = 3", "f(0) = 2"}, {1, 3}},
      {3, {"P(0 | 0)", "f'(0) = 1", "punktsymmetrisch", "f(0) = 5"}, {3, 4}},
      {1, {"P(0|0)", "P(1|1)", "P(2|3)"}, {1, 2, 3}},
      {1, {"f(3) = 1", "f''(0) = 1"}, {2}},
      {2, {"HP(1 | 2)", "Tangente y = x + 1 bei x = 1"}, {1, 2}},
  };
  for (const Contradiction& c : table) {
    SCOPED_TRACE(c.conditions.join(", ").toStdString());
    Reconstruction r = Steckbrief(c.conditions, c.degree);
    EXPECT_FALSE(r.coefficients);
    EXPECT_EQ(r.contradicting, c.named);
    for (int number : c.named)
      EXPECT_TRUE(
          r.message.contains(QStringLiteral("(%1) „").arg(number) + c.conditions[number - 1] + "“"))
          << r.message.toStdString();
    // The named conditions alone contradict each other; without any one of them they do not.
    QStringList named;
    for (int number : c.named) named << c.conditions[number - 1];
    EXPECT_FALSE(Steckbrief(named, c.degree).contradicting.isEmpty());
    for (int i = 0; i < named.size(); ++i) {
      QStringList fewer = named;
      fewer.removeAt(i);
      EXPECT_TRUE(Steckbrief(fewer, c.degree).contradicting.isEmpty());
    }
  }
  Reconstruction r = Steckbrief({"P(0 | 1)", "Nullstelle bei x = 3", "f(0) = 2"}, 2);
  EXPECT_EQ(r.message,
            "Die Bedingungen widersprechen sich: (1) „P(0 | 1)“ und (3) „f(0) = 2“ "
            "lassen sich nicht zugleich erfüllen.");
}

TEST(Steckbrief, GaussSystemIsSquareReadableAndNeedsNoRowExchanges) {
  for (const Task& task : tasks()) {
    SCOPED_TRACE(task.name);
    GaussHandover handover = gaussSystem(task.conditions, task.degree);
    ASSERT_TRUE(handover.message.isEmpty()) << handover.message.toStdString();
    int n = task.degree + 1;
    ASSERT_EQ(int(handover.matrix.size()), n);
    std::vector<std::vector<double>> m;
    for (const auto& row : handover.matrix) {
      ASSERT_EQ(int(row.size()), n + 1);
      std::vector<double> values;
      for (const QString& cell : row) {
        EXPECT_FALSE(cell.contains(QChar(0x2212)));
        std::optional<double> value = parseNumber(cell);
        ASSERT_TRUE(value) << cell.toStdString();
        values.push_back(*value);
      }
      m.push_back(values);
    }
    for (int k = 0; k < n; ++k) {
      ASSERT_GT(std::abs(m[k][k]), 1e-9) << "zero pivot in row " << k + 1;
      for (int r = k + 1; r < n; ++r) {
        double factor = m[r][k] / m[k][k];
        for (int c = k; c <= n; ++c) m[r][c] -= factor * m[k][c];
      }
    }
    std::vector<double> x(n);
    for (int k = n - 1; k >= 0; --k) {
      double sum = m[k][n];
      for (int c = k + 1; c < n; ++c) sum -= m[k][c] * x[c];
      x[k] = sum / m[k][k];
    }
    for (int k = 0; k < n; ++k) EXPECT_NEAR(x[k], task.expected[k].toDouble(), 1e-9);
    // The Gauss tab's own elimination accepts the system as well.
    EXPECT_TRUE(solveGauss(handover.matrix, {}).has_value());
  }
}

TEST(Steckbrief, GaussSystemOrdersRowsAndRefusesSystemsWithoutOneSolution) {
  // d = 0 from WP(0 | 0) has no a, so it cannot be the first pivot row.
  GaussHandover handover = gaussSystem({"WP(0 | 0)", "HP(1 | 2)"}, 3);
  ASSERT_EQ(handover.matrix.size(), 4u);
  EXPECT_EQ(handover.matrix[0], std::vector<QString>({"1", "1", "1", "1", "2"}));
  EXPECT_EQ(handover.matrix[1], std::vector<QString>({"0", "2", "0", "0", "0"}));
  EXPECT_EQ(handover.matrix[2], std::vector<QString>({"3", "2", "1", "0", "0"}));
  EXPECT_EQ(handover.matrix[3], std::vector<QString>({"0", "0", "0", "1", "0"}));

  // Decimals stay decimals; a row with a third is multiplied out.
  handover = gaussSystem({"P(0,5 | 1,25)", "P(1/3 | 1)", "f(0) = 0"}, 2);
  ASSERT_EQ(handover.matrix.size(), 3u);
  EXPECT_EQ(handover.matrix[0], std::vector<QString>({"0,25", "0,5", "1", "1,25"}));
  EXPECT_EQ(handover.matrix[1], std::vector<QString>({"1", "3", "9", "9"}));

  handover = gaussSystem({"f(0) = 0", "f(1) = 2"}, 3);
  EXPECT_TRUE(handover.matrix.empty());
  EXPECT_TRUE(handover.message.contains("es fehlen 2 Bedingungen"));
  handover = gaussSystem({"f(0) = 0", "P(0 | 1)"}, 1);
  EXPECT_TRUE(handover.matrix.empty());
  EXPECT_TRUE(handover.message.contains("widersprechen"));
}

using Row = std::vector<Fraction>;  // coefficients, then the right side

struct Reading {
  QString text;
  int degree;
  std::vector<Row> equations;
};

TEST(Steckbrief, EveryConditionFormIsReadWithAndWithoutBlanks) {
  const Fraction half(1, 2);
  const std::vector<Reading> table = {
      {"f(1) = 2", 3, {{1, 1, 1, 1, 2}}},
      {"f(1)=2", 3, {{1, 1, 1, 1, 2}}},
      {"f(-1) = −3", 3, {{-1, 1, -1, 1, -3}}},
      {"f'(1) = 0", 3, {{3, 2, 1, 0, 0}}},
      {"f′(1)=0", 3, {{3, 2, 1, 0, 0}}},
      {"f''(0) = 0", 3, {{0, 2, 0, 0, 0}}},
      {"f″(2)=1", 3, {{12, 2, 0, 0, 1}}},
      {"f'''(0) = 1", 3, {{6, 0, 0, 0, 1}}},
      {"f‴(0)=1", 3, {{6, 0, 0, 0, 1}}},
      {"f'''(0) = 1", 2, {{0, 0, 0, 1}}},
      {"P(2 | 3)", 3, {{8, 4, 2, 1, 3}}},
      {"P(2|3)", 3, {{8, 4, 2, 1, 3}}},
      {"A(−1|0,5)", 3, {{-1, 1, -1, 1, half}}},
      {"B(0.5 | 2)", 3, {{Fraction(1, 8), Fraction(1, 4), half, 1, 2}}},
      {"Q(1/2|-3/4)", 3, {{Fraction(1, 8), Fraction(1, 4), half, 1, Fraction(-3, 4)}}},
      {"P1(2|3)", 3, {{8, 4, 2, 1, 3}}},
      {"HP(1 | 2)", 3, {{1, 1, 1, 1, 2}, {3, 2, 1, 0, 0}}},
      {"TP(1|2)", 3, {{1, 1, 1, 1, 2}, {3, 2, 1, 0, 0}}},
      {"H(1|2)", 3, {{1, 1, 1, 1, 2}, {3, 2, 1, 0, 0}}},
      {"T (1 | 2)", 3, {{1, 1, 1, 1, 2}, {3, 2, 1, 0, 0}}},
      {"WP(0 | 0)", 3, {{0, 0, 0, 1, 0}, {0, 2, 0, 0, 0}}},
      {"W(1|2)", 3, {{1, 1, 1, 1, 2}, {6, 2, 0, 0, 0}}},
      {"SP(1 | 2)", 3, {{1, 1, 1, 1, 2}, {3, 2, 1, 0, 0}, {6, 2, 0, 0, 0}}},
      {"Steigung 3 bei x = 2", 3, {{12, 4, 1, 0, 3}}},
      {"Steigung -1/2 bei x=0", 3, {{0, 0, 1, 0, Fraction(-1, 2)}}},
      {"Nullstelle bei x = 4", 3, {{64, 16, 4, 1, 0}}},
      {"nullstelle bei x=-1,5", 2, {{Fraction(9, 4), Fraction(-3, 2), 1, 0}}},
      {"berührt die x-Achse bei x = 1", 3, {{1, 1, 1, 1, 0}, {3, 2, 1, 0, 0}}},
      {"Berührt die x-Achse bei x=1", 3, {{1, 1, 1, 1, 0}, {3, 2, 1, 0, 0}}},
      {"Tangente y = 2x − 1 bei x = 1", 3, {{1, 1, 1, 1, 1}, {3, 2, 1, 0, 2}}},
      {"Tangente y=2x-1 bei x=1", 3, {{1, 1, 1, 1, 1}, {3, 2, 1, 0, 2}}},
      {"Tangente y = -x + 4 bei x = 2", 3, {{8, 4, 2, 1, 2}, {12, 4, 1, 0, -1}}},
      {"Tangente y = 3 bei x = 0", 3, {{0, 0, 0, 1, 3}, {0, 0, 1, 0, 0}}},
      {"Tangente y = 0,5x bei x = 2", 3, {{8, 4, 2, 1, 1}, {12, 4, 1, 0, half}}},
      {"Tangente bei x = 2: y = 1/2·x", 3, {{8, 4, 2, 1, 1}, {12, 4, 1, 0, half}}},
      {"Tangente: y = 1/2 * x bei x = 2", 3, {{8, 4, 2, 1, 1}, {12, 4, 1, 0, half}}},
      {"achsensymmetrisch", 3, {{1, 0, 0, 0, 0}, {0, 0, 1, 0, 0}}},
      {"Achsensymmetrisch zur y-Achse", 4, {{0, 1, 0, 0, 0, 0}, {0, 0, 0, 1, 0, 0}}},
      {"punktsymmetrisch", 3, {{0, 1, 0, 0, 0}, {0, 0, 0, 1, 0}}},
      {"Punktsymmetrisch zum Ursprung", 2, {{1, 0, 0, 0}, {0, 0, 1, 0}}},
  };
  for (const Reading& r : table) {
    SCOPED_TRACE(r.text.toStdString());
    ConditionReading reading = readCondition(r.text, r.degree);
    EXPECT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
    ASSERT_EQ(reading.equations.size(), qsizetype(r.equations.size()));
    for (size_t i = 0; i < r.equations.size(); ++i) {
      Row row = reading.equations[i].coefficients;
      row.push_back(reading.equations[i].right);
      EXPECT_TRUE(row == r.equations[i]) << "equation " << i + 1;
    }
  }
}

TEST(Steckbrief, ConditionsAreShownInSchoolNotation) {
  const std::vector<std::pair<QString, QString>> table = {
      {"P(2|3)", "P(2 | 3)"},
      {"f''(-1)=0,5", "f″(−1) = 0,5"},
      {"f''(-1)=1/2", "f″(−1) = 1/2"},
      {"Tangente y = 0,5x - 1,25 bei x = 2", "Tangente y = 0,5x − 1,25 bei x = 2"},
      {"P(1/2|3)", "P(1/2 | 3)"},
      {"Tangente y=2x-1 bei x=1", "Tangente y = 2x − 1 bei x = 1"},
      {"tangente y = -x bei x = 0", "Tangente y = −x bei x = 0"},
      {"Steigung -3/4 bei x=2", "Steigung −3/4 bei x = 2"},
      {"HP(1|2)", "HP(1 | 2)"},
  };
  for (const auto& [text, label] : table) EXPECT_EQ(readCondition(text, 3).label, label);
}

struct Refusal {
  QString text;
  int position;
  QString says;
};

TEST(Steckbrief, UnreadableConditionsPointAtThePlaceWhereReadingFailed) {
  const std::vector<Refusal> table = {
      {"f(1 = 2", 4, "Bei „f(1 = 2“: nach „f(1“ fehlt „)“."},
      {"f(1) 2", 5, "nach „f(1)“ fehlt „=“"},
      {"P(2 3)", 4, "nach „P(2“ fehlt „|“"},
      {"P(2 | )", 6, "nach „P(2 |“ fehlt eine Zahl"},
      {"Hochpunk(1|2)", 0, "am Anfang ist „Hochpunk“ keine bekannte Bedingung"},
      {"p(1|2)", 0, "ist „p“ keine bekannte Bedingung"},
      {"f(1) = 2 + x", 9, "nach „f(1) = 2“ ist „+ x“ zu viel"},
      {"Steigung 3 x = 2", 11, "nach „Steigung 3“ fehlt „bei x = …“"},
      {"Tangente y = x² bei x = 1", 14, "steht eine Potenz"},
      {"P(1/0 | 2)", 4, "Nenner 0"},
      {"Nullstelle bei x =", 18, "fehlt eine Zahl"},
      {"berührt die y-Achse bei x = 1", 12, "fehlt „x-Achse“"},
      {"achsensymmetrisch!", 17, "ist „!“ zu viel"},
      {"HP 1|2", 3, "nach „HP“ fehlt „(“"},
      {"P(1|2", 5, "nach „P(1|2“ fehlt „)“"},
      {"", 0, "keine Bedingung"},
  };
  for (const Refusal& r : table) {
    SCOPED_TRACE(r.text.toStdString());
    ConditionReading reading = readCondition(r.text, 3);
    EXPECT_TRUE(reading.equations.isEmpty());
    EXPECT_EQ(reading.errorPosition, r.position);
    EXPECT_TRUE(reading.error.contains(r.says)) << reading.error.toStdString();
  }
  Reconstruction r = Steckbrief({"HP(1|2)", "WP(0 0)"}, 3);
  EXPECT_FALSE(r.coefficients);
  EXPECT_TRUE(r.message.startsWith("(2) Bei „WP(0 0)“")) << r.message.toStdString();
}

TEST(Steckbrief, FractionsAndTextsFollowSchoolNotation) {
  const std::vector<std::pair<Fraction, QString>> fractions = {
      {Fraction(3, 4), "3/4"}, {Fraction(6, -8), "−3/4"}, {Fraction(-4, 2), "−2"},
      {Fraction(0, 5), "0"},   {Fraction(7), "7"},
  };
  for (const auto& [value, text] : fractions) EXPECT_EQ(fractionText(value), text);
  EXPECT_EQ(Fraction(6, -8).num, -3);
  EXPECT_EQ(Fraction(6, -8).den, 4);
  EXPECT_TRUE(Fraction(1, 6) + Fraction(1, 3) == Fraction(1, 2));
  EXPECT_TRUE(Fraction(2, 3) * Fraction(-9, 4) / Fraction(3) == Fraction(-1, 2));

  EXPECT_EQ(generalPolynomial(1), "f(x) = a·x + b");
  EXPECT_EQ(generalPolynomial(3), "f(x) = a·x³ + b·x² + c·x + d");
  EXPECT_EQ(generalPolynomial(6), "f(x) = a·x⁶ + b·x⁵ + c·x⁴ + d·x³ + e·x² + f·x + g");

  EXPECT_EQ(equationText({{1, 1, 1, 1}, 2}, 3), "a + b + c + d = 2");
  EXPECT_EQ(equationText({{3, 2, 1, 0}, 0}, 3), "3a + 2b + c = 0");
  EXPECT_EQ(equationText({{0, 0, 0, 1}, 0}, 3), "d = 0");
  EXPECT_EQ(equationText({{-1, Fraction(1, 2), 0}, Fraction(-3, 4)}, 2), "−a + 1/2·b = −3/4");
  EXPECT_EQ(equationText({{0, 0}, 5}, 1), "0 = 5");
}

TEST(Steckbrief, NumbersBeyondTheExactRangeGiveAMessageInsteadOfAWrongResult) {
  EXPECT_THROW(Fraction(INT64_MAX) + Fraction(1), FractionOverflow);
  EXPECT_THROW(Fraction(INT64_MAX) * Fraction(2), FractionOverflow);
  EXPECT_NO_THROW(Fraction(INT64_MAX) * Fraction(1, 2));
  EXPECT_THROW(Fraction(INT64_MIN), FractionOverflow);
  EXPECT_THROW(Fraction(1, INT64_MAX) * Fraction(1, 3), FractionOverflow);

  Reconstruction r = Steckbrief({"f(1000000) = 1", "f(0) = 0"}, 6);
  EXPECT_FALSE(r.coefficients);
  EXPECT_TRUE(r.message.contains("zu groß")) << r.message.toStdString();
  GaussHandover handover = gaussSystem({"f(1000000) = 1", "f(0) = 0"}, 6);
  EXPECT_TRUE(handover.matrix.empty());
  EXPECT_TRUE(handover.message.contains("zu groß"));
  ConditionReading reading = readCondition("P(123456789012345678901|1)", 3);
  EXPECT_TRUE(reading.equations.isEmpty());
  EXPECT_EQ(reading.errorPosition, 2);
  EXPECT_TRUE(reading.error.contains("zu viele Ziffern"));
}

// "Zeichne..." hands the entry field a term; the engine must read it as the
// same polynomial, fractions and signs included.
TEST(SteckbriefTerm, TheEntryFieldsTermIsThePolynomialFound) {
  Engine engine;
  const std::vector<std::vector<Fraction>> cases = {
      {Fraction(3, 8), 0, Fraction(-5, 4), 0, Fraction(15, 8), 0},
      {-1, 0, 3, 0},
      {Fraction(-1, 3), 1, -1},
      {0, 0},
  };
  for (const auto& coefficients : cases) {
    const QString term = polynomialTerm(coefficients);
    for (double x : {-2.5, -1.0, 0.0, 0.7, 3.0}) {
      double expected = 0;
      for (const Fraction& c : coefficients) expected = expected * x + c.toDouble();
      const FunctionValue v = Funktionswert(engine, EngineTerm::fromUser(term), x);
      ASSERT_TRUE(v.value) << term.toStdString();
      EXPECT_NEAR(*v.value, expected, 1e-12) << term.toStdString();
    }
  }
  EXPECT_EQ(polynomialTerm({-1, 0, 3, 0}), "-x^3+3*x");
}

}  // namespace
