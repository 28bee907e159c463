// The key points of a discussion, the value table, and results copied to
// the clipboard, driven through the window's controls.
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>

#include "ui/pages/differential_page.h"
#include "ui/window_fixture.h"

namespace {

class ResultsTest : public WindowTest {
 protected:
  DifferentialPage* discuss(const QString& f) {
    enterTerm(f);
    openTab(window->tabParameter(), 3);
    click("cmdDiff");
    click("cmdDiskussion");
    return window->findChild<DifferentialPage*>();
  }
  QTabWidget* tabMain() { return find<QTabWidget>(QStringLiteral("tabMain")); }
  static QString clipboard() { return QApplication::clipboard()->text(); }
  static void pressCopy(QWidget* widget) {
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
  }
};

// "Punkte einzeichnen" works while the discussion lists points; the list and
// the integral page's read-only results are copied as text.
TEST_F(ResultsTest, PointsAreDrawnWhileListedAndResultsAreCopiedAsText) {
  QPushButton* cmdPunkte = find<QPushButton>(QStringLiteral("cmdPunkte"));
  EXPECT_EQ(cmdPunkte->text(), "Punkte einzeichnen");
  EXPECT_FALSE(cmdPunkte->isEnabled());
  discuss(QStringLiteral("exp(x)"));  // no zero, extremum or inflection point
  EXPECT_FALSE(cmdPunkte->isEnabled());
  DifferentialPage* page = discuss(QStringLiteral("x^3-6x^2+9x+1"));
  ASSERT_TRUE(cmdPunkte->isEnabled());
  cmdPunkte->click();
  EXPECT_EQ(window->sheet().canvas().operations().back().text, "WP(2,0|3,0)");

  QStringList lines;
  for (int i = 0; i < page->lstDisk()->count(); ++i) lines << page->lstDisk()->item(i)->text();
  ASSERT_GT(lines.size(), 5);
  QApplication::clipboard()->clear();
  emit page->lstDisk()->customContextMenuRequested(QPoint(5, 5));
  auto* menu = page->lstDisk()->findChild<QMenu*>();
  ASSERT_TRUE(menu && menu->actions().size() == 1);
  EXPECT_EQ(menu->actions()[0]->text(), "Kopieren");
  menu->actions()[0]->trigger();
  EXPECT_EQ(clipboard(), lines.join(u'\n'));
  menu->close();
  openTab(window->tabParameter(), 3);  // opening the tab empties the list
  EXPECT_FALSE(cmdPunkte->isEnabled());

  enterTerm(QStringLiteral("x^2"));
  openTab(window->tabParameter(), 4);
  click("cmdInt");
  QLineEdit* result = find<QLineEdit>(QStringLiteral("txtIntSymb"));
  pressCopy(result);  // nothing selected: the whole field
  EXPECT_EQ(clipboard(), "x^3/3 + C");
  result->setSelection(0, 5);
  pressCopy(result);
  EXPECT_EQ(clipboard(), "x^3/3");
}

TEST_F(ResultsTest, TheValueTableTabComputesRefusesAndCopiesItsTable) {
  ASSERT_EQ(tabMain()->count(), 7);
  EXPECT_EQ(tabMain()->tabText(6), "Wertetabelle");
  enterTerm(QStringLiteral("0,5x^2"));
  openTab(tabMain(), 6);
  EXPECT_EQ(text("txtWtTerm"), "0,5x^2");
  EXPECT_EQ(QStringList({text("txtWtVon"), text("txtWtBis"), text("txtWtSchritt")}),
            QStringList({"-10", "10", "1"}));
  auto* grid = find<QTableWidget>(QStringLiteral("grdWerte"));
  ASSERT_EQ(grid->columnCount(), 4);
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "f''(x)");

  set("txtWtSchritt", "2,5");
  click("cmdWertetabelle");
  ASSERT_EQ(grid->rowCount(), 9);

  set("txtWtBis", "-20");
  click("cmdWertetabelle");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "„bis“ darf nicht kleiner als „von“ sein.");
  EXPECT_EQ(grid->rowCount(), 9);  // the table stays

  click("cmdWerteKopieren");
  const QStringList copied = clipboard().split(u'\n');
  ASSERT_EQ(copied.size(), 11);  // headings, 9 rows, the end of the last line
  EXPECT_EQ(copied[0], "x\tf(x)\tf'(x)\tf''(x)");
  EXPECT_EQ(copied[2], "-7,5\t28,125\t-7,5\t1");

  // Back again: what was typed stays while the view is the same; a new
  // view brings its range.
  openTab(tabMain(), 6);
  EXPECT_EQ(text("txtWtSchritt"), "2,5");
  ViewTexts view = window->sheet().viewTexts();
  view[0] = QStringLiteral("-2");
  window->sheet().applyView(view);
  openTab(tabMain(), 6);
  EXPECT_EQ(text("txtWtVon"), "-2");
  EXPECT_EQ(text("txtWtSchritt"), "1");
}

}  // namespace
