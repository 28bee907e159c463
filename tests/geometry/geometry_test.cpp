#include <gtest/gtest.h>

#include <QStringList>
#include <utility>

#include "geometry/line_tools.h"
#include "geometry/parabola_tools.h"
#include "qstring_print.h"

namespace {

const QString kWrong = "refused: Sie haben falsche Werte eingegeben!";
const QString kWrongOne = "refused: Sie haben einen falschen Werte eingegeben!";
const QString kTooLarge = "refused: Die Werte sind zu groß für diese Berechnung!";
const QString kVertical =
    "refused: Die Orthogonale einer waagerechten Geraden ist senkrecht: keine Funktion!";

// An outcome as one text: "refused: <message>", or the result's fields joined by " ; ".
template <typename Result>
QString text(const Outcome<Result>& outcome) {
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) return "refused: " + refusal->message;
  const Result& r = std::get<Result>(outcome);
  if constexpr (std::is_same_v<Result, Midpoint>) {
    return r.xm + " ; " + r.ym;
  } else if constexpr (std::is_same_v<Result, QuadraticSolution>) {
    return QStringList{r.x1, r.x2, r.xs, r.ys, r.normalForm}.join(" ; ");
  } else {
    return r;
  }
}

// A case gives the tool's field texts separated by '|' and the expected outcome.
using Case = std::pair<const char*, QString>;
template <typename Result, typename... Fields, size_t N>
void check(Outcome<Result> (*tool)(Fields...), const Case (&cases)[N]) {
  for (const auto& [fields, expected] : cases) {
    const QStringList f = QString::fromUtf8(fields).split('|');
    ASSERT_EQ(f.size(), qsizetype(sizeof...(Fields))) << fields;
    [&]<size_t... I>(std::index_sequence<I...>) {
      EXPECT_EQ(text(tool(f[I]...)), expected) << fields;
    }
    (std::index_sequence_for<Fields...>{});
  }
}

// Point-slope form (x1, y1, m) keeps the slope as typed; the two-point form (x1, y1, x2, y2)
// writes it as number text, refusing a non-number before a vertical line, and a single
// precision overflow (1E+39).
TEST(LineTools, WriteTheLineOrRefuseTheInputs) {
  const Case pointSlope[] = {
      {"1|5|2", "2x+3"},       {"4|0|0,5", "0,5x-2,0"}, {"0|0|2", "2x+0"},
      {"-0|-0|2", "2x+0"},     {"3|1|0,1", "0,1x+0,7"}, {"1|0|0,3333", "0,3333x-0,333"},
      {"2|1|1.5", "1.5x-2,0"}, {"|1|2", kWrong},        {"1|a|2", kWrong},
      {"1|2|1,2,3", kWrong},   {"1|2|--", kWrong},      {"1E+300|0|-1E+300", kTooLarge}};
  check(pointSlopeForm, pointSlope);
  const Case twoPoint[] = {
      {"1|2|3|6", "2x+0,0"}, {"0|1|2|0", "-0,5x+1,0"},      {"0|-1,5|1|0", "1,5x-1,5"},
      {"0|2|3|2", "0x+2,0"}, {"0|0|3|1", "0,3333333x+0,0"}, {"1|2|1|6", "refused: keine Funktion!"},
      {"1|x|1|6", kWrong},   {"1|2|1E+39|6", kWrong},       {"0|0|1E-30|1E+30", kTooLarge}};
  check(twoPointForm, twoPoint);
}

// Angles are signed degrees from the first line to the second, with the old constant for pi;
// at 3 and -0,33333334, -1/m2 rounds away from m1, but 1 + m1 m2 vanishes all the same.
// Segments take x1, x2, y1, y2.
TEST(LineTools, OrthogonalSlopeAngleLengthAndMidpoint) {
  const Case orthogonal[] = {{"2", "-0,5"},    {"3", "-0,333"},   {"-4", "0,25"},
                             {"0,5", "-2,0"},  {"1E+300", "0,0"}, {"zwei", kWrongOne},
                             {"0", kVertical}, {"-0", kVertical}};
  check(orthogonalSlope, orthogonal);
  // clang-format off
  const Case angle[] = {
      {"1|0", "-45,00000005142°"}, {"0|1", "45,00000005142°"}, {"0|0", "0°"},
      {"0|0,5", "26,565051207433°"}, {"2|-0,5", "90°"}, {"-0,5|2", "90°"}, {"0,5|-2", "90°"},
      {"3|-0,33333334", "90°"}, {"a|2", kWrongOne}, {"3E+38|-3E+38", kTooLarge}};
  const Case length[] = {{"0|3|0|4", "5"}, {"0|0,1|0|0", "0,1"}, {"1|1|2|2", "0"},
                         {"1|1|2|", kWrong}, {"0|1E+300|0|0", kTooLarge}};
  const Case midpoint[] = {{"1|3|2|6", "2 ; 4"}, {"-1|1|0,5|0,5", "0 ; 0,5"},
                           {"1E+308|1E+308|0|0,1", "1E+308 ; 0,05"}, {"1|3|2|y", kWrong}};
  // clang-format on
  check(intersectionAngle, angle);
  check(segmentLength, length);
  check(segmentMidpoint, midpoint);
}

// The normal form of a(x-xs)^2+ys; solutions of a x^2 + b x + c = 0 read
// "x1 ; x2 ; xs ; ys ; normal form", the smaller root first.
TEST(ParabolaTools, NormalFormAndSolutionsWithTheVertex) {
  // clang-format off
  const Case normal[] = {
      {"2|1|3", "2x^2-4,0x+5,0"}, {"1|0|0", "1x^2+0,0x+0,0"}, {"-1|0|0", "-1x^2+0,0x+0,0"},
      {"0,5|2|-1", "0,5x^2-2,0x+1,0"}, {"1|-1,2345|0", "1x^2+2,469x+1,524"}, {"1||0", kWrong},
      {"a|1|0", kWrong}, {"1E+300|1E+300|0", kTooLarge}};
  // clang-format on
  check(normalForm, normal);
  // clang-format off
  const Case solved[] = {
      {"1|-3|2", "1,000 ; 2,000 ; 1,500 ; -0,250 ; 1x^2-3x+2"}, {"1|b|2", kWrong},
      {"-2|0|8", "-2,000 ; 2,000 ; 0,000 ; 8,000 ; -2x^2+0x+8"}, {"1E-300|1E+300|1", kTooLarge},
      {"1|2|1", "-1,000 ; -1,000 ; -1,000 ; 0,000 ; 1x^2+2x+1"},
      {"0,5|1,5|-1", "-3,562 ; 0,562 ; -1,500 ; -2,125 ; 0,5x^2+1,5x-1"},
      {"1|0|1", "0,000+1,000i ; 0,000-1,000i ; 0,000 ; 1,000 ; 1x^2+0x+1"},
      {"1|2|5", "-1,000+2,000i ; -1,000-2,000i ; -1,000 ; 4,000 ; 1x^2+2x+5"},
      {"0|2|1", "refused: Für a = 0 ist die Gleichung nicht quadratisch!"}};
  // clang-format on
  check(solveQuadratic, solved);
}

}  // namespace
