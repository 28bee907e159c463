#include "plot/view_commands.h"

#include "engine/number_text.h"

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

ViewTexts one2oneView() {
  return {numberText(-8.52), numberText(8.52),    numberText(-7.7),
          numberText(7.7),   QStringLiteral("1"), QStringLiteral("1")};
}
