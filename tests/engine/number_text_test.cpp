#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumberText, FloatShowsAtMostSevenSignificantDigits) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {2.5f, "2,5"},
      {-0.5f, "-0,5"},
      {0.001f, "0,001"},
      {1.5e-7f, "1,5E-07"},
      {1e7f, "1E+07"},
      {123456.7f, "123456,7"},
      {0.1f, "0,1"},
      {3.0f, "3"},
      {1234567.0f, "1234567"},
      {0.0000001f, "0,0000001"},
      {0.00000012f, "1,2E-07"},
      {1.234567891e10f, "1,234568E+10"},
      {-0.0f, "0"},

  };
  for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, DoubleShowsAtMostFifteenSignificantDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.1, "0,1"},
      {2.0 / 3, "0,666666666666667"},
      {1e15, "1E+15"},
      {123456789012345.0, "123456789012345"},
      {-0.0, "0"},
      {1e-15, "0,000000000000001"},
      {1.5e-15, "1,5E-15"},
      {1e-100, "1E-100"},
      {-1.25e200, "-1,25E+200"},
  };
  for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, UndefinedValuesShowNichtDefiniert) {
  EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "nicht definiert");
  EXPECT_EQ(numberText(-std::numeric_limits<double>::infinity()), "nicht definiert");
  EXPECT_EQ(numberText(std::numeric_limits<float>::infinity()), "nicht definiert");
}

TEST(NumberText, ParsesTypedNumbersWithCommaOrPoint) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1,5", 1.5},      {"1.5", 1.5}, {" -2,25 ", -2.25},  {"+4", 4},
      {",5", 0.5},       {"5,", 5},    {"1,5E-07", 1.5e-7}, {"2e3", 2000},
      {"-1,5e+2", -150}, {"007", 7},   {"1E-400", 0},       {"0,1", 0.1},
  };
  for (const auto& c : cases) {
    const auto parsed = parseNumber(QString::fromLatin1(c.text));
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(*parsed, c.value) << c.text;
  }
}

TEST(NumberText, RefusesAnythingButAPlainNumber) {
  for (const char* text : {"", "  ", "1,2,3", "1.2,3", "--4", "-", "+", "a", "1e", "1,5E", "2x",
                           "0x10", "inf", "nan", "1 000", ",", "1E+999", "-1E+999", "1,5E-"}) {
    EXPECT_FALSE(parseNumber(QString::fromLatin1(text)).has_value()) << text;
    EXPECT_FALSE(parseSingle(QString::fromLatin1(text)).has_value()) << text;
  }
}

TEST(NumberText, ParseSingleRefusesValuesBeyondFloatRange) {
  EXPECT_EQ(parseSingle("0,1"), 0.1f);
  EXPECT_EQ(parseSingle("3,4028234E38"), std::numeric_limits<float>::max());
  EXPECT_FALSE(parseSingle("3,5E38").has_value());
  EXPECT_EQ(parseNumber("3,5E38"), 3.5e38);
}

TEST(NumberText, RoundHalfEvenJudgesTheHalfOnTheDecimalText) {
  const struct {
    double value;
    int decimals;
    double rounded;
  } cases[] = {
      {0.125, 2, 0.12}, {0.375, 2, 0.38},     {2.675, 2, 2.68}, {-0.125, 2, -0.12}, {1.005, 2, 1.0},
      {2.5, 0, 2},      {3.5, 0, 4},          {0.126, 2, 0.13}, {1250, -2, 1200},   {0.004, 2, 0},
      {9.995, 2, 10},   {1.0 / 3, 4, 0.3333}, {0.5, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.rounded) << c.value << " " << c.decimals;
  }
}

TEST(NumberText, LeadingNumberReadsLikeVal) {
  EXPECT_EQ(leadingNumber("1.5E-07"), 1.5e-7);
  EXPECT_EQ(leadingNumber(" -2*x"), -2);
  EXPECT_EQ(leadingNumber("2E"), 2);
  EXPECT_EQ(leadingNumber(".5x"), 0.5);
  EXPECT_EQ(leadingNumber("undef"), 0);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("1E+400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("-1E+400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("1E-400"), 0);
}

TEST(NumberText, LeadingNumberJudgesOverflowByTheValueNotTheExponentSign) {
  const QString zeros(400, u'0');
  // About 1E-400 although the exponent is positive or missing.
  EXPECT_EQ(leadingNumber("0." + zeros + "1E+1"), 0);
  EXPECT_EQ(leadingNumber("0." + zeros + "1"), 0);
  // About 1E+399 although the exponent is negative.
  EXPECT_EQ(leadingNumber("1" + zeros + "E-1"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("-1" + zeros), -std::numeric_limits<double>::infinity());
  // The same texts through parseNumber, which refuses an overflow.
  EXPECT_EQ(parseNumber("0," + zeros + "1E+1"), 0.0);
  EXPECT_FALSE(parseNumber("1" + zeros + "E-1").has_value());
}

TEST(NumberText, ExactNumberTextReadsBackAsTheSameFloat) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {2.5f, "2,5"},
      {-10.0f, "-10"},
      {1.5e-7f, "1,5E-07"},
      {1e7f, "1E+07"},
      {-10.0f / 3, "-3,3333333"},  // 7 digits would give -3.333333, one float off
      {1.00000012f, "1,0000001"},  // the float after 1
      {16777216.0f, "16777216"},
      {0.3f, "0,3"},
      {3.40282347e38f, "3,4028235E+38"},  // the largest float
  };
  for (const auto& c : cases) {
    EXPECT_EQ(exactNumberText(c.value), c.text) << c.value;
    EXPECT_EQ(parseSingle(exactNumberText(c.value)), c.value) << c.value;
  }
  // Every float between 1 and 2 that 7 digits cannot tell apart from its neighbours.
  for (float value = 1.0f; value < 1.001f; value = std::nextafter(value, 2.0f)) {
    ASSERT_EQ(parseSingle(exactNumberText(value)), value) << exactNumberText(value).toStdString();
  }
}
