#include "calculus/value_table.h"

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "qstring_print.h"

namespace {

QList<ValueRow> rowsOf(Engine& engine, const ValueTableFields& fields) {
  auto table = Wertetabelle(engine, fields);
  if (auto* refusal = std::get_if<QString>(&table)) {
    ADD_FAILURE() << refusal->toStdString();
    return {};
  }
  return std::get<QList<ValueRow>>(table);
}

QString refusalOf(Engine& engine, const ValueTableFields& fields) {
  auto table = Wertetabelle(engine, fields);
  auto* refusal = std::get_if<QString>(&table);
  return refusal ? *refusal : QString();
}

TEST(ValueTable, StepsAreCountedFromVonAndEndAtBisWhenItFallsOnAStep) {
  Engine engine;
  QList<ValueRow> rows = rowsOf(engine, {"x^3", "-1", "2", "0,5"});
  ASSERT_EQ(rows.size(), 7);
  EXPECT_EQ(rows.first().x, -1);
  EXPECT_EQ(rows.last().x, 2);
  EXPECT_EQ(valueRowTexts(rows[6]), QStringList({"2", "8", "12", "12"}));
  EXPECT_EQ(valueRowTexts(rows[1]), QStringList({"-0,5", "-0,125", "0,75", "-3"}));

  // 0,1 added up would miss 3 and drift: each x is von + k·step.
  rows = rowsOf(engine, {"x", "0", "3", "0,1"});
  ASSERT_EQ(rows.size(), 31);
  EXPECT_EQ(rows[7].x, 7 * 0.1);
  EXPECT_EQ(rows.last().x, 3);
  rows = rowsOf(engine, {"x", "-0,3", "0,3", "0,1"});
  EXPECT_EQ(rows[3].x, 0);  // not -5,55E-17
  EXPECT_EQ(valueCellText(rows[3].x), "0");

  // bis between two steps: the last row is the step before it.
  rows = rowsOf(engine, {"x", "0", "1", "0,3"});
  ASSERT_EQ(rows.size(), 4);
  EXPECT_DOUBLE_EQ(rows.last().x, 0.9);
  // von = bis: one row.
  EXPECT_EQ(rowsOf(engine, {"x", "2", "2", "1"}).size(), 1);

  // Far from 0 the range itself is rounded: bis is still reached.
  rows = rowsOf(engine, {"x", "10000", "10000,0001", "0,0001"});
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows.last().x, 10000.0001);
  EXPECT_EQ(rowsOf(engine, {"x", "20000", "20000,009", "0,001"}).size(), 10);
  // A von near 0 stays as typed; only later steps snap to 0.
  EXPECT_EQ(rowsOf(engine, {"x", "1E-12", "1", "1"}).first().x, 1e-12);
}

TEST(ValueTable, PointsWithoutValueAreNotDefined) {
  Engine engine;
  QList<ValueRow> rows = rowsOf(engine, {"ln(x)", "-1", "1", "1"});
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(valueRowTexts(rows[0]), QStringList({"-1", "nicht definiert", "-1", "-1"}));
  EXPECT_EQ(valueRowTexts(rows[1]),
            QStringList({"0", "nicht definiert", "nicht definiert", "nicht definiert"}));
  EXPECT_EQ(valueRowTexts(rows[2]), QStringList({"1", "0", "1", "-1"}));
}

TEST(ValueTable, FieldsThatCannotMakeATableAreRefusedByName) {
  const QString
      noNumber = "Im Feld „%1“ steht keine Zahl.",
      notPositive = "Die Schrittweite muss größer als 0 sein.",
      faulty = "Der Term im Feld „f(x) =“ lässt sich nicht berechnen.",
      tooMany = "Die Tabelle hätte mehr als 10.000 Zeilen. Wählen Sie eine größere Schrittweite.";
  const std::pair<ValueTableFields, QString> cases[] = {
      {{"x", "a", "1", "1"}, noNumber.arg("von")},
      {{"x", "0", "", "1"}, noNumber.arg("bis")},
      {{"x", "0", "1", "1,2,3"}, noNumber.arg("Schrittweite")},
      {{"x", "0", "1", "0"}, notPositive},
      {{"x", "0", "1", "-1"}, notPositive},
      {{"x", "1", "0", "1"}, "„bis“ darf nicht kleiner als „von“ sein."},
      {{"2y+1", "0", "1", "1"}, faulty},
      {{"x+*", "0", "1", "1"}, faulty},
      {{"", "0", "1", "1"}, "Sie haben noch keinen Funktionsterm eingegeben!"},
      {{"x", "0", "10000", "1"}, tooMany},  // 10.001 rows
      {{"x", "0", "1", "1E-300"}, tooMany},
      // A step lost in the size of the numbers would repeat the same x.
      {{"x", "1E17", "100000000000000100", "1"}, "Die Schrittweite ist für diese Zahlen zu klein."},
  };
  Engine engine;
  for (const auto& [fields, message] : cases)
    EXPECT_EQ(refusalOf(engine, fields), message) << fields.von.toStdString();
  EXPECT_EQ(rowsOf(engine, {"x", "0", "9999", "1"}).size(), kMaxValueRows);
}

TEST(ValueTable, CellsHaveSixSignificantDigitsAndTheTablePastesAsTabSeparatedLines) {
  EXPECT_EQ(valueCellText(1.0 / 3), "0,333333");
  EXPECT_EQ(valueCellText(-1123.125), "-1123,13");
  EXPECT_EQ(valueCellText(1234567), "1,23457E+06");
  EXPECT_EQ(valueCellText(-0.0), "0");
  EXPECT_EQ(valueCellText(std::nullopt), "nicht definiert");

  Engine engine;
  EXPECT_EQ(valueTableText(rowsOf(engine, {"1/x", "0", "0,5", "0,5"})),
            "x\tf(x)\tf'(x)\tf''(x)\n"
            "0\tnicht definiert\tnicht definiert\tnicht definiert\n"
            "0,5\t2\t-4\t16\n");
  EXPECT_EQ(valueTableText({}), "x\tf(x)\tf'(x)\tf''(x)\n");
}

}  // namespace
