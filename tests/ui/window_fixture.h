#pragma once
// The real main window under the offscreen platform, with fake dialogs.

#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "engine/recording_engine.h"
#include "gui_app.h"
#include "ui/fake_dialogs.h"
#include "ui/pages/kurvalon_page.h"
#include "ui/widgets/canvas_widget.h"
#include "ui/window/frm_graph.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication<QApplication>();
    window = std::make_unique<FrmGraph>(sheet, dialogs);
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
  }

  template <typename T = QWidget>
  T* find(const QString& name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QString text(const char* name) { return find<QLineEdit>(QLatin1String(name))->text(); }
  void set(const char* name, const char* text) {
    find<QLineEdit>(QLatin1String(name))->setText(QString::fromUtf8(text));
  }
  void click(const char* name) { find<QAbstractButton>(QLatin1String(name))->click(); }
  void openTab(QTabWidget* tabs, int tab) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
  }

  // Types a term into the entry field and presses Enter.
  void enterTerm(const QString& term) {
    QComboBox* combo = window->cboFunktionsterm();
    combo->setEditText(term);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  }

  // Canvas pixels of exactly this colour.
  int count(const QColor& color) const { return pixelsOf(window->sheet().canvas().image(), color); }

  FakeDialogs dialogs;
  RecordingEngine engine;  // every request of the window's calculators
  Sheet sheet{engine};
  std::unique_ptr<FrmGraph> window;
};
