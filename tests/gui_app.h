#pragma once
// The Qt application for tests that draw text (QGuiApplication) or build
// widgets (QApplication); the tests run under Qt's offscreen platform.

#include <QColor>
#include <QGuiApplication>
#include <QImage>

template <typename Application = QGuiApplication>
void ensureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "kurvalon-tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing Qt down among other static objects at exit
  // crashes, and the process ends right after the tests anyway.
  static Application* application = new Application(argc, argv);
  (void)application;
}

// Pixels of exactly this colour.
inline int pixelsOf(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      n += (image.pixel(x, y) & 0xffffff) == (colour.rgb() & 0xffffff);
  }
  return n;
}
