#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "documents/recovery_file.h"
#include "sheet/sheet_fixture.h"

namespace {

// Everything undo must bring back, to compare before and after.
struct Seen {
  QStringList terms;
  QString entry;
  ViewTexts viewTexts;
  QColor firstSwatch;
  bool labelShown;
  QImage image;
  bool operator==(const Seen&) const = default;
};

class HistoryTest : public SheetFixture {
 protected:
  void enter(const QString& term) { SheetFixture::enter({term}); }
  Seen seen() const {
    return {sheet.terms(),
            sheet.entryText(),
            sheet.viewTexts(),
            sheet.appearance().palette[0],
            sheet.label(Sheet::Label::Graph).shown,
            sheet.canvas().image().copy()};
  }

  // Lets the frames pass that a coalesced drawing waits for.
  static void waitFrames() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3 * FrameCoalescer::kFrameMs) QCoreApplication::processEvents();
  }
};

TEST_F(HistoryTest, UndoRestoresEachStepPixelForPixelAndRedoAppliesItAgain) {
  // Each step with what the sheet showed just before it (typing included).
  std::vector<Seen> before;
  auto step = [&](const std::function<void()>& change) {
    before.push_back(seen());
    act(change);
  };
  for (const char* term : {"x^2-2x", "sin(x)"}) {
    act([&] { sheet.setEntryText(QString::fromLatin1(term)); });
    step([&] { sheet.enterTerm(); });
  }
  step([&] { sheet.navigation().zoomStep(true); });
  step([&] {
    Appearance appearance = sheet.appearance();
    appearance.palette[0] = QColor(0, 128, 0);
    sheet.setAppearance(appearance);
    sheet.redraw();
  });
  step([&] { sheet.showGraphLabel(QStringLiteral("f(x) =")); });
  step([&] { sheet.neu(); });
  EXPECT_EQ(sheet.steps().history().steps(), 6);
  EXPECT_FALSE(sheet.canRedo());

  std::vector<Seen> after;
  for (int i = static_cast<int>(before.size()) - 1; i >= 0; --i) {
    after.insert(after.begin(), seen());
    sheet.undo();
    EXPECT_TRUE(seen() == before[i]) << "undo of step " << i;
  }
  EXPECT_FALSE(sheet.canUndo());
  sheet.undo();  // nothing left: nothing happens
  EXPECT_TRUE(seen() == before[0]);
  for (size_t i = 0; i < after.size(); ++i) {
    sheet.redo();
    EXPECT_TRUE(seen() == after[i]) << "redo of step " << i;
  }
  EXPECT_FALSE(sheet.canRedo());
}

TEST_F(HistoryTest, ANewChangeAfterUndoDropsTheRedoStepsAndTypingIsNoStep) {
  enter(QStringLiteral("x"));
  enter(QStringLiteral("2x"));
  sheet.undo();
  EXPECT_TRUE(sheet.canRedo());
  act([&] { sheet.typeViewTexts({"-1", "1", "-1", "1", "1", "1"}); });  // typed, not applied
  act([&] { sheet.setEntryText(QStringLiteral("3x")); });
  EXPECT_TRUE(sheet.canRedo());
  EXPECT_EQ(sheet.steps().history().steps(), 1);
  act([&] { sheet.redraw(); });  // the typed window applied
  EXPECT_FALSE(sheet.canRedo());
  EXPECT_EQ(sheet.steps().history().steps(), 2);
  sheet.undo();
  EXPECT_EQ(sheet.viewTexts(), ViewTexts({"-1", "1", "-1", "1", "1", "1"}));  // as typed then
  EXPECT_FLOAT_EQ(sheet.view().xmin, -10);  // drawn in the old window
  EXPECT_EQ(sheet.terms(), QStringList({"x"}));
}

