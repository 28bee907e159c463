#include "engine/engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "engine/format_pattern.h"
#include "engine/function_calculator.h"
#include "engine/notation.h"
#include "engine/number_text.h"
#include "engine/recording_engine.h"
#include "qstring_print.h"

namespace {

TEST(FunctionCalculator, SendsBothRequestsAndShowsTheValueRoundedHalfToEven) {
  RecordingEngine recording;
  CalculatorResult result = calculate(recording, "x^2-2x", "1,5");
  EXPECT_EQ(recording.requests, QStringList({"SUBST(x^2-2x,x,1.5)", "APPROX(-3/4)"}));
  EXPECT_EQ(std::tuple(result.caption, result.result, result.termMissing),
            std::tuple(QString("f(1,5) = "), QString("-0,75"), false));

  const char* undefined = "nicht definiert";
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"x", "0,125", "0,12"},  {"x", "0,375", "0,38"},     {"x*10^8", "1,5", "150000000"},
      {"x", "1,5E-07", "0"},   {"sin(x)", "1", "0,84"},    {"x^2", "", undefined},
      {"1/x", "0", undefined}, {"ln(x)", "-1", undefined}, {"foo(x)", "1", undefined}};
  for (const auto& [f, at, shown] : cases) {
    result = calculate(recording, f, at);
    EXPECT_EQ(result.result, shown) << f << " at '" << at << "'";
    EXPECT_EQ(result.caption, "f(" + QString(at) + ") = ");
  }
  recording.requests.clear();
  EXPECT_TRUE(calculate(recording, QString(), "1").termMissing);
  EXPECT_TRUE(recording.requests.isEmpty());
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The rows of a table text: words separated by blanks, `columns` to a row.
std::vector<std::vector<std::string>> rows(const char* table, size_t columns) {
  std::istringstream words(table);
  std::vector<std::vector<std::string>> rows(1);
  for (std::string word; words >> word;) {
    if (rows.back().size() == columns) rows.emplace_back();
    rows.back().push_back(word);
  }
  EXPECT_EQ(rows.back().size(), columns) << table;
  return rows;
}

// Values as C++ reads their literals, and the texts they show.
TEST(NumberText, FloatsShowSevenSignificantDigitsDoublesFifteen) {
  for (const auto& row : rows(R"(2.5 2,5      -0.5 -0,5          0.001 0,001       1.5e-7 1,5E-07
                                 1e7 1E+07    123456.7 123456,7  0.1 0,1           3 3
                                 -0 0         1234567 1234567    1e-7 0,0000001    1.2e-7 1,2E-07
                                 1.234567891e10 1,234568E+10)",
                              2)) {
    EXPECT_EQ(numberText(std::stof(row[0])), QString::fromStdString(row[1])) << row[0];
  }
  for (const auto& row : rows(R"(0.1 0,1    0.6666666666666666 0,666666666666667    1e15 1E+15
                                 -0 0       123456789012345 123456789012345     1e-15 0,000000000000001
                                 1.5e-15 1,5E-15    1e-100 1E-100    -1.25e200 -1,25E+200)",
                              2)) {
    EXPECT_EQ(numberText(std::stod(row[0])), QString::fromStdString(row[1])) << row[0];
  }
  EXPECT_EQ(numberText(float(kInf)), "nicht definiert");
  for (double value : {kNaN, -kInf}) EXPECT_EQ(numberText(value), "nicht definiert");
}

// Stored view numbers need 8 or 9 digits where 7 would not read back as the same float:
// -10/3, the float after 1, the largest float.
TEST(NumberText, ExactNumberTextReadsBackAsTheSameFloat) {
  for (const auto& row : rows(R"(2.5 2,5   -10 -10   1.5e-7 1,5E-07   1e7 1E+07   0.3 0,3
                                 -3.3333333 -3,3333333   1.00000012 1,0000001   16777216 16777216
                                 3.40282347e38 3,4028235E+38)",
                              2)) {
    const float value = std::stof(row[0]);
    EXPECT_EQ(exactNumberText(value), QString::fromStdString(row[1])) << row[0];
    EXPECT_EQ(parseSingle(QString::fromStdString(row[1])), value) << row[0];
  }
  for (float value = 1.0f; value < 1.001f; value = std::nextafter(value, 2.0f)) {
    ASSERT_EQ(parseSingle(exactNumberText(value)), value) << exactNumberText(value).toStdString();
  }
}

