#include "plot/view_window.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

QString notANumberMessage(int field) {
  QString name = kViewLabels[field].chopped(2);  // "xmin =" -> "xmin"
  return QStringLiteral("Im Feld %1 steht keine gültige Zahl!").arg(name);
}

int decimalsOf(const QString& tickText) {
  qsizetype comma = tickText.indexOf(QLatin1Char(','));
  return static_cast<int>(tickText.size() - (comma < 0 ? 0 : comma + 1));
}

std::variant<ViewWindow, QString> readViewWindow(const ViewTexts& texts) {
  float values[6];
  for (int i = 0; i < 6; ++i) {
    std::optional<float> value = parseSingle(texts[i]);
    if (!value) return notANumberMessage(i);
    values[i] = *value;
  }
  ViewWindow view{values[0],
                  values[1],
                  values[2],
                  values[3],
                  values[4],
                  values[5],
                  decimalsOf(texts[4]),
                  decimalsOf(texts[5])};
  // A reversed window (xmin > xmax) is drawn mirrored; an empty one cannot be.
  if (view.xmin == view.xmax) return QStringLiteral("xmin und xmax dürfen nicht gleich sein!");
  if (view.ymin == view.ymax) return QStringLiteral("ymin und ymax dürfen nicht gleich sein!");
  if (!(view.xtic > 0)) return QStringLiteral("x-tic muss größer als 0 sein!");
  if (!(view.ytic > 0)) return QStringLiteral("y-tic muss größer als 0 sein!");
  // A window too narrow for single precision cannot be sampled or mapped.
  auto tooNarrow = [](float a, float b) {
    float width = std::fabs(b - a);
    return !std::isfinite(width) || width < std::max(std::fabs(a), std::fabs(b)) * 1e-4f;
  };
  if (tooNarrow(view.xmin, view.xmax)) {
    return QStringLiteral("Der Bereich von xmin bis xmax ist zu klein!");
  }
  if (tooNarrow(view.ymin, view.ymax)) {
    return QStringLiteral("Der Bereich von ymin bis ymax ist zu klein!");
  }
  return view;
}

PixelFrame computePixelFrame(const ViewWindow& view, int width, int height) {
  PixelFrame frame;
  frame.pixBreite = width;
  frame.pixHoehe = height;
  // Margins rounded a half to the even neighbour (nearbyint in the default mode).
  frame.pixLinks = static_cast<int>(std::nearbyint(width * 0.03));
  frame.pixRechts = static_cast<int>(std::nearbyint(width * 0.95));
  frame.pixUnten = static_cast<int>(std::nearbyint(height * 0.01));
  frame.pixOben = static_cast<int>(std::nearbyint(height * 0.97));
  frame.massX = static_cast<float>(frame.pixRechts - frame.pixLinks) / (view.xmax - view.xmin);
  frame.massY = static_cast<float>(frame.pixOben - frame.pixUnten) / (view.ymax - view.ymin);
  frame.nullX = frame.pixLinks - frame.massX * view.xmin;
  frame.nullY = frame.pixUnten - frame.massY * view.ymin;
  frame.stellenX = view.stellenX;
  frame.stellenY = view.stellenY;
  return frame;
}
