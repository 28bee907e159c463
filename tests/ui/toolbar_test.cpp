#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/window_fixture.h"

namespace {

class ToolbarTest : public WindowTest {
 protected:
  void press(const char* key) { window->buttonClick(QString::fromLatin1(key)); }
  QStringList view() const {
    QStringList texts;
    for (const QString& text : window->kurvalonPage()->viewTexts()) texts << text;
    return texts;
  }
};

TEST_F(ToolbarTest, ToolbarHasEveryButtonInOrderWithItsTooltip) {
  // clang-format off
  const std::pair<const char*, const char*> expected[] = {
      {"new", "Graph neu"}, {"open", "Graph öffnen"}, {"save", "Graph speichern"},
      {"print", "Graph Drucken"}, {"cut", "Graph ausschneiden"}, {"copy", "Graph kopieren"},
      {"paste", "Graph einfügen"}, {"erase", "Graph löschen"},
      {"koord", "Koordinatensystem zeichnen"}, {"graph", "Graph zeichnen"},
      {"label", "Graph beschriften"}, {"point", "Punkt zeichnen"}, {"line", "Linie zeichnen"},
      {"comment", "Kommentar einfügen"}, {"left", "x-Achse nach links"},
      {"right", "x-Achse nach rechts"}, {"up", "y-Achse nach oben"},
      {"down", "y-Achse nach unten"}, {"zoomin_step", "Maßstab halbieren"},
      {"zoomout_step", "Maßstab verdoppeln"}, {"zoom", "Zoomen"},
      {"zoom_undo", "Default Maßstab"}, {"col", "Farben "}, {"one2one", ""}};
  // clang-format on
  auto* toolbar = find<QToolBar>(QStringLiteral("tbrGraph"));
  const QList<QAction*> actions = toolbar->actions();
  ASSERT_EQ(actions.size(), std::ssize(expected));
  for (int i = 0; i < actions.size(); ++i) {
    QAction* action = actions[i];
    // The colour button is a tool button with a drop-down, holding its action.
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
        button && button->menu()) {
      action = button->defaultAction();
      QStringList colours;
      for (QAction* entry : button->menu()->actions()) colours << entry->text();
      EXPECT_EQ(colours, QStringList({"rot", "gelb", "blau"}));
    }
    ASSERT_EQ(action->objectName(), QString::fromUtf8(expected[i].first));
    EXPECT_EQ(action->toolTip(), QString::fromUtf8(expected[i].second));
    EXPECT_FALSE(action->icon().isNull()) << expected[i].first;
  }
}

TEST_F(ToolbarTest, MenusCarryCaptionsAndShortcuts) {
  QStringList captions, shortcuts, menus;
  for (const char* name : {"mnuNew", "mnuOpen", "mnuSave", "mnuExport", "mnuPrint", "mnuEnd",
                           "mnuCut", "mnuCopy", "mnuPaste"}) {
    auto* action = find<QAction>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr);
    captions << action->text();
    shortcuts << action->shortcut().toString();
  }
  EXPECT_EQ(captions,
            QStringList({"&Neu", "Ö&ffnen", "&Speichern unter", "&Exportieren…", "&Drucken",
                         "&Beenden", "&Ausschneiden", "&Copieren", "&Einfügen"}));
  EXPECT_EQ(shortcuts, QStringList({"Ctrl+N", "Ctrl+O", "Ctrl+S", "", "Ctrl+D", "", "Ctrl+X",
                                    "Ctrl+C", "Ctrl+V"}));
  for (QAction* menu : window->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "&Hilfe"}));
  find<QAction>(QStringLiteral("mnuEnd"))->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(ToolbarTest, PresetsAndStepsRewriteTheViewFieldsUnlessOneIsWrong) {
  press("zoomin_step");
  EXPECT_EQ(view(), QStringList({"-5", "5", "-4,5", "4,5", "0,5", "0,5"}));
  EXPECT_FLOAT_EQ(window->sheet().view().xmax, 5);  // and the canvas shows it
  press("zoomout_step");
  EXPECT_EQ(view(), QStringList({"-10", "10", "-9", "9", "1", "1"}));
  press("one2one");
  EXPECT_EQ(view(), QStringList({"-8,52", "8,52", "-7,7", "7,7", "1", "1"}));
  window->kurvalonPage()->setViewTexts({"1", "2", "3", "4", "0,25", "0,5"});
  press("zoom_undo");
  EXPECT_EQ(view(), QStringList({"-10", "10", "-9", "9", "1", "1"}));
  press("left");
  EXPECT_EQ(view(), QStringList({"-9", "11", "-9", "9", "1", "1"}));
  window->kurvalonPage()->setViewTexts({"-10", "10", "-9", "9", "eins", "1"});
  press("right");  // a wrong field is named and the view kept
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Im Feld x-tic steht keine gültige Zahl!"));
  EXPECT_EQ(view()[0], QStringLiteral("-10"));
}