TEST(NumberText, ParsesPlainNumbersWithCommaOrPointAndRefusesTheRest) {
  const std::pair<const char*, double> cases[] = {
      {"1,5", 1.5},      {"1.5", 1.5}, {" -2,25 ", -2.25},  {"+4", 4},
      {",5", 0.5},       {"5,", 5},    {"1,5E-07", 1.5e-7}, {"2e3", 2000},
      {"-1,5e+2", -150}, {"007", 7},   {"1E-400", 0},       {"0,1", 0.1}};
  for (const auto& [text, value] : cases) EXPECT_EQ(parseNumber(text), value) << text;
  for (const char* text : {"", "  ", "1,2,3", "1.2,3", "--4", "-", "+", "a", "1e", "1,5E", "2x",
                           "0x10", "inf", "nan", "1 000", ",", "1E+999", "-1E+999", "1,5E-"}) {
    EXPECT_FALSE(parseNumber(text).has_value()) << text;
    EXPECT_FALSE(parseSingle(text).has_value()) << text;
  }
  // Single precision refuses what lies beyond its range.
  EXPECT_EQ(parseSingle("0,1"), 0.1f);
  EXPECT_EQ(parseSingle("3,4028234E38"), std::numeric_limits<float>::max());
  EXPECT_FALSE(parseSingle("3,5E38").has_value());
  EXPECT_EQ(parseNumber("3,5E38"), 3.5e38);
}

// An answer is read up to its end and no further: every prefix of a longer
// text reads as the same bytes copied on their own.
TEST(NumberText, AnswersAreReadOnlyUpToTheirEnd) {
  const std::string text = "-2.5E-3x7";
  for (size_t length = 0; length <= text.size(); ++length) {
    const std::string alone = text.substr(0, length);
    EXPECT_EQ(parseAnswerNumber(std::string_view(text.data(), length)), parseAnswerNumber(alone))
        << alone;
  }
  EXPECT_EQ(parseAnswerNumber(std::string_view(text.data(), 7)), -0.0025);
}

// Engine answers read like BASIC's Val(): decimal point only, and overflow judged by the
// value, not by the exponent's sign.
TEST(NumberText, LeadingNumberReadsLikeVal) {
  const std::pair<const char*, double> cases[] = {
      {"1.5E-07", 1.5e-7}, {" -2*x", -2},     {"-.5", -0.5}, {"2.5e3", 2500},
      {"3E+2x", 300},      {"2E", 2},         {".5x", 0.5},  {"1,5", 1},
      {"undef", 0},        {"", 0},           {"-", 0},      {"1E-400", 0},
      {"1E+400", kInf},    {"-1E+400", -kInf}};
  for (const auto& [text, value] : cases) EXPECT_EQ(leadingNumber(text), value) << text;
  const QString zeros(400, u'0');
  EXPECT_EQ(leadingNumber("0." + zeros + "1E+1"), 0);
  EXPECT_EQ(leadingNumber("0." + zeros + "1"), 0);
  EXPECT_EQ(leadingNumber("1" + zeros + "E-1"), kInf);
  EXPECT_EQ(leadingNumber("-1" + zeros), -kInf);
  // parseNumber refuses an overflow.
  EXPECT_EQ(parseNumber("0," + zeros + "1E+1"), 0.0);
  EXPECT_FALSE(parseNumber("1" + zeros + "E-1").has_value());
}

// The half is judged on the value's 15-digit decimal text: 2.675 is a half.
TEST(NumberText, RoundHalfEvenGoesToTheEvenNeighbour) {
  const std::tuple<double, int, double> cases[] = {
      {0.125, 2, 0.12}, {0.375, 2, 0.38},     {2.675, 2, 2.68}, {-0.125, 2, -0.12}, {1.005, 2, 1.0},
      {2.5, 0, 2},      {3.5, 0, 4},          {0.126, 2, 0.13}, {1250, -2, 1200},   {0.004, 2, 0},
      {9.995, 2, 10},   {1.0 / 3, 4, 0.3333}, {0.5, 0, 0}};
  for (const auto& [value, decimals, rounded] : cases) {
    EXPECT_EQ(roundHalfEven(value, decimals), rounded) << value << " " << decimals;
  }
}

