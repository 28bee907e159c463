// What only the window has: the toolbar, mouse events on the canvas, the
// label drag, the tabs, the file and print dialogs, the keys of the grids.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "ui/pages/differential_page.h"
#include "ui/pages/newton_page.h"
#include "ui/pages/spline_page.h"
#include "ui/widgets/value_grid.h"
#include "ui/window_fixture.h"

namespace {

class WindowEventsTest : public WindowTest {
 protected:
  QStringList fields() {
    const ViewTexts texts = window->kurvalonPage()->viewTexts();
    return QStringList(texts.begin(), texts.end());
  }
  QPoint at(float x, float y) {
    const QPointF p = window->sheet().frame().point(x, y, window->sheet().view());
    return QPoint(qRound(p.x()), window->picGraph()->height() - qRound(p.y()));
  }
  void mouse(QEvent::Type type, Qt::MouseButtons held, QPoint position,
             Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(type, position, window->picGraph()->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window->picGraph(), &event);
  }
  QTemporaryDir dir;
};

TEST_F(WindowEventsTest, ToolbarKeysReachTheSheet) {
  window->buttonClick(QStringLiteral("zoomin_step"));
  EXPECT_EQ(fields(), QStringList({"-5", "5", "-4,5", "4,5", "0,5", "0,5"}));
  window->buttonClick(QStringLiteral("left"));
  EXPECT_EQ(fields(), QStringList({"-4,5", "5,5", "-4,5", "4,5", "0,5", "0,5"}));
  enterTerm(QStringLiteral("x"));
  window->buttonClick(QStringLiteral("copy"));
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            window->sheet().canvas().image());
  window->buttonClick(QStringLiteral("new"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 0);
  window->buttonClick(QStringLiteral("paste"));
  EXPECT_EQ(window->sheet().canvas().picture().size(), window->sheet().canvas().image().size());
}

TEST_F(WindowEventsTest, MouseZoomsShowsCoordinatesAndThePointModeEnds) {
  mouse(QEvent::MouseMove, Qt::NoButton, at(2, -3));
  EXPECT_EQ(window->statusPanel(1), QStringLiteral("x = 2"));
  EXPECT_EQ(window->statusPanel(2), QStringLiteral("y = -3"));
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, at(2, -3));  // a click in no mode
  mouse(QEvent::MouseButtonRelease, Qt::NoButton, at(2, -3));
  QCoreApplication::processEvents();
  EXPECT_FALSE(window->sheet().modified());
  window->buttonClick(QStringLiteral("zoom"));
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, at(-4, 6));
  mouse(QEvent::MouseMove, Qt::LeftButton, at(2, 1));
  mouse(QEvent::MouseButtonRelease, Qt::NoButton, at(2, 1));
  EXPECT_FALSE(window->modeOn(QStringLiteral("zoom")));
  window->buttonClick(QStringLiteral("point"));
  EXPECT_TRUE(window->modeOn(QStringLiteral("point")));
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, at(0, 3));
  mouse(QEvent::MouseButtonRelease, Qt::NoButton, at(0, 3));
  EXPECT_FALSE(window->modeOn(QStringLiteral("point")));
}

// The wheel and the middle button move the view; the left-button modes stay as they are.
TEST_F(WindowEventsTest, WheelZoomsAboutTheCursorAndTheMiddleButtonDragsTheView) {
  const QPoint origin = at(0, 0);
  QWheelEvent wheel(origin, window->picGraph()->mapToGlobal(origin), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(window->picGraph(), &wheel);
  EXPECT_EQ(fields().mid(4), QStringList({"0,5", "0,5"}));
  window->buttonClick(QStringLiteral("zoom"));
  mouse(QEvent::MouseButtonPress, Qt::MiddleButton, at(0, 0), Qt::MiddleButton);
  mouse(QEvent::MouseMove, Qt::MiddleButton, at(2, 1));
  mouse(QEvent::MouseButtonRelease, Qt::NoButton, at(2, 1), Qt::MiddleButton);
  EXPECT_TRUE(window->modeOn(QStringLiteral("zoom")));
  EXPECT_NEAR(window->sheet().view().xmin, -7, 0.1);
}

TEST_F(WindowEventsTest, TheLabelLeavesOnPressAndIsPrintedWhereDropped) {
  enterTerm(QStringLiteral("x^2-2x"));
  window->buttonClick(QStringLiteral("label"));
  QLabel* label = window->picGraph()->label(0);
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->text(), QStringLiteral("f(x) =x^2-2x"));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  const QImage before = window->sheet().canvas().image();
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(4, 3));
  EXPECT_FALSE(label->isVisible());
  window->picGraph()->dropLabel(QStringLiteral("lblGraph"), QPointF(60, 40));
  EXPECT_NE(window->sheet().canvas().image(), before);
}

