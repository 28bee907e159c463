#pragma once
// A QApplication for tests that draw text or build widgets; the tests run
// under Qt's offscreen platform.

#include <QApplication>

inline void ensureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "kurvalon-tests";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}
