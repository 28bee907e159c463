// Undo and redo from the menu, the question on closing, the offer of a
// recovered sheet at start.
#include <QAction>
#include <QCloseEvent>
#include <QTemporaryDir>

#include "documents/recovery_file.h"
#include "ui/window_fixture.h"

namespace {

class HistoryWindowTest : public WindowTest {
 protected:
  QAction* action(const char* name) { return find<QAction>(QLatin1String(name)); }
  QStringList fields() {
    const ViewTexts texts = window->kurvalonPage()->viewTexts();
    return QStringList(texts.begin(), texts.end());
  }
  // The user closes the window; true when it closed.
  bool close() {
    QCloseEvent event;
    QCoreApplication::sendEvent(window.get(), &event);
    return event.isAccepted();
  }
  QTemporaryDir dir;
};

TEST_F(HistoryWindowTest, UndoAndRedoBringBackTheFieldsTheListAndTheDrawing) {
  EXPECT_FALSE(action("mnuUndo")->isEnabled());
  EXPECT_FALSE(action("mnuRedo")->isEnabled());
  enterTerm(QStringLiteral("x^2-2x"));
  enterTerm(QStringLiteral("sin(x)"));
  QCoreApplication::processEvents();
  for (const char* key : {"zoomin_step", "zoomin_step", "new"}) {
    window->buttonClick(QLatin1String(key));  // each click an event of its own
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(window->cboFunktionsterm()->count(), 0);

  for (int i = 0; i < 3; ++i) action("mnuUndo")->trigger();
  EXPECT_EQ(window->cboFunktionsterm()->count(), 2);
  EXPECT_EQ(fields(), QStringList({"-10", "10", "-9", "9", "1", "1"}));
  EXPECT_TRUE(action("mnuRedo")->isEnabled());
  action("mnuRedo")->trigger();
  EXPECT_EQ(fields(), QStringList({"-5", "5", "-4,5", "4,5", "0,5", "0,5"}));
  EXPECT_EQ(action("mnuUndo")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
  EXPECT_EQ(action("mnuRedo")->shortcuts(),
            QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                 QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

  // An undone colour comes back into its swatch.
  dialogs.colorAnswers.push_back(QColor(1, 2, 3));
  QTest::mouseClick(find<QWidget>(QStringLiteral("picGraphFarben(0)")), Qt::LeftButton);
  QCoreApplication::processEvents();
  action("mnuUndo")->trigger();
  EXPECT_EQ(window->kurvalonPage()->swatchColor(0), QColor(255, 0, 0));
}

TEST_F(HistoryWindowTest, ClosingAChangedSheetAsksAndOnlyYesWithASaveOrNoCloses) {
  EXPECT_TRUE(close());  // nothing changed: no question
  EXPECT_TRUE(dialogs.questions.empty());

  enterTerm(QStringLiteral("x"));
  QCoreApplication::processEvents();
  dialogs.answers = {Dialogs::Answer::Cancel};
  EXPECT_FALSE(close());
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].title, QStringLiteral("Kurvalon"));
  EXPECT_EQ(dialogs.questions[0].text, QStringLiteral("Die Änderungen am Blatt speichern?"));

  dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
  dialogs.fileAnswers = {QString(), dir.filePath(QStringLiteral("blatt.fkt"))};
  EXPECT_FALSE(close());  // the save dialog was cancelled
  EXPECT_TRUE(close());   // saved
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("blatt.fkt"))));
  EXPECT_TRUE(close());  // saved just now: no question
  EXPECT_EQ(dialogs.questions.size(), 3u);

  enterTerm(QStringLiteral("2x"));
  QCoreApplication::processEvents();
  dialogs.answers = {Dialogs::Answer::No};
  EXPECT_TRUE(close());
}

TEST_F(HistoryWindowTest, ARecoveredSheetIsOfferedAndADamagedOneReported) {
  const QString folder = dir.filePath(QStringLiteral("data"));
  {
    RecoveryFile crashed(folder);
    Sheet other(engine);
    other.appendTerms({QStringLiteral("x^3")}, QStringLiteral("x^3"));
    crashed.write(other.recoveryBytes());
  }  // its program is gone; the file stays
  window->setRecovery(std::make_unique<RecoveryFile>(folder));
  dialogs.answers = {Dialogs::Answer::Yes};
  window->offerRecovery();
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text,
            QStringLiteral(
                "Kurvalon wurde nicht ordnungsgemäß beendet. Das letzte Blatt wiederherstellen?"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 1);
  QCoreApplication::processEvents();
  action("mnuUndo")->trigger();  // one step
  EXPECT_EQ(window->cboFunktionsterm()->count(), 0);

  // No: the file goes. Damaged: a message, the file goes, no question.
  for (const QByteArray& left : {QByteArray("{\"kind\":\"kurvalon-recovery\"}"), QByteArray()}) {
    window->setRecovery(nullptr);
    {
      RecoveryFile crashed(folder);
      crashed.write(left.isEmpty() ? window->sheet().recoveryBytes() : left);
    }
    auto recovery = std::make_unique<RecoveryFile>(folder);
    const QString path = recovery->path();
    window->setRecovery(std::move(recovery));
    dialogs.questions.clear();
    dialogs.messages.clear();
    dialogs.answers = {Dialogs::Answer::No};
    window->offerRecovery();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(dialogs.messages.size(), left.isEmpty() ? 0u : 1u);
    EXPECT_EQ(dialogs.questions.size(), left.isEmpty() ? 1u : 0u);
  }
  window->setRecovery(nullptr);
}

}  // namespace