TEST_F(ToolbarTest, ClipboardCommandsMoveTheCanvasPicture) {
  enterTerm(QStringLiteral("x"));
  press("copy");
  QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copied, window->sheet().canvas().image());

  // A pasted picture stays behind zoom steps, but erase, pan and cut remove it.
  const QColor pasted(0, 128, 255);
  QImage picture(50, 40, QImage::Format_RGB32);
  picture.fill(pasted);
  QGuiApplication::clipboard()->setImage(picture);
  press("paste");
  EXPECT_EQ(count(pasted), 50 * 40);
  press("zoomin_step");
  EXPECT_GT(count(pasted), 50 * 40 / 2);
  for (const char* remover : {"erase", "up", "cut"}) {
    press("paste");
    press(remover);
    EXPECT_EQ(count(pasted), 0) << remover;
  }
  EXPECT_EQ(count(QColor(64, 64, 64)), 0);  // cut leaves an empty canvas
}

TEST_F(ToolbarTest, LabelShowsTheFunctionCaptionAndIsPrintedWhereItsCornerLands) {
  press("label");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
  EXPECT_FALSE(window->picGraph()->label(0)->isVisible());

  enterTerm(QStringLiteral("x^2-2x"));
  enterTerm(QStringLiteral("x"));
  window->cboFunktionsterm()->setCurrentIndex(0);
  press("label");
  EXPECT_TRUE(window->picGraph()->label(0)->isVisible());
  EXPECT_EQ(window->picGraph()->label(0)->text(), QStringLiteral("f(x) =x^2-2x"));
  EXPECT_EQ(window->picGraph()->label(0)->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  QImage before = window->sheet().canvas().image();
  QTest::mousePress(window->picGraph()->label(0), Qt::LeftButton, {}, QPoint(4, 3));
  EXPECT_FALSE(window->picGraph()->label(0)->isVisible());
  window->picGraph()->dropLabel(QStringLiteral("lblGraph"), QPointF(60, 40));
  // Changed pixels right of and below (60, 40), none above or left of it.
  const QImage& after = window->sheet().canvas().image();
  int inside = 0, outside = 0;
  for (int y = 30; y < 60; ++y) {
    for (int x = 50; x < 160; ++x)
      (x >= 60 && y >= 40 ? inside : outside) += after.pixel(x, y) != before.pixel(x, y);
  }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

TEST_F(ToolbarTest, CommentAsksForItsTextAndCancelGivesAnEmptyLabel) {
  dialogs.inputAnswers = {QStringLiteral("Scheitel"), std::nullopt};
  press("comment");
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].title, QStringLiteral("Label im Schaubild"));
  EXPECT_EQ(dialogs.inputs[0].text, QStringLiteral("Label eingeben und mit der Maus plazieren!"));
  EXPECT_EQ(window->picGraph()->label(1)->text(), QStringLiteral("Scheitel"));
  press("comment");
  EXPECT_TRUE(window->picGraph()->label(1)->isVisible());
  EXPECT_TRUE(window->picGraph()->label(1)->text().isEmpty());
}

TEST_F(ToolbarTest, ModesStayOnUntilTheirGestureAndColourListDoesNothing) {
  QImage before = window->sheet().canvas().image();
  for (const char* key : {"point", "line", "line"}) press(key);
  EXPECT_TRUE(window->modeOn(QStringLiteral("point")));
  EXPECT_TRUE(window->modeOn(QStringLiteral("line")));
  EXPECT_FALSE(window->modeOn(QStringLiteral("zoom")));
  press("col");
  EXPECT_EQ(window->sheet().canvas().image(), before);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
