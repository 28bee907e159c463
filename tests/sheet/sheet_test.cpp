#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "sheet/sheet_fixture.h"

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 192);

class SheetTest : public SheetFixture {
 protected:
  QPointF at(float x, float y) const { return sheet.frame().point(x, y, sheet.view()); }
};

TEST_F(SheetTest, EnterListsEachTermOnceInItsColourAndReportsAFaultyOneAfterListingIt) {
  enter({"x^2-2x", "sin(x)"});
  EXPECT_EQ(sheet.terms(), QStringList({"x^2-2x", "sin(x)"}));
  EXPECT_EQ(sheet.currentTerm(), 0);  // the first entry into an empty list is chosen
  EXPECT_GT(count(kBlue), 300);
  const int red = count(kRed);
  EXPECT_GT(red, 300);
  enter({"sin(x)"});  // again: no entry, drawn in the current colour
  EXPECT_EQ(sheet.terms().size(), 2);
  EXPECT_EQ(count(kRed), red);
  EXPECT_TRUE(messages.isEmpty());

  enter({"x^^2"});
  EXPECT_EQ(sheet.terms().size(), 3);
  EXPECT_EQ(messages, QStringList({"Fehler bei der Eingabe des Funktionsterms!"}));

  // An empty field lists an empty entry and draws nothing.
  const QImage before = sheet.canvas().image();
  enter({QString()});
  EXPECT_EQ(sheet.terms().size(), 4);
  EXPECT_EQ(sheet.canvas().image(), before);
}

TEST_F(SheetTest, RedrawWalksTheListPastAFailingEntryAndLeavesTheLastChosen) {
  enter({"foo(x)", "x"});
  messages.clear();
  sheet.redraw();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_GT(count(kBlue), 300);
  EXPECT_EQ(sheet.currentTerm(), 1);
  EXPECT_EQ(sheet.entryText(), QStringLiteral("x"));

  sheet.neu();
  EXPECT_TRUE(sheet.terms().isEmpty());
  EXPECT_EQ(sheet.currentTerm(), -1);
  EXPECT_EQ(count(kBlue), 0);
}

TEST_F(SheetTest, EquationsAreListedOnceAndAnEmptyOneIsRefused) {
  sheet.drawEquation(QString());
  EXPECT_EQ(messages, QStringList({"Sie haben noch keine Funktionsgleichung berechnet!"}));
  sheet.setEntryText(QStringLiteral("x"));
  sheet.drawEquation(QStringLiteral("2x+3"));
  sheet.drawEquation(QStringLiteral("2x+3"));
  EXPECT_EQ(sheet.terms(), QStringList({"2x+3"}));
  EXPECT_EQ(sheet.entryText(), QStringLiteral("2x+3"));
  EXPECT_GT(count(kRed), 300);
}

TEST_F(SheetTest, GraphFileRoundTripKeepsTheLastDrawnWindowAndAFailedSaveKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("blatt.fkt"));
  enter({"x^2-2x", "sin(x)"});
  sheet.navigation().zoomStep(true);
  sheet.setViewTexts({"1", "2", "3", "4", "5", "6"});  // typed, not drawn: not saved
  sheet.save(name);
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("-5,5,-4.5,4.5,0.5,0.5\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n"));

  sheet.neu();
  sheet.open(name);
  EXPECT_EQ(sheet.viewTexts()[2], QStringLiteral("-4,5"));
  EXPECT_FLOAT_EQ(sheet.view().ymax, 4.5f);

  sheet.save(dir.filePath(QStringLiteral("fehlt/blatt.fkt")));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Die Datei "))) << messages[0].toStdString();
  EXPECT_TRUE(QFile::exists(name));
}

