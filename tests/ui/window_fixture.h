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
#include <algorithm>

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
    const QImage& image = window->sheet().canvas().image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) n += (row[x] & 0xffffff) == (color.rgb() & 0xffffff);
    }
    return n;
  }

  // How much of a canvas pixel a colour covers on the white paper: 1 for the
  // colour itself, a fraction for the edge pixels of smoothed curves, 0 for
  // anything that is not a blend of the colour with white.
  static double coverage(QRgb pixel, const QColor& color) {
    const int channels[3][2] = {
        {qRed(pixel), color.red()}, {qGreen(pixel), color.green()}, {qBlue(pixel), color.blue()}};
    double low = 1, high = 0;
    for (const auto& [value, target] : channels) {
      if (target > 225) {
        if (value < 225) return 0;  // a channel the colour leaves white is not white
        continue;
      }
      const double alpha = (255.0 - value) / (255.0 - target);
      low = std::min(low, alpha);
      high = std::max(high, alpha);
    }
    if (high < low || high - low > 0.2 || low < 0) return 0;
    return std::min(1.0, (low + high) / 2);
  }

  // The ink of a colour on the white paper: its coverage summed over the
  // canvas, about the number of pixels a crisp drawing would have.
  double ink(const QColor& color) const {
    const QImage& image = window->sheet().canvas().image();
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        // Faint pixels are as much light grey as a faint colour: left out.
        const double covered = coverage(image.pixel(x, y), color);
        if (covered >= 0.25) sum += covered;
      }
    }
    return sum;
  }

  FakeDialogs dialogs;
  std::unique_ptr<FrmGraph> window;
};
