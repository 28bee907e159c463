#pragma once
// A sheet drawn on a canvas of a fixed size, as its window would show it,
// with every message it ends a command with.

#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QCoreApplication>
#include <QImage>

#include "engine/engine.h"
#include "gui_app.h"
#include "sheet/sheet.h"

class SheetFixture : public ::testing::Test {
 protected:
  explicit SheetFixture(QSize size = QSize(600, 400)) : size_(size) {}
  void SetUp() override {
    ensureApplication();
    sheet.setSurface([this] { return Sheet::Surface{size_, 1}; });
    QObject::connect(&sheet, &Sheet::message, [this](const QString& text) { messages << text; });
    sheet.withoutStep([this] { sheet.redraw(); });
  }

  // One user action: the change, then the event loop takes the step.
  static void act(const std::function<void()>& change) {
    change();
    QCoreApplication::processEvents();
  }
  void enter(const QStringList& terms) {
    for (const QString& term : terms) {
      act([&] {
        sheet.setEntryText(term);
        sheet.enterTerm();
      });
    }
  }
  int count(const QColor& colour) const { return pixelsOf(sheet.canvas().image(), colour); }

  QSize size_;
  Engine engine;
  Sheet sheet{engine};
  QStringList messages;
};
