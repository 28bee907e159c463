#include "engine/notation.h"

#include <gtest/gtest.h>

TEST(Notation, KommaToPointConvertsCommasAndRewritesExponents) {
  const struct {
    const char* komma;
    const char* point;
  } cases[] = {
      {"1,5E-07", "1.5* 10 ^(-07)"},
      {"-2,25", "-2.25"},
      {"x^2-2x", "x^2-2x"},
      {"3,5E+12", "3.5* 10 ^(+12)"},
      {"0,1", "0.1"},
      {"1,2,3", "1.2.3"},
      {"E^x", "* 10 ^(^x)"},
      {"1,2E5", "1.2* 10 ^(5)"},
      // Lower-case e is left alone.
      {"1,5e-07", "1.5e-07"},
      // Two commas, one E: the E is gone after the first pass, so it is rewritten once.
      {"1,2,3E4", "1.2.3* 10 ^(4)"},
      // One comma gives two passes, so two E are rewritten, the second one nested.
      {"1,5E2E3", "1.5* 10 ^(2* 10 ^(3))"},
      // No comma gives a single pass, so only the first E is rewritten.
      {"E1E2", "* 10 ^(1E2)"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(komma2point(QString::fromUtf8(c.komma)), QString::fromUtf8(c.point)) << c.komma;
  }
}

TEST(Notation, PointToKommaOnlyReplacesPoints) {
  const struct {
    const char* point;
    const char* komma;
  } cases[] = {
      {"1.5E-05", "1,5E-05"},
      {"1.2.3", "1,2,3"},
      {"x^2-2x", "x^2-2x"},
      {"-0.5*x+1.25", "-0,5*x+1,25"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(point2komma(QString::fromUtf8(c.point)), QString::fromUtf8(c.komma)) << c.point;
  }
}
