#pragma once
// The view window (the world rectangle shown, and the tick spacing) and the
// pixel frame that maps it onto the canvas.

#include <QPointF>
#include <QString>
#include <array>
#include <variant>

#include "plot/drawing.h"

struct ViewWindow {
  float xmin = -10, xmax = 10, ymin = -9, ymax = 9, xtic = 1, ytic = 1;
  // Decimals of the tick labels, taken from how the tick spacings are written.
  int stellenX = 1, stellenY = 1;

  WorldWindow world() const { return {xmin, xmax, ymin, ymax, xtic, ytic}; }
};

// Texts of the six view fields, in the order xmin, xmax, ymin, ymax, x-tic, y-tic.
using ViewTexts = std::array<QString, 6>;

inline const ViewTexts kDefaultViewTexts = {QStringLiteral("-10"), QStringLiteral("10"),
                                            QStringLiteral("-9"),  QStringLiteral("9"),
                                            QStringLiteral("1"),   QStringLiteral("1")};
inline const std::array<QString, 6> kViewLabels = {
    QStringLiteral("xmin ="), QStringLiteral("xmax ="),  QStringLiteral("ymin ="),
    QStringLiteral("ymax ="), QStringLiteral("x-tic ="), QStringLiteral("y-tic =")};

// "Im Feld xmin steht keine gültige Zahl!" for field 0, and so on.
QString notANumberMessage(int field);

// The window, or a German message that names the field that is wrong.
std::variant<ViewWindow, QString> readViewWindow(const ViewTexts& texts);

// Length of the text minus the 1-based position of its first comma ("0,25"
// gives 2); a text without comma gives its own length ("1" gives 1).
int decimalsOf(const QString& tickText);

struct PixelFrame {
  int pixBreite = 0, pixHoehe = 0;
  int pixLinks = 0, pixRechts = 0, pixUnten = 0, pixOben = 0;
  float massX = 1, massY = 1;  // pixels per unit
  float nullX = 0, nullY = 0;  // pixel position of the y axis and of the x axis
  int stellenX = 1, stellenY = 1;

  // Canvas position of a world point (y grows upwards).
  float pixelX(float x, const ViewWindow& view) const { return (x - view.xmin) * massX + pixLinks; }
  float pixelY(float y, const ViewWindow& view) const { return (y - view.ymin) * massY + pixUnten; }
  QPointF point(float x, float y, const ViewWindow& view) const {
    return QPointF(pixelX(x, view), pixelY(y, view));
  }
};

PixelFrame computePixelFrame(const ViewWindow& view, int width, int height);