// Before the point each '0' is a guaranteed digit; after it the last '0' marks the minimum of
// decimals. A half rounds away from zero on the decimal text; 1E+15 and beyond, and undefined
// values, fall back to numberText.
TEST(FormatPattern, FormatsAfterClassicPatternsRoundingAHalfAwayFromZero) {
  // Pattern, value, text.
  for (const auto& row : rows(R"(
      ####0.0## 2 2,0                 ####0.0## -0.6666666666666666 -0,667
      0.0## 3 3,0                     0.0## -0.3333333333333333 -0,333
      ####0.0# 0.3333333333333333 0,33   ####0.0# 2 2,0     ####0.0# -1.5 -1,5
      ###0.0### 0.3333333333333333 0,3333                   ###0.0### 0 0,0
      0.0# 1234567.25 1234567,25      000.# 7 007     0 2.5 3     #.# 0.25 ,3     # 0 0
      0.##0 1.5 1,500                 0.##0 0.3333333333333333 0,333     0.#0# 2 2,00
      0.00 2.675 2,68     0.000 0.0625 0,063     0.000 -0.0625 -0,063     0.0## 0.9996 1,0
      0.0 -0.04 0,0       0.## 0.0004 0         0.00# 0.0006 0,001
      0.00 1e15 1E+15     0.00 -2.5e20 -2,5E+20)",
                              3)) {
    EXPECT_EQ(formatPattern(std::stod(row[1]), QString::fromStdString(row[0])),
              QString::fromStdString(row[2]))
        << row[1] << " " << row[0];
  }
  for (double value : {kNaN, -kInf}) EXPECT_EQ(formatPattern(value, "0.00"), "nicht definiert");
}

// komma2point rewrites the first upper-case E once per pass: one pass per comma and a final one.
TEST(Notation, KommaToPointAndBack) {
  // clang-format off
  const std::pair<const char*, const char*> toPoint[] = {
      {"1,5E-07", "1.5* 10 ^(-07)"}, {"-2,25", "-2.25"}, {"x^2-2x", "x^2-2x"}, {"0,1", "0.1"},
      {"3,5E+12", "3.5* 10 ^(+12)"}, {"1,2,3", "1.2.3"}, {"E^x", "* 10 ^(^x)"}, {"", ""},
      {"1,2E5", "1.2* 10 ^(5)"}, {"1,5e-07", "1.5e-07"}, {"1,2,3E4", "1.2.3* 10 ^(4)"},
      {"1,5E2E3", "1.5* 10 ^(2* 10 ^(3))"}, {"E1E2", "* 10 ^(1E2)"}};
  // clang-format on
  for (const auto& [komma, point] : toPoint) EXPECT_EQ(komma2point(komma), point) << komma;
  const std::pair<const char*, const char*> toKomma[] = {
      {"1.5E-05", "1,5E-05"}, {"1.2.3", "1,2,3"}, {"-0.5*x+1.25", "-0,5*x+1,25"}};
  for (const auto& [point, komma] : toKomma) EXPECT_EQ(point2komma(point), komma) << point;
}

// The request numbers written for graph samples are komma2point of the number
// texts, and answers read as bytes read as parseNumber reads them.
TEST(NumberText, RequestNumbersAndAnswerBytesMatchTheTextForms) {
  std::vector<double> values = {
      0,      -0.0,   1,        -1,    0.1,  2.5,  1e7,           1e15,
      1.5e-7, 1e-300, 4.9e-324, 1e300, kInf, kNaN, -3.3333333333, 123456789012345678.0};
  for (int i = -400; i <= 400; ++i) values.push_back(std::pow(10.0, i / 7.0) * (i % 2 ? -1 : 1));
  for (const double value : values) {
    std::string request = "x,";
    appendRequestNumber(request, value);
    EXPECT_EQ(request, "x," + komma2point(numberText(value)).toStdString()) << value;
    request.clear();
    appendRequestNumber(request, static_cast<float>(value));
    EXPECT_EQ(request, komma2point(numberText(static_cast<float>(value))).toStdString()) << value;
  }
  for (const char* answer : {"2.5", " -1.5E-07 ", "1e400", "1e-400", "undef", "2*y+1", "", "-",
                             ".5", "1.5* 10 ^(-07)", "3,5",
                             "\xc2\xa0"
                             "4"}) {
    EXPECT_EQ(parseAnswerNumber(answer), parseNumber(point2komma(QString::fromUtf8(answer))))
        << answer;
  }
}

}  // namespace
