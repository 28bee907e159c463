#pragma once
// The real main window under the offscreen platform, with fake dialogs and a
// canvas of a known size.

#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "gui_app.h"
#include "ui/canvas_widget.h"
#include "ui/fake_dialogs.h"
#include "ui/frm_graph.h"
#include "ui/graph_page.h"
#include "ui/kurvalon_page.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication<QApplication>();
    window = std::make_unique<FrmGraph>(dialogs);
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
  }

  // Clicks a check box or option button on its indicator, as a user does.
  void clickButton(const QString& name) {
    QWidget* button = find<QWidget>(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  template <typename T>
  T* find(const QString& name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }

  // Types a term into the entry field and presses Enter.
  void enterTerm(const QString& term) {
    QComboBox* combo = window->cboFunktionsterm();
    combo->setEditText(term);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  }

  // Number of canvas pixels of exactly this colour.
  int count(const QColor& color) const {
    const QImage& image = window->canvas().image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) n += (row[x] & 0xffffff) == (color.rgb() & 0xffffff);
    }
    return n;
  }

  FakeDialogs dialogs;
  std::unique_ptr<FrmGraph> window;
};
