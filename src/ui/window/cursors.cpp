#include "ui/window/cursors.h"

#include <cstdlib>

#include <QBitmap>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kClear = 0x00000000;
constexpr QRgb kInvert = 0xff808080;

QImage blankPicture(int size) {
  QImage picture(size, size, QImage::Format_ARGB32);
  picture.fill(kClear);
  return picture;
}

// Splits a picture into Qt's cursor planes: black = 1/1, white = 0/1,
// transparent = 0/0, inverting = 1/0.
QCursor cursorFromPicture(const QImage& picture, int hotX, int hotY) {
  QImage bits(picture.size(), QImage::Format_Mono);
  QImage mask(picture.size(), QImage::Format_Mono);
  // Index 1 is Qt::color1, which QBitmap keeps as the set bit.
  for (QImage* plane : {&bits, &mask}) {
    plane->setColorCount(2);
    plane->setColor(0, kWhite);
    plane->setColor(1, kBlack);
    plane->fill(0);
  }
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      if (pixel == kBlack || pixel == kInvert) bits.setPixel(x, y, 1);
      if (pixel == kBlack || pixel == kWhite) mask.setPixel(x, y, 1);
    }
  }
  return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), hotX, hotY);
}

}  // namespace

QImage pointCursorPicture() {
  constexpr int kHot = 11;
  constexpr int kArm = 9;  // the crosshair runs from 2 to 20
  QImage picture = blankPicture(32);
  const auto inCentre = [](int x, int y) {
    return std::abs(x - kHot) <= 1 && std::abs(y - kHot) <= 1;
  };
  for (int d = -kArm; d <= kArm; ++d) {
    if (std::abs(d) <= 1) continue;  // the open centre stays clear
    picture.setPixel(kHot + d, kHot, kBlack);
    picture.setPixel(kHot, kHot + d, kBlack);
  }
  // The ring: the 5x5 square's edge without its corners, so it reads round.
  for (int d = -1; d <= 1; ++d) {
    for (const int edge : {-2, 2}) {
      picture.setPixel(kHot + d, kHot + edge, kBlack);
      picture.setPixel(kHot + edge, kHot + d, kBlack);
    }
  }
  // A white edge around every black pixel keeps the cursor visible on dark
  // graphs; the centre stays clear so the exact spot remains visible.
  const QImage black = picture.copy();
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (black.pixel(x, y) == kBlack || inCentre(x, y)) continue;
      bool nextToBlack = false;
      for (int dy = -1; dy <= 1 && !nextToBlack; ++dy) {
        for (int dx = -1; dx <= 1 && !nextToBlack; ++dx) {
          if (black.valid(x + dx, y + dy) && black.pixel(x + dx, y + dy) == kBlack)
            nextToBlack = true;
        }
      }
      if (nextToBlack) picture.setPixel(x, y, kWhite);
    }
  }
  return picture;
}

QImage zoomCursorPicture() {
  constexpr int kHot = 7;
  QImage picture = blankPicture(16);
  // Alternating black and inverting dots stay visible on any background.
  const auto dot = [&picture](int x, int y) {
    picture.setPixel(x, y, (x + y) % 2 == 0 ? kBlack : kInvert);
  };
  for (int d = 0; d <= 2 * kHot; ++d) {
    dot(d, kHot);
    dot(kHot, d);
  }
  constexpr int kFirst = 9;
  constexpr int kLast = 13;
  for (int d = kFirst; d <= kLast; ++d) {
    dot(d, kFirst);
    dot(d, kLast);
    dot(kFirst, d);
    dot(kLast, d);
  }
  return picture;
}

QCursor pointCursor() {
  return cursorFromPicture(pointCursorPicture(), 11, 11);
}

QCursor zoomCursor() {
  return cursorFromPicture(zoomCursorPicture(), 7, 7);
}
