#include <gtest/gtest.h>

#include "plot/view_field_keys.h"

namespace {

TEST(ViewFieldKeys, LetsInDigitsOneCommaAndOneMinus) {
  struct Case {
    char16_t typed;
    const char* text;
    char16_t inserted;  // 0: refused
  };
  const Case cases[] = {
      {u'7', "", u'7'},    {u'0', "-1,5", u'0'}, {u'.', "1", u','},  {u',', "1", u','},
      {u'.', "1,5", 0},    {u',', "1,5", 0},     {u'-', "", u'-'},   {u'-', "3", u'-'},
      {u'-', "-3", 0},     {u'a', "", 0},        {u'E', "1", 0},     {u' ', "", 0},
      {u'+', "", 0},       {u'x', "1", 0},
  };
  for (const Case& c : cases) {
    std::optional<QChar> result = filterViewFieldKey(QChar(c.typed), QString::fromUtf8(c.text));
    if (c.inserted == 0) {
      EXPECT_FALSE(result.has_value()) << char(c.typed) << " into " << c.text;
    } else {
      ASSERT_TRUE(result.has_value()) << char(c.typed) << " into " << c.text;
      EXPECT_EQ(*result, QChar(c.inserted));
    }
  }
}

}  // namespace
