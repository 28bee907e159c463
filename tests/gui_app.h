#pragma once
// A QApplication for tests that draw text or build widgets; the tests run
// under Qt's offscreen platform.

#include <QApplication>

inline void ensureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "kurvalon-tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing Qt down among other static objects at exit
  // crashes, and the process ends right after the tests anyway.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}
