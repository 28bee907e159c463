#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "ui/differential_page.h"
#include "ui/window_fixture.h"

namespace {

class DifferentialTest : public WindowTest {
 protected:
  void openTab() {
    QTabBar* bar = window->tabParameter()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
  }
  DifferentialPage* page() { return window->findChild<DifferentialPage*>(); }
};

TEST_F(DifferentialTest, OpeningTheTabTakesTheTermAndEmptiesTheRest) {
  page()->txt_ystr()->setText(QStringLiteral("alt"));
  page()->lstDisk()->addItem(QStringLiteral("alt"));
  window->cboFunktionsterm()->setEditText(QStringLiteral("0,5x^2"));
  openTab();
  EXPECT_EQ(window->tabParameter()->tabText(3), QStringLiteral("Differential"));
  EXPECT_EQ(page()->txt_y()->text(), QStringLiteral("0.5x^2"));
  EXPECT_TRUE(page()->txt_ystr()->text().isEmpty());
  EXPECT_EQ(page()->lstDisk()->count(), 0);
}

TEST_F(DifferentialTest, FormsTheDerivativesAndRunsTheDiscussion) {
  window->cboFunktionsterm()->setEditText(QStringLiteral("x^2-2x-3"));
  openTab();
  find<QPushButton>(QStringLiteral("cmdDiff"))->click();
  EXPECT_EQ(page()->txt_ystr()->text(), QStringLiteral("2*x-2"));
  EXPECT_EQ(page()->txt_y2str()->text(), QStringLiteral("2"));
  EXPECT_EQ(page()->txt_y3str()->text(), QStringLiteral("0"));
  find<QPushButton>(QStringLiteral("cmdDiskussion"))->click();
  EXPECT_TRUE(page()->lstDisk()->isVisible());
  EXPECT_FALSE(page()->prb()->isVisible());
  EXPECT_EQ(page()->prb()->minimum(), 1);
  EXPECT_EQ(page()->prb()->maximum(), 1703);
  ASSERT_EQ(page()->lstDisk()->count(), 8);
  EXPECT_EQ(page()->lstDisk()->item(5)->text(), QStringLiteral("  TP: x(3)= 1,0  y(3)= -4,0"));
}

TEST_F(DifferentialTest, MissingTermOrDerivativesAreReported) {
  window->cboFunktionsterm()->setEditText(QString());
  openTab();
  find<QPushButton>(QStringLiteral("cmdDiff"))->click();
  find<QPushButton>(QStringLiteral("cmdDiskussion"))->click();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
  EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Sie haben noch keine Ableitungen gebildet!"));
  EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Fehler"));
  EXPECT_FALSE(page()->lstDisk()->isVisible());
}

TEST_F(DifferentialTest, DrawingTheFirstDerivativeTwiceListsItTwice) {
  window->cboFunktionsterm()->setEditText(QStringLiteral("x^2"));
  openTab();
  find<QPushButton>(QStringLiteral("cmdDiff"))->click();
  clickButton(QStringLiteral("opty_str"));
  clickButton(QStringLiteral("opty_str"));
  QComboBox* list = window->cboFunktionsterm();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0), QStringLiteral("2*x"));
  EXPECT_EQ(list->itemText(1), QStringLiteral("2*x"));
  EXPECT_FALSE(find<QRadioButton>(QStringLiteral("opty_str"))->isChecked());
  EXPECT_GT(count(QColor(0, 0, 255)), 300);  // drawn in the colour of its field
}

TEST_F(DifferentialTest, FailedSecondDerivativeLeavesAThinPen) {
  openTab();
  window->sheet().canvas().setDrawWidth(3);
  clickButton(QStringLiteral("opty_2str"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Sie haben noch keine Ableitungen gebildet!"));
  EXPECT_EQ(window->sheet().canvas().drawWidth(), 1);
  EXPECT_FALSE(find<QRadioButton>(QStringLiteral("opty_2str"))->isChecked());
  EXPECT_EQ(window->cboFunktionsterm()->count(), 0);
}

}  // namespace
