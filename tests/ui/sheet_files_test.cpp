// Sheets reach the window from "Zuletzt geöffnet", the command line and a
// file manager's drop.
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "documents/recent_files.h"
#include "ui/window_fixture.h"

namespace {

class SheetFilesTest : public WindowTest {
 protected:
  QString write(const QString& name, const char* bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
    return file.fileName();
  }
  QString sheet(const QString& name, const QString& term) {
    const QByteArray bytes = "-5,5,-4,4,1,1\r\n\"" + term.toUtf8() + "\"\r\n";
    return write(name, bytes.constData());
  }
  QStringList terms() { return window->sheet().terms(); }
  QStringList recentCaptions() {
    QStringList captions;
    for (QAction* action : find<QMenu>(QStringLiteral("mnuRecent"))->actions()) {
      if (action->isVisible()) captions << action->text();
    }
    return captions;
  }
  QTemporaryDir dir;
};

TEST_F(SheetFilesTest, RecentSheetsAreTheLastFiveOpenedOrSavedAndAVanishedOneLeaves) {
  QMenu* menu = find<QMenu>(QStringLiteral("mnuRecent"));
  EXPECT_FALSE(menu->menuAction()->isEnabled());  // nothing opened yet
  for (int i = 1; i <= 5; ++i) {
    dialogs.fileAnswers = {sheet(QStringLiteral("f%1.fkt").arg(i), QStringLiteral("x+%1").arg(i))};
    window->öffnen();
  }
  dialogs.fileAnswers = {dir.filePath(QStringLiteral("R&D.fkt"))};
  ASSERT_TRUE(window->speichern());
  EXPECT_TRUE(menu->menuAction()->isEnabled());
  EXPECT_EQ(recentCaptions(),
            QStringList({"&1 R&&D.fkt", "&2 f5.fkt", "&3 f4.fkt", "&4 f3.fkt", "&5 f2.fkt"}));

  // Strg+3 opens the third entry and puts it first.
  window->buttonClick(QStringLiteral("new"));
  QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(terms(), QStringList({"x+4"}));
  EXPECT_EQ(recentCaptions().first(), QStringLiteral("&1 f4.fkt"));
  EXPECT_EQ(menu->actions()[4]->shortcut(), QKeySequence(QStringLiteral("Ctrl+5")));

  // A sheet deleted since: a message, out of the list, the window unchanged.
  ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("f3.fkt"))));
  menu->actions()[3]->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste „Zuletzt "
                           "geöffnet“ entfernt.")
                .arg(dir.filePath(QStringLiteral("f3.fkt"))));
  EXPECT_EQ(recentCaptions(), QStringList({"&1 f4.fkt", "&2 R&&D.fkt", "&3 f5.fkt", "&4 f2.fkt"}));
  EXPECT_EQ(terms(), QStringList({"x+4"}));
}

TEST_F(SheetFilesTest, CommandLineSheetsOpenInTurnAndOneUnreadableGivesTheMessageOfÖffnen) {
  const QString missing = dir.filePath(QStringLiteral("fehlt.fkt"));
  const QString broken = write(QStringLiteral("kaputt.fkt"), "-5,5,x,4,1,1\r\n\"x^2\"\r\n");
  dialogs.fileAnswers = {missing, broken};
  window->öffnen();
  window->öffnen();
  ASSERT_EQ(dialogs.messages.size(), 2u);

  window->openFiles({sheet(QStringLiteral("a.fkt"), QStringLiteral("sin(x)")), missing, broken,
                     sheet(QStringLiteral("b.fkt"), QStringLiteral("x^2"))});
  EXPECT_EQ(terms(), QStringList({"sin(x)", "x^2"}));
  ASSERT_EQ(dialogs.messages.size(), 4u);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(dialogs.messages[2 + i].text, dialogs.messages[i].text);
  EXPECT_EQ(window->recentFiles().files(), QStringList({dir.filePath(QStringLiteral("b.fkt")),
                                                        dir.filePath(QStringLiteral("a.fkt"))}));
}