TEST_F(SheetTest, LabelsTakeTheChosenEntrysColourAndArePrintedWhereDropped) {
  sheet.showGraphLabel(QStringLiteral("f(x) ="));
  EXPECT_EQ(messages, QStringList({"Sie haben noch keinen Funktionsterm eingegeben!"}));
  EXPECT_FALSE(sheet.label(Sheet::Label::Graph).shown);

  enter({"x^2-2x", "x"});
  sheet.selectTerm(0);
  sheet.showGraphLabel(QStringLiteral("f(x) ="));
  EXPECT_EQ(sheet.label(Sheet::Label::Graph),
            (SheetLabel{.text = QStringLiteral("f(x) =x^2-2x"), .color = kRed, .shown = true}))
      << sheet.label(Sheet::Label::Graph).text.toStdString();

  const QImage before = sheet.canvas().image();
  sheet.hideLabel(Sheet::Label::Graph);
  sheet.printLabel(Sheet::Label::Graph, QPointF(60, 300));
  int above = 0, below = 0;
  for (int y = 1; y < 400; ++y)  // canvas rows count from the bottom
    for (int x = 0; x < 600; ++x)
      if (sheet.canvas().pixel(x, y) != before.pixel(x, 400 - y))
        ++(y <= 300 && x >= 60 ? below : above);
  EXPECT_GT(below, 20);  // the text hangs below and right of its corner
  EXPECT_EQ(above, 0);

  sheet.showComment(QStringLiteral("Hallo"));
  EXPECT_EQ(sheet.label(Sheet::Label::Kommentar).text, QStringLiteral("Hallo"));
  sheet.neu();
  EXPECT_FALSE(sheet.label(Sheet::Label::Graph).shown ||
               sheet.label(Sheet::Label::Kommentar).shown);
}

TEST_F(SheetTest, GesturesTakeEffectWhereTheyEndAndAnEmptyZoomRectangleChangesNothing) {
  const QImage before = sheet.canvas().image();
  const GestureModes zoom{.zoom = true}, line{.line = true}, point{.point = true};
  EXPECT_EQ(sheet.mousePressed(zoom, at(3, 3)).cursor, GestureCursor::Zoom);
  sheet.mouseMoved(zoom, true, at(5, 3));  // no height
  EXPECT_FALSE(sheet.mouseReleased(zoom, at(5, 3)).finished.zoom);
  EXPECT_EQ(sheet.viewTexts(), kDefaultViewTexts);
  EXPECT_EQ(sheet.canvas().image(), before);  // the rubber band is gone again

  sheet.mousePressed(line, at(-5.5f, -2.5f));
  sheet.mouseMoved(line, true, at(0.5f, 0.5f));
  sheet.mouseMoved(line, false, at(9, -9));  // another button held: no band
  sheet.mouseMoved(line, true, at(4.5f, 6.5f));
  EXPECT_TRUE(sheet.mouseReleased(line, at(4.5f, 6.5f)).finished.line);
  auto pixel = [&](const QImage& image, QPointF p) {
    return image.pixel(qRound(p.x()), image.height() - qRound(p.y()));
  };
  EXPECT_EQ(pixel(sheet.canvas().image(), at(-0.5f, 2)), qRgb(0, 0, 0));  // white inverted
  EXPECT_EQ(pixel(sheet.canvas().image(), at(-2.5f, -1)), pixel(before, at(-2.5f, -1)));

  sheet.mousePressed(point, at(-5, -5));
  EXPECT_TRUE(sheet.mouseReleased(point, at(4.5f, 4.5f)).finished.point);
  int black = 0;
  const QPointF ring = at(4.5f, 4.5f);
  for (int dy = -5; dy <= 5; ++dy)
    for (int dx = -5; dx <= 5; ++dx)
      black += sheet.canvas().pixel(qRound(ring.x()) + dx, qRound(ring.y()) + dy) == qRgb(0, 0, 0);
  EXPECT_GT(black, 6);
  EXPECT_EQ(sheet.canvas().drawWidth(), 3);

  const double pixelSize = 1 / std::min(sheet.frame().massX, sheet.frame().massY);
  sheet.mousePressed(zoom, at(-4, 6));
  sheet.mouseMoved(zoom, true, at(0, 3));
  sheet.mouseMoved(zoom, true, at(2, 1));
  const GestureStep step = sheet.mouseReleased(zoom, at(2, 1));
  EXPECT_TRUE(step.finished.zoom);
  EXPECT_EQ(step.cursor, GestureCursor::Cross);
  EXPECT_NEAR(sheet.view().xmin, -4, pixelSize);
  EXPECT_NEAR(sheet.view().xmax, 2, pixelSize);
  EXPECT_NEAR(sheet.view().ymin, 1, pixelSize);
  EXPECT_NEAR(sheet.view().ymax, 6, pixelSize);
  EXPECT_EQ(sheet.viewTexts()[4], QStringLiteral("1"));
}

}  // namespace
