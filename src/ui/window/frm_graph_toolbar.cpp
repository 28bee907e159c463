// The toolbar and the menus of the main window, and the commands behind them.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/pages/graph_page.h"
#include "ui/widgets/canvas_widget.h"
#include "ui/widgets/dialogs.h"
#include "ui/window/cursors.h"
#include "ui/window/frm_graph.h"
#include "ui/window/toolbar_icons.h"

namespace {

struct Button {
  const char* key;
  const char* tooltip;  // nullptr: none
};

constexpr Button kButtons[] = {
    {"new", "Graph neu"},
    {"open", "Graph öffnen"},
    {"save", "Graph speichern"},
    {"print", "Graph Drucken"},
    {"cut", "Graph ausschneiden"},
    {"copy", "Graph kopieren"},
    {"paste", "Graph einfügen"},
    {"erase", "Graph löschen"},
    {"koord", "Koordinatensystem zeichnen"},
    {"graph", "Graph zeichnen"},
    {"label", "Graph beschriften"},
    {"point", "Punkt zeichnen"},
    {"line", "Linie zeichnen"},
    {"comment", "Kommentar einfügen"},
    {"left", "x-Achse nach links"},
    {"right", "x-Achse nach rechts"},
    {"up", "y-Achse nach oben"},
    {"down", "y-Achse nach unten"},
    {"zoomin_step", "Maßstab halbieren"},
    {"zoomout_step", "Maßstab verdoppeln"},
    {"zoom", "Zoomen"},
    {"zoom_undo", "Default Maßstab"},
    {"col", "Farben "},
    {"one2one", nullptr},
};

bool isMode(const QString& key) {
  return key == QLatin1String("zoom") || key == QLatin1String("point") ||
         key == QLatin1String("line");
}

}  // namespace

void FrmGraph::buildToolbar() {
  tbrGraph_ = addToolBar(QStringLiteral("Werkzeuge"));
  tbrGraph_->setObjectName(QStringLiteral("tbrGraph"));
  tbrGraph_->setMovable(false);
  for (const Button& button : kButtons) {
    QString key = QLatin1String(button.key);
    // Without a tooltip of its own an action shows its text as one.
    auto* action = new QAction(toolbarIcon(key), button.tooltip ? key : QString(), this);
    action->setObjectName(key);
    if (button.tooltip) action->setToolTip(QString::fromUtf8(button.tooltip));
    action->setCheckable(isMode(key));
    toolButtons_[key] = action;
    if (key == QLatin1String("col")) {
      // A drop-down of colour names that sets nothing.
      auto* menu = new QMenu(this);
      for (const char* colour : {"rot", "gelb", "blau"}) menu->addAction(QString::fromUtf8(colour));
      auto* toolButton = new QToolButton;
      toolButton->setDefaultAction(action);
      toolButton->setMenu(menu);
      toolButton->setPopupMode(QToolButton::MenuButtonPopup);
      tbrGraph_->addWidget(toolButton);
    } else {
      tbrGraph_->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, key] { buttonClick(key); });
  }
}

