#pragma once
// How the plot looks: the colour palette, the grid and the curves' line width.
// The window's controls hold these settings; a redraw reads them into this.

#include <QColor>
#include <QString>
#include <array>

inline constexpr int kPaletteSize = 10;

// Swatch indices with a fixed meaning; 0 to 4 are the first five curves.
enum PaletteSlot { kAchsen = 5, kMassstab = 6, kHintergrund = 7, kSchraffur = 8, kIsoklinen = 9 };

struct PaletteEntry {
  const char* caption;
  QColor swatch;       // the colour drawn with
  QColor captionText;  // the caption's own text colour at start
};

inline const std::array<PaletteEntry, kPaletteSize> kDefaultPalette = {{
    {"1. Graph", QColor(255, 0, 0), QColor(255, 0, 0)},
    {"2. Graph", QColor(0, 0, 192), QColor(0, 0, 255)},
    {"3. Graph ", QColor(0, 192, 0), QColor(0, 255, 0)},
    {"4. Graph", QColor(255, 0, 255), QColor(255, 0, 255)},
    {"5. Graph", QColor(128, 64, 64), QColor(64, 0, 0)},
    {"Achsen", QColor(64, 64, 64), QColor(64, 64, 64)},
    {"Maßstab", QColor(128, 128, 128), QColor(128, 128, 128)},
    {"Hintergrund", QColor(255, 255, 255), QColor(255, 255, 255)},
    {"Schraffur", QColor(192, 255, 255), QColor(192, 255, 255)},
    {"Isoklinen", QColor(128, 128, 0), QColor(128, 128, 0)},
}};

inline const QColor kDefaultGridColor(128, 128, 128);

struct Appearance {
  std::array<QColor, kPaletteSize> palette;
  bool grid = true;
  bool gridDotted = true;
  QColor gridColor = kDefaultGridColor;
  int lineWidth = 2;  // of curves; axes, ticks and grid are always 1

  Appearance() {
    for (int i = 0; i < kPaletteSize; ++i) palette[i] = kDefaultPalette[i].swatch;
  }

  // List entry i is drawn in swatch i; entries beyond the palette cycle
  // through the five curve colours.
  QColor curveColor(int entry) const { return palette[entry < kPaletteSize ? entry : entry % 5]; }
};

// A label lying on the canvas until it is dropped onto the drawing.
struct SheetLabel {
  QString text;
  QColor color = Qt::black;
  bool shown = false;
  bool operator==(const SheetLabel&) const = default;
};
