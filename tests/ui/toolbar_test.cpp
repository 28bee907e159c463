#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "ui/window_fixture.h"

namespace {

QStringList viewTexts(FrmGraph& window) {
  QStringList texts;
  for (const QString& text : window.kurvalonPage()->viewTexts()) texts << text;
  return texts;
}

TEST_F(WindowTest, ToolbarHasEveryButtonInOrderWithItsTooltip) {
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
  auto* toolbar = find<QToolBar>(QStringLiteral("tbrGraph"));
  QList<QAction*> actions = toolbar->actions();
  ASSERT_EQ(actions.size(), 24);
  for (int i = 0; i < 24; ++i) {
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

TEST_F(WindowTest, MenusCarryCaptionsAndShortcuts) {
  const std::tuple<const char*, const char*, const char*> items[] = {
      {"mnuNew", "&Neu", "Ctrl+N"},           {"mnuOpen", "Ö&ffnen", "Ctrl+O"},
      {"mnuSave", "&Speichern unter", "Ctrl+S"}, {"mnuPrint", "&Drucken", "Ctrl+D"},
      {"mnuEnd", "&Beenden", ""},             {"mnuCut", "&Ausschneiden", "Ctrl+X"},
      {"mnuCopy", "&Copieren", "Ctrl+C"},     {"mnuPaste", "&Einfügen", "Ctrl+V"}};
  for (const auto& [name, caption, shortcut] : items) {
    auto* action = find<QAction>(QString::fromUtf8(name));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8(caption));
    EXPECT_EQ(action->shortcut().toString(), QString::fromUtf8(shortcut));
  }
  QStringList menus;
  for (QAction* menu : window->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "&Hilfe"}));
  find<QAction>(QStringLiteral("mnuEnd"))->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, PresetsAndStepsRewriteTheViewFields) {
  window->buttonClick(QStringLiteral("zoomin_step"));
  EXPECT_EQ(viewTexts(*window), QStringList({"-5", "5", "-4,5", "4,5", "0,5", "0,5"}));
  EXPECT_FLOAT_EQ(window->view().xmax, 5);  // and the canvas shows it
  window->buttonClick(QStringLiteral("zoomout_step"));
  EXPECT_EQ(viewTexts(*window), QStringList({"-10", "10", "-9", "9", "1", "1"}));
  window->buttonClick(QStringLiteral("one2one"));
  EXPECT_EQ(viewTexts(*window), QStringList({"-8,52", "8,52", "-7,7", "7,7", "1", "1"}));
  window->kurvalonPage()->setViewTexts({"1", "2", "3", "4", "0,25", "0,5"});
  window->buttonClick(QStringLiteral("zoom_undo"));
  EXPECT_EQ(viewTexts(*window), QStringList({"-10", "10", "-9", "9", "1", "1"}));
  window->buttonClick(QStringLiteral("left"));
  EXPECT_EQ(viewTexts(*window), QStringList({"-9", "11", "-9", "9", "1", "1"}));
}

TEST_F(WindowTest, PanWithAWrongFieldSaysWhichAndKeepsTheView) {
  window->kurvalonPage()->setViewTexts({"-10", "10", "-9", "9", "eins", "1"});
  window->buttonClick(QStringLiteral("right"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Im Feld x-tic steht keine gültige Zahl!"));
  EXPECT_EQ(viewTexts(*window)[0], QStringLiteral("-10"));
}

TEST_F(WindowTest, ClipboardCommandsMoveTheCanvasPicture) {
  enterTerm(QStringLiteral("x"));
  window->buttonClick(QStringLiteral("copy"));
  QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copied, window->canvas().image());

  // A pasted picture stays behind zoom steps, but erase and pan remove it.
  QImage picture(50, 40, QImage::Format_RGB32);
  picture.fill(QColor(0, 128, 255));
  QGuiApplication::clipboard()->setImage(picture);
  window->buttonClick(QStringLiteral("paste"));
  const QColor pasted(0, 128, 255);
  EXPECT_EQ(count(pasted), 50 * 40);
  window->buttonClick(QStringLiteral("zoomin_step"));
  EXPECT_GT(count(pasted), 50 * 40 / 2);
  window->buttonClick(QStringLiteral("erase"));
  EXPECT_EQ(count(pasted), 0);
  window->buttonClick(QStringLiteral("paste"));
  window->buttonClick(QStringLiteral("up"));
  EXPECT_EQ(count(pasted), 0);
  window->buttonClick(QStringLiteral("paste"));
  window->buttonClick(QStringLiteral("cut"));
  EXPECT_EQ(count(pasted), 0);
  EXPECT_EQ(count(QColor(64, 64, 64)), 0);  // cut leaves an empty canvas
}

TEST_F(WindowTest, LabelShowsTheEntryFieldAfterTheFunctionCaption) {
  window->buttonClick(QStringLiteral("label"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
  EXPECT_FALSE(window->lblGraph()->isVisible());

  enterTerm(QStringLiteral("x^2-2x"));
  enterTerm(QStringLiteral("x"));
  window->cboFunktionsterm()->setCurrentIndex(0);
  window->buttonClick(QStringLiteral("label"));
  EXPECT_TRUE(window->lblGraph()->isVisible());
  EXPECT_EQ(window->lblGraph()->text(), QStringLiteral("f(x) =x^2-2x"));
  EXPECT_EQ(window->lblGraph()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(WindowTest, CommentAsksForItsTextAndCancelGivesAnEmptyLabel) {
  dialogs.inputAnswers = {QStringLiteral("Scheitel"), std::nullopt};
  window->buttonClick(QStringLiteral("comment"));
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].title, QStringLiteral("Label im Schaubild"));
  EXPECT_EQ(dialogs.inputs[0].text, QStringLiteral("Label eingeben und mit der Maus plazieren!"));
  EXPECT_EQ(window->lblKommentar()->text(), QStringLiteral("Scheitel"));
  window->buttonClick(QStringLiteral("comment"));
  EXPECT_TRUE(window->lblKommentar()->isVisible());
  EXPECT_TRUE(window->lblKommentar()->text().isEmpty());
}

TEST_F(WindowTest, DroppedLabelIsPrintedWhereItsCornerLands) {
  enterTerm(QStringLiteral("x^2-2x"));
  window->buttonClick(QStringLiteral("label"));
  QImage before = window->canvas().image();
  window->labelPressed(window->lblGraph(), QPointF(4, 3));
  EXPECT_FALSE(window->lblGraph()->isVisible());
  window->labelDropped(QStringLiteral("lblGraph"), QPointF(60, 40));
  // Red text pixels right of and below (60, 40), none above or left of it.
  const QImage& after = window->canvas().image();
  int inside = 0, outside = 0;
  for (int y = 30; y < 60; ++y) {
    for (int x = 50; x < 160; ++x) {
      bool changed = after.pixel(x, y) != before.pixel(x, y);
      (x >= 60 && y >= 40 ? inside : outside) += changed;
    }
  }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

TEST_F(WindowTest, ModesStayOnUntilTheirGestureAndColourListDoesNothing) {
  QImage before = window->canvas().image();
  window->buttonClick(QStringLiteral("point"));
  window->buttonClick(QStringLiteral("line"));
  window->buttonClick(QStringLiteral("line"));
  EXPECT_TRUE(window->modeOn(QStringLiteral("point")));
  EXPECT_TRUE(window->modeOn(QStringLiteral("line")));
  EXPECT_FALSE(window->modeOn(QStringLiteral("zoom")));
  window->buttonClick(QStringLiteral("col"));
  EXPECT_EQ(window->canvas().image(), before);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
