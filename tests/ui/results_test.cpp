// The key points of a discussion, the value table, and results copied to
// the clipboard, driven through the window's controls.
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

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
  ASSERT_EQ(tabMain()->count(), 9);
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

// "Lösungsweg" opens its tab with the worked solution of the entry's term,
// copies it as HTML and text and prints it with its roots as text.
TEST_F(ResultsTest, TheWorkedSolutionIsShownCopiedAndPrinted) {
  openTab(window->tabParameter(), 3);
  window->sheet().setEntryText(QString());
  find<QLineEdit>(QStringLiteral("txt_y"))->clear();
  click("cmdLoesungsweg");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Sie haben noch keinen Funktionsterm eingegeben!");

  enterTerm(QStringLiteral("x^2-2x-1"));
  openTab(window->tabParameter(), 3);
  click("cmdLoesungsweg");
  EXPECT_EQ(tabMain()->tabText(tabMain()->currentIndex()), "Lösungsweg");
  EXPECT_EQ(tabMain()->currentIndex(), 7);
  auto* browser = find<QTextBrowser>(QStringLiteral("txtLoesungsweg"));
  const QString shown = browser->toPlainText();
  for (const char* line :
       {"pq-Formel mit p = −2, q = −1:", "N1(1 − √2 | 0) ≈ (−0,414 | 0)", "TP1(1 | −2)"})
    EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line;

  click("cmdLoesungswegKopieren");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_TRUE(copied->html().contains(QStringLiteral("x<sup>2</sup> − 2x − 1")));
  EXPECT_TRUE(copied->text().startsWith(
      QStringLiteral("Funktion und Ableitungen\n  f(x) = x² − 2x − 1\n")));

  QTemporaryDir dir;
  dialogs.printerFile = dir.filePath(QStringLiteral("loesungsweg.pdf"));
  click("cmdLoesungswegDrucken");
  EXPECT_EQ(dialogs.previews, 1);
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {*dialogs.printerFile, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(20000));
  const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(printed.contains(QStringLiteral("N1(1 − √2 | 0) ≈ (−0,414 | 0)")))
      << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("Ergebnis")));

  enterTerm(QStringLiteral("2y+1"));
  openTab(window->tabParameter(), 3);
  click("cmdLoesungsweg");
  EXPECT_EQ(dialogs.messages.back().text, "Fehler bei der Eingabe des Funktionsterms!");
  EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdLoesungswegKopieren"))->isEnabled());

  // Opened by its tab, the page works out the entry's term; a faulty one's
  // message stands in the page.
  const size_t messages = dialogs.messages.size();
  openTab(tabMain(), 7);
  EXPECT_EQ(browser->toPlainText(), "Fehler bei der Eingabe des Funktionsterms!");
  enterTerm(QStringLiteral("x^3"));
  openTab(tabMain(), 7);
  EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("SP1(0 | 0)")));
  EXPECT_EQ(dialogs.messages.size(), messages);
}

}  // namespace