TEST_F(HistoryTest, AGestureIsOneStepAndAResizeOrAPlainClickNone) {
  const GestureModes zoom{.zoom = true};
  const QPointF from = sheet.frame().point(-4, 6, sheet.view());
  const QPointF to = sheet.frame().point(2, 1, sheet.view());
  act([&] { sheet.mousePressed(zoom, from); });
  act([&] { sheet.mouseMoved(zoom, true, (from + to) / 2); });
  act([&] { sheet.mouseMoved(zoom, true, to); });
  act([&] { sheet.mouseReleased(zoom, to); });
  EXPECT_EQ(sheet.steps().history().steps(), 1);
  // A click in no mode draws nothing and is no step: the sheet stays saved.
  act([&] { sheet.mousePressed(GestureModes(), to); });
  act([&] { sheet.mouseReleased(GestureModes(), to); });
  EXPECT_EQ(sheet.steps().history().steps(), 1);
  sheet.setSurface([] { return Sheet::Surface{QSize(700, 500), 1}; });
  sheet.withoutStep([&] { sheet.redraw(); });
  QCoreApplication::processEvents();
  EXPECT_EQ(sheet.steps().history().steps(), 1);
  sheet.undo();
  EXPECT_EQ(sheet.viewTexts(), kDefaultViewTexts);
}

// The middle-button drag follows the mouse and is one step; the point under
// the cursor moves with it, as does the one under the wheel.
TEST_F(HistoryTest, ADragIsOneStepAndTheWheelKeepsThePointUnderTheCursor) {
  enter(QStringLiteral("x^2"));
  const Seen before = seen();
  const QPointF from = sheet.frame().point(0, 0, sheet.view());
  act([&] { sheet.navigation().dragStarted(from); });
  for (int i = 1; i <= 5; ++i)
    act([&] { sheet.navigation().dragMoved(from + QPointF(20 * i, 10 * i)); });
  const QPointF to = from + QPointF(130, 65);
  act([&] { sheet.navigation().dragEnded(to); });
  EXPECT_EQ(sheet.steps().history().steps(), 2);
  // The world origin is now where the mouse was let go, within a pixel.
  const QPointF origin = sheet.frame().point(0, 0, sheet.view());
  EXPECT_NEAR(origin.x(), to.x(), 1);
  EXPECT_NEAR(origin.y(), to.y(), 1);
  sheet.undo();
  EXPECT_EQ(seen(), before);

  const QPointF cursor(420, 130);
  const QPointF under = worldPoint(cursor, sheet.view(), sheet.frame());
  act([&] { sheet.navigation().wheelZoom(cursor, 1, false); });
  act([&] { sheet.navigation().wheelZoom(cursor, 2, false); });  // within the same frame
  waitFrames();
  const QPointF now = sheet.frame().point(under.x(), under.y(), sheet.view());
  EXPECT_NEAR(now.x(), cursor.x(), 1);
  EXPECT_NEAR(now.y(), cursor.y(), 1);
  EXPECT_EQ(sheet.viewTexts()[4], "0,125");  // three notches: an eighth
}

TEST_F(HistoryTest, KeepsAtLeastAHundredStepsWithinFiftyMegabytes) {
  for (int i = 0; i < 260; ++i) enter(QStringLiteral("%1x").arg(i));
  EXPECT_GE(sheet.steps().history().steps(), 100);
  EXPECT_LE(sheet.steps().history().steps(), SheetHistory::kMaxSteps);
  EXPECT_LE(sheet.steps().history().bytes(), 50 * 1024 * 1024);
  const int steps = sheet.steps().history().steps();
  while (sheet.canUndo()) sheet.undo();
  EXPECT_EQ(sheet.terms().size(), 260 - steps);  // each step had listed one term
}