TEST_F(WindowEventsTest, TabsResetTheirPagesAndLeadBackToTheGraph) {
  auto* newton = window->findChild<NewtonPage*>();
  newton->grdNewton()->setTextAt(1, 1, QStringLiteral("7"));
  openTab(window->tabMain(), 3);
  EXPECT_EQ(newton->grdNewton()->textAt(1, 1), QString());  // a fresh table
  QTest::mouseDClick(window->tabMain()->tabBar(), Qt::LeftButton, {},
                     window->tabMain()->tabBar()->tabRect(3).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  window->tabMain()->setCurrentIndex(2);
  const int width = window->sheet().frame().pixBreite;
  window->resize(window->width() + 200, window->height());
  QCoreApplication::processEvents();
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(window->sheet().frame().pixBreite, width + 200);
}

TEST_F(WindowEventsTest, GridKeysKeepNumbersAndStayInDataCells) {
  auto* grid = window->findChild<NewtonPage*>()->grdNewton();
  openTab(window->tabMain(), 3);
  grid->setCurrent(1, 1);
  for (auto key : {Qt::Key_1, Qt::Key_A, Qt::Key_Comma, Qt::Key_5, Qt::Key_Backspace, Qt::Key_2}) {
    QTest::keyClick(grid, key);
  }
  EXPECT_EQ(grid->textAt(1, 1), QStringLiteral("1,2"));
  QTest::keyClick(grid, Qt::Key_Left);
  QTest::keyClick(grid, Qt::Key_Up);
  EXPECT_EQ(grid->currentRow(), 1);  // the headings are not data cells
  EXPECT_EQ(grid->currentColumn(), 1);
}

TEST_F(WindowEventsTest, FileDialogsOpenSaveExportAndPrint) {
  enterTerm(QStringLiteral("x^2-2x"));
  const QString sheet = dir.filePath(QStringLiteral("blatt.fkt"));
  dialogs.fileAnswers = {sheet, QString(), sheet};
  EXPECT_TRUE(window->speichern());
  EXPECT_FALSE(window->speichern());  // cancelled
  window->buttonClick(QStringLiteral("new"));
  window->öffnen();
  EXPECT_EQ(window->cboFunktionsterm()->itemText(0), QStringLiteral("x^2-2x"));

  dialogs.fileAnswers = {dir.filePath(QStringLiteral("bild")),
                         dir.filePath(QStringLiteral("bild.svg"))};
  dialogs.itemAnswers = {1};
  window->exportieren();
  window->exportieren();
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("bild.png"))).width(),
            2 * window->sheet().canvas().width());
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("bild.svg"))));

  EXPECT_TRUE(dialogs.messages.empty());
}

// The printout's drawing is vector paths with its texts as text, the lines of
// the derivatives below: no picture in the PDF unless one is pasted beneath
// the drawing. The preview prints the same page.
TEST_F(WindowEventsTest, PrintedDrawingsAreVectorsAndThePreviewPrintsTheSamePage) {
  auto run = [](const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QLatin1String(program), arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << program;
    return QString::fromUtf8(process.readAllStandardOutput());
  };
  // pdfimages -list: two heading lines, then one line per image.
  auto images = [&](const QString& pdf) {
    return run("pdfimages", {"-list", pdf}).split(u'\n', Qt::SkipEmptyParts).size() - 2;
  };
  enterTerm(QStringLiteral("x^2-2x"));
  auto* page = window->findChild<DifferentialPage*>();
  page->txt_y()->setText(QStringLiteral("x^2-2*x"));
  page->txt_ystr()->setText(QStringLiteral("2*x-2"));
  window->sheet().showComment(QStringLiteral("Fläche A"));
  window->sheet().printLabel(Sheet::Label::Kommentar, QPointF(40, 100));
  const QString vectors = dir.filePath(QStringLiteral("vektor.pdf"));
  dialogs.printerFile = vectors;
  window->drucke();
  EXPECT_EQ(images(vectors), 0);
  const QString text = run("pdftotext", {"-layout", vectors, "-"});
  EXPECT_TRUE(text.contains(QStringLiteral("f'(x) = 2*x-2"))) << text.toStdString();
  const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
  for (const char* label : {"-9", "-1", "5", "10", "Fläche"})
    EXPECT_TRUE(words.contains(QString::fromUtf8(label))) << label;

  QAction* preview = find<QAction>(QStringLiteral("mnuPreview"));
  EXPECT_EQ(preview->text(), QStringLiteral("Seiten&ansicht…"));
  const QList<QAction*> fileItems = find<QMenu>(QStringLiteral("mnuFile"))->actions();
  EXPECT_EQ(fileItems.indexOf(preview), fileItems.indexOf(find<QAction>("mnuPrint")) + 1);
  dialogs.printerFile = dir.filePath(QStringLiteral("ansicht.pdf"));
  preview->trigger();
  EXPECT_EQ(dialogs.previews, 1);
  EXPECT_EQ(run("pdftotext", {"-layout", *dialogs.printerFile, "-"}), text);

  QImage photo(200, 100, QImage::Format_RGB32);
  photo.fill(QColor(200, 220, 255));
  window->sheet().setPicture(photo);
  dialogs.printerFile = dir.filePath(QStringLiteral("bild.pdf"));
  window->drucke();
  EXPECT_EQ(images(*dialogs.printerFile), 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
