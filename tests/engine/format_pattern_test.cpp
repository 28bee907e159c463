#include "engine/format_pattern.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FormatPattern, FormatsAfterClassicPatterns) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      {2, "####0.0##", "2,0"},
      {-2.0 / 3, "####0.0##", "-0,667"},
      {3, "0.0##", "3,0"},
      {-1.0 / 3, "0.0##", "-0,333"},
      {1.0 / 3, "####0.0#", "0,33"},
      {2, "####0.0#", "2,0"},
      {-1.5, "####0.0#", "-1,5"},
      {1.0 / 3, "###0.0###", "0,3333"},
      {0, "###0.0###", "0,0"},
      {1234567.25, "0.0#", "1234567,25"},  // never a thousands separator
      {7, "000.#", "007"},
      {2.5, "0", "3"},      // no point, no decimals
      {0.25, "#.#", ",3"},  // no '0' before the point: no integer digit
      {0, "#", "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatPattern(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text))
        << c.value << " " << c.pattern;
  }
}

TEST(FormatPattern, ZeroPlaceholderForcesEveryDecimalBeforeIt) {
  EXPECT_EQ(formatPattern(1.5, "0.##0"), "1,500");
  EXPECT_EQ(formatPattern(1.0 / 3, "0.##0"), "0,333");
  EXPECT_EQ(formatPattern(2, "0.#0#"), "2,00");
}

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheDecimalText) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      {2.675, "0.00", "2,68"},  // the double lies just below 2.675
      {0.0625, "0.000", "0,063"}, {-0.0625, "0.000", "-0,063"},
      {0.9996, "0.0##", "1,0"},  // carry into the integer part
      {-0.04, "0.0", "0,0"},     // rounded to zero: no minus sign
      {0.0004, "0.##", "0"},      {0.0006, "0.00#", "0,001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatPattern(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text))
        << c.value << " " << c.pattern;
  }
}

TEST(FormatPattern, FallsBackToNumberTextForHugeOrUndefinedValues) {
  EXPECT_EQ(formatPattern(1e15, "0.00"), "1E+15");
  EXPECT_EQ(formatPattern(-2.5e20, "0.00"), "-2,5E+20");
  EXPECT_EQ(formatPattern(std::numeric_limits<double>::quiet_NaN(), "0.00"), "nicht definiert");
  EXPECT_EQ(formatPattern(-std::numeric_limits<double>::infinity(), "0.00"), "nicht definiert");
}