TEST_F(HistoryTest, ModifiedSinceSavedOrOpenedAndUndoBackIsUnchanged) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("blatt.fkt"));
  EXPECT_FALSE(sheet.modified());
  enter(QStringLiteral("x"));
  EXPECT_TRUE(sheet.modified());
  ASSERT_TRUE(sheet.save(name));
  EXPECT_FALSE(sheet.modified());
  enter(QStringLiteral("2x"));
  EXPECT_TRUE(sheet.modified());
  sheet.undo();
  EXPECT_FALSE(sheet.modified());
  act([&] { sheet.neu(); });
  ASSERT_TRUE(sheet.open(name));
  EXPECT_FALSE(sheet.modified());
  sheet.undo();  // opening was a step too
  EXPECT_TRUE(sheet.terms().isEmpty());
  // Opening into unsaved work adds to it: the sheet stays modified.
  enter(QStringLiteral("x^3"));
  ASSERT_TRUE(sheet.open(name));
  EXPECT_EQ(sheet.terms(), QStringList({"x^3", "x"}));
  EXPECT_TRUE(sheet.modified());
}

TEST_F(HistoryTest, RecoveryBringsBackListWindowAppearanceAndLabelsAsOneStep) {
  enter(QStringLiteral("x^2-2x"));
  enter(QStringLiteral("sin(x)"));
  act([&] {
    sheet.navigation().zoomStep(true);
    Appearance appearance = sheet.appearance();
    appearance.palette[1] = QColor(10, 20, 30);
    appearance.grid = false;
    appearance.lineWidth = 3;
    sheet.setAppearance(appearance);
    sheet.showComment(QStringLiteral("Notiz"));
    sheet.redraw();
  });
  const QByteArray bytes = sheet.recoveryBytes();
  const QImage drawn = sheet.canvas().image().copy();

  Sheet other(engine);
  other.setSurface([] { return Sheet::Surface{QSize(600, 400), 1}; });
  ASSERT_TRUE(other.restoreRecovery(bytes));
  QCoreApplication::processEvents();
  EXPECT_EQ(other.terms(), sheet.terms());
  EXPECT_EQ(other.viewTexts(), sheet.viewTexts());
  EXPECT_EQ(other.appearance().palette[1], QColor(10, 20, 30));
  EXPECT_EQ(other.label(Sheet::Label::Kommentar), sheet.label(Sheet::Label::Kommentar));
  EXPECT_EQ(other.canvas().image(), drawn);
  EXPECT_EQ(other.steps().history().steps(), 1);

  for (const QByteArray& damaged :
       {QByteArray(), QByteArray("{"), bytes.left(bytes.size() / 2), QByteArray("[1,2]"),
        QByteArray(bytes).replace("\"lineWidth\":3", "\"lineWidth\":9"),
        QByteArray(bytes).replace("kurvalon-recovery", "something-else")}) {
    EXPECT_FALSE(readRecovery(damaged)) << damaged.toStdString();
    EXPECT_FALSE(other.restoreRecovery(damaged));
  }
  EXPECT_EQ(other.terms(), sheet.terms());  // nothing changed
}

TEST_F(HistoryTest, EveryProgramHasASlotOfItsOwnAndTakesOverOnlyALeftOverOne) {
  QTemporaryDir dir;
  auto first = std::make_unique<RecoveryFile>(dir.path());
  RecoveryFile second(dir.path());
  ASSERT_TRUE(first->claimed() && second.claimed());
  EXPECT_NE(first->path(), second.path());
  ASSERT_TRUE(first->write("eins"));
  ASSERT_TRUE(second.write("zwei"));
  EXPECT_FALSE(first->leftOver() || second.leftOver());

  // A slot whose program is gone: its lock goes, its file stays.
  const QString left = first->path();
  first.reset();
  RecoveryFile third(dir.path());
  EXPECT_EQ(third.path(), left);
  EXPECT_EQ(third.leftOver(), std::optional<QByteArray>("eins"));
  third.remove();
  EXPECT_FALSE(QFile::exists(left));
  QFile kept(second.path());
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("zwei"));
}

}  // namespace