TEST_F(SheetFilesTest, DroppedSheetsOpenOtherFilesAreRefused) {
  const QString graph = sheet(QStringLiteral("parabel.FKT"), QStringLiteral("x^2-2x"));
  const QString picture = write(QStringLiteral("bild.png"), "PNG");
  auto drag = [&](const QStringList& files) {
    auto* data = new QMimeData;  // the drop below owns it
    QList<QUrl> urls;
    for (const QString& file : files) urls << QUrl::fromLocalFile(file);
    data->setUrls(urls);
    return data;
  };
  // Sent to the canvas, which takes only its own labels: the window gets what it leaves.
  QWidget* canvas = window->picGraph();
  const QPoint over = canvas->rect().center();

  std::unique_ptr<QMimeData> onlyPicture(drag({picture}));
  QDragEnterEvent refused(over, Qt::CopyAction, onlyPicture.get(), Qt::LeftButton, {});
  QCoreApplication::sendEvent(canvas, &refused);
  EXPECT_FALSE(refused.isAccepted());

  std::unique_ptr<QMimeData> both(drag({picture, graph}));
  QDragEnterEvent enter(over, Qt::CopyAction, both.get(), Qt::LeftButton, {});
  QCoreApplication::sendEvent(canvas, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(over, Qt::CopyAction, both.get(), Qt::LeftButton, {});
  QCoreApplication::sendEvent(canvas, &drop);
  EXPECT_TRUE(drop.isAccepted());
  QCoreApplication::processEvents();  // the drop returns before the sheet opens
  EXPECT_EQ(terms(), QStringList({"x^2-2x"}));
  EXPECT_EQ(window->recentFiles().files(), QStringList({graph}));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace

// A sheet passed around with a number no computer can hold opens, draws and
// goes through every calculator; each one refuses it in German, none ends
// or hangs the program.
TEST_F(SheetFilesTest, ASheetWithANumberTooLargeGoesThroughEveryCalculator) {
  ASSERT_TRUE(window->openFile(sheet("riesig.fkt", "x+1e1111^41111111")));
  EXPECT_EQ(terms(), QStringList({"x+1e1111^41111111"}));
  set("txtX", "1");
  QTest::keyClick(find<QLineEdit>("txtX"), Qt::Key_Return);
  EXPECT_EQ(text("txtErgebnis"), "nicht definiert");
  openTab(window->tabParameter(), 3);
  click("cmdDiff");
  EXPECT_TRUE(text("txt_ystr").startsWith("Fehler")) << text("txt_ystr").toStdString();
  click("cmdDiskussion");
  openTab(window->tabParameter(), 4);
  click("cmdInt");
  EXPECT_TRUE(text("txtIntSymb").contains("Zahl zu groß")) << text("txtIntSymb").toStdString();
  for (const char* limit : {"txt_unten", "txt_oben"}) {
    QTest::mouseClick(find<QLineEdit>(limit), Qt::LeftButton);
    QTest::keyClicks(find<QLineEdit>(limit), "1");
  }
  click("cmdIntegral1");
  openTab(window->tabMain(), 5);
  for (auto [name, value] : {std::pair{"txtT_Funktion", "x+1e1111^41111111"},
                             {"txtFourier", "x+1e1111^41111111"},
                             {"txt_t1", "0"},
                             {"txt_t2", "1"},
                             {"txtGrad", "2"}})
    set(name, value);
  click("cmdTaylor");
  click("cmdFourier");
  openTab(window->tabMain(), 6);
  click("cmdWertetabelle");
  EXPECT_EQ(window->sheet().terms().size(), 1);
  for (const auto& shown : dialogs.messages) {
    EXPECT_FALSE(shown.text.contains("gmp") || shown.text.contains("error"))
        << shown.text.toStdString();
  }
}
