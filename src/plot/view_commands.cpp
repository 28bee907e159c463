#include "plot/view_commands.h"

#include <cmath>

#include "engine/number_text.h"

namespace {

constexpr double kNotchFactor = 2;       // one notch: the toolbar's zoom step
constexpr double kFineNotches = 0.25;    // a fine notch, in whole notches
constexpr double kMostTicks = 40, kFewestTicks = 10;

std::variant<std::array<double, 6>, QString> readNumbers(const ViewTexts& texts) {
  std::array<double, 6> values{};
  for (int i = 0; i < 6; ++i) {
    std::optional<double> value = parseNumber(texts[i]);
    if (!value) return notANumberMessage(i);
    values[i] = *value;
  }
  return values;
}

// An end of the window on a grid of a ten-thousandth of the width (a power of
// ten), so that the fields show short numbers.
double roundEnd(double end, double width) {
  width = std::fabs(width);
  if (!(width > 0) || !std::isfinite(width)) return end;
  const double grid = std::pow(10.0, std::floor(std::log10(width)) - 4);
  const double rounded = std::round(end / grid) * grid;
  return std::isfinite(rounded) ? rounded : end;
}

// A tick spacing doubled or halved until between 10 and 40 ticks show (with
// a little slack, so that rounded ends do not tip it).
double fitTick(double tick, double width) {
  constexpr double kSlack = 1e-3;
  width = std::fabs(width);
  for (int i = 0; i < 64 && tick > 0 && width / tick > kMostTicks * (1 + kSlack); ++i) tick *= 2;
  for (int i = 0; i < 64 && tick > 0 && width / tick < kFewestTicks * (1 - kSlack); ++i) tick /= 2;
  return tick;
}

ViewTexts textsOf(const std::array<double, 6>& values) {
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = numberText(values[i]);
  return texts;
}

}  // namespace

std::variant<ViewTexts, QString> panView(const ViewTexts& texts, Pan direction) {
  const bool horizontal = direction == Pan::Left || direction == Pan::Right;
  const int low = horizontal ? 0 : 2, high = low + 1, tic = horizontal ? 4 : 5;
  std::optional<float> values[3];
  const int fields[3] = {low, high, tic};
  for (int i = 0; i < 3; ++i) {
    values[i] = parseSingle(texts[fields[i]]);
    if (!values[i]) return notANumberMessage(fields[i]);
  }
  // Left and down add the tick spacing, right and up subtract it.
  const float step = (direction == Pan::Left || direction == Pan::Down) ? *values[2] : -*values[2];
  ViewTexts result = texts;
  result[low] = numberText(static_cast<float>(*values[0] + step));
  result[high] = numberText(static_cast<float>(*values[1] + step));
  return result;
}

std::variant<ViewTexts, QString> zoomStep(const ViewTexts& texts, bool zoomIn) {
  ViewTexts result;
  for (int i = 0; i < 6; ++i) {
    std::optional<double> value = parseNumber(texts[i]);
    if (!value) return notANumberMessage(i);
    result[i] = numberText(zoomIn ? *value / 2.0 : *value + *value);
  }
  return result;
}

std::variant<ViewTexts, QString> zoomAbout(const ViewTexts& texts, QPointF centre, double notches,
                                           bool fine) {
  auto read = readNumbers(texts);
  if (auto* failure = std::get_if<QString>(&read)) return *failure;
  std::array<double, 6> v = std::get<std::array<double, 6>>(read);
  const double factor = std::pow(kNotchFactor, -(fine ? notches * kFineNotches : notches));
  const double cx = centre.x(), cy = centre.y();
  const double width = (v[1] - v[0]) * factor, height = (v[3] - v[2]) * factor;
  v[0] = roundEnd(cx + (v[0] - cx) * factor, width);
  v[1] = roundEnd(cx + (v[1] - cx) * factor, width);
  v[2] = roundEnd(cy + (v[2] - cy) * factor, height);
  v[3] = roundEnd(cy + (v[3] - cy) * factor, height);
  if (fine || notches != std::round(notches)) {
    v[4] = fitTick(v[4], width);
    v[5] = fitTick(v[5], height);
  } else {
    v[4] *= factor;
    v[5] *= factor;
  }
  return textsOf(v);
}

std::variant<ViewTexts, QString> shiftView(const ViewTexts& texts, double dx, double dy) {
  auto read = readNumbers(texts);
  if (auto* failure = std::get_if<QString>(&read)) return *failure;
  std::array<double, 6> v = std::get<std::array<double, 6>>(read);
  const double width = v[1] - v[0], height = v[3] - v[2];
  v[0] = roundEnd(v[0] + dx, width);
  v[1] = roundEnd(v[1] + dx, width);
  v[2] = roundEnd(v[2] + dy, height);
  v[3] = roundEnd(v[3] + dy, height);
  ViewTexts result = textsOf(v);
  result[4] = texts[4];
  result[5] = texts[5];
  return result;
}

ViewTexts one2oneView() {
  return {numberText(-8.52), numberText(8.52),    numberText(-7.7),
          numberText(7.7),   QStringLiteral("1"), QStringLiteral("1")};
}