void FrmGraph::buildMenus() {
  auto item = [this](QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, auto command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    return action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
  file->setObjectName(QStringLiteral("mnuFile"));
  item(file, "mnuNew", QStringLiteral("&Neu"), QKeySequence(Qt::CTRL | Qt::Key_N),
       [this] { sheet_.neu(); });
  item(file, "mnuOpen", QStringLiteral("Ö&ffnen"), QKeySequence(Qt::CTRL | Qt::Key_O),
       [this] { öffnen(); });
  mnuRecent_ = file->addMenu(QStringLiteral("Zuletzt geöffnet"));
  mnuRecent_->setObjectName(QStringLiteral("mnuRecent"));
  mnuRecent_->setToolTipsVisible(true);
  showRecentFiles();
  item(file, "mnuSave", QStringLiteral("&Speichern unter"), QKeySequence(Qt::CTRL | Qt::Key_S),
       [this] { speichern(); });
  item(file, "mnuExport", QStringLiteral("&Exportieren…"), QKeySequence(),
       [this] { exportieren(); });
  item(file, "mnuPrint", QStringLiteral("&Drucken"), QKeySequence(Qt::CTRL | Qt::Key_D),
       [this] { drucke(); });
  item(file, "mnuPreview", QStringLiteral("Seiten&ansicht…"), QKeySequence(),
       [this] { seitenansicht(); });
  file->addSeparator()->setObjectName(QStringLiteral("seperator"));
  item(file, "mnuEnd", QStringLiteral("&Beenden"), QKeySequence(), [this] { close(); });

  // The edit items do what the toolbar's clipboard buttons do.
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  mnuUndo_ = item(edit, "mnuUndo", QStringLiteral("&Rückgängig"),
                  QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { sheet_.undo(); });
  mnuRedo_ = item(edit, "mnuRedo", QStringLiteral("&Wiederherstellen"),
                  QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { sheet_.redo(); });
  mnuRedo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  item(edit, "mnuCut", QStringLiteral("&Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X),
       [this] { buttonClick(QStringLiteral("cut")); });
  item(edit, "mnuCopy", QStringLiteral("&Copieren"), QKeySequence(Qt::CTRL | Qt::Key_C),
       [this] { buttonClick(QStringLiteral("copy")); });
  item(edit, "mnuPaste", QStringLiteral("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V),
       [this] { buttonClick(QStringLiteral("paste")); });
  menuBar()->addMenu(QStringLiteral("&Hilfe"))->setObjectName(QStringLiteral("mnuHelp"));
}

QAction* FrmGraph::toolButton(const QString& key) const {
  auto found = toolButtons_.find(key);
  return found == toolButtons_.end() ? nullptr : found->second;
}

bool FrmGraph::modeOn(const QString& key) const {
  QAction* action = toolButton(key);
  return action && action->isChecked();
}

void FrmGraph::buttonClick(const QString& key) {
  if (key == QLatin1String("new")) {
    sheet_.neu();
  } else if (key == QLatin1String("open")) {
    öffnen();
  } else if (key == QLatin1String("save")) {
    speichern();
  } else if (key == QLatin1String("print")) {
    drucke();
  } else if (key == QLatin1String("cut")) {
    copyPicture();
    sheet_.setPicture(QImage());
  } else if (key == QLatin1String("copy")) {
    copyPicture();
  } else if (key == QLatin1String("paste")) {
    sheet_.setPicture(QGuiApplication::clipboard()->image());
  } else if (key == QLatin1String("erase")) {
    sheet_.erase();
  } else if (key == QLatin1String("koord")) {
    sheet_.Koordinatensystem_zeichnen();
  } else if (key == QLatin1String("graph")) {
    sheet_.Graph_zeichnen(sheet_.entryText());
  } else if (key == QLatin1String("label")) {
    sheet_.showGraphLabel(graphPage_->txtFunktionsart()->text());
  } else if (key == QLatin1String("comment")) {
    askComment();
  } else if (isMode(key)) {
    // A mode stays on until the mouse-up of its gesture, even if clicked again.
    toolButton(key)->setChecked(true);
    if (key != QLatin1String("zoom")) picGraph()->setCursor(pointCursor());
  } else if (key == QLatin1String("left")) {
    sheet_.navigation().pan(Pan::Left);
  } else if (key == QLatin1String("right")) {
    sheet_.navigation().pan(Pan::Right);
  } else if (key == QLatin1String("up")) {
    sheet_.navigation().pan(Pan::Up);
  } else if (key == QLatin1String("down")) {
    sheet_.navigation().pan(Pan::Down);
  } else if (key == QLatin1String("zoomin_step") || key == QLatin1String("zoomout_step")) {
    sheet_.navigation().zoomStep(key == QLatin1String("zoomin_step"));
  } else if (key == QLatin1String("zoom_undo")) {
    sheet_.navigation().zoomBack();
  } else if (key == QLatin1String("one2one")) {
    sheet_.navigation().one2one();
  }
}

void FrmGraph::copyPicture() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(sheet_.image());
}

void FrmGraph::askComment() {
  std::optional<QString> text =
      dialogs_.inputText(QStringLiteral("Label eingeben und mit der Maus plazieren!"),
                         QStringLiteral("Label im Schaubild"), QString());
  sheet_.showComment(text.value_or(QString()));
}
