// The file dialogs of the main window: the graph file, the picture export
// and the printout; the sheets opened last, and sheets dropped on the window.
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include "documents/picture_file.h"
#include "documents/printing.h"
#include "documents/recent_files.h"
#include "ui/pages/differential_page.h"
#include "ui/widgets/dialogs.h"
#include "ui/window/frm_graph.h"

namespace {

const QString kPrintFailed = QStringLiteral("Fehler beim Drucken!");

const QString kFilter = QStringLiteral("*.fkt (*.fkt)");

// The local .fkt files among what is dragged onto the window.
QStringList droppedSheets(const QMimeData* data) {
  QStringList sheets;
  for (const QUrl& url : data->urls()) {
    const QString name = url.toLocalFile();
    if (!name.isEmpty() && QFileInfo(name).suffix().compare(u"fkt", Qt::CaseInsensitive) == 0)
      sheets << name;
  }
  return sheets;
}

}  // namespace

bool FrmGraph::speichern() {
  QString name = dialogs_.saveFileName(kFilter);
  if (name.isEmpty() || !sheet_.save(name)) return false;
  recentFiles_->add(name);
  showRecentFiles();
  return true;
}

void FrmGraph::exportieren() {
  QString name = dialogs_.saveFileName(QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)"));
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".png");
  int scale = 1;
  if (pictureFormatFor(name) == PictureFormat::Png) {
    std::optional<int> choice = dialogs_.chooseItem(
        QStringLiteral("Größe des Bildes:"), QStringLiteral("Exportieren"),
        {QStringLiteral("1×"), QStringLiteral("2×"), QStringLiteral("3×"), QStringLiteral("4×")});
    if (!choice) return;
    scale = *choice + 1;
  }
  if (QString message = sheet_.writePicture(name, scale); !message.isEmpty()) {
    showError(dialogs_, message);
  }
}

void FrmGraph::öffnen() {
  QString name = dialogs_.openFileName(kFilter);
  if (!name.isEmpty()) openFile(name);
}

bool FrmGraph::openFile(const QString& fileName) {
  if (!sheet_.open(fileName)) return false;
  recentFiles_->add(fileName);
  showRecentFiles();
  return true;
}

void FrmGraph::openFiles(const QStringList& fileNames) {
  for (const QString& name : fileNames) openFile(name);
}

void FrmGraph::setRecentFiles(std::unique_ptr<RecentFiles> recentFiles) {
  recentFiles_ = std::move(recentFiles);
  showRecentFiles();
}

void FrmGraph::openRecent(int index) {
  if (index < 0 || index >= recentFiles_->files().size()) return;
  const QString name = recentFiles_->files()[index];
  if (!QFileInfo::exists(name)) {
    showError(dialogs_, QStringLiteral("Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste "
                                       "„Zuletzt geöffnet“ entfernt.")
                            .arg(name));
    recentFiles_->remove(name);
    showRecentFiles();
    return;
  }
  openFile(name);
}

void FrmGraph::showRecentFiles() {
  if (!mnuRecent_) return;
  // Five entries made once and shown as needed: an entry that is triggered
  // updates the list and must not take itself down on the way.
  if (mnuRecent_->actions().isEmpty()) {
    for (int i = 0; i < RecentFiles::kLimit; ++i) {
      QAction* action = mnuRecent_->addAction(QString());
      action->setObjectName(QStringLiteral("mnuRecent(%1)").arg(i));
      action->setShortcut(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + i)));
      action->setShortcutContext(Qt::WindowShortcut);
      connect(action, &QAction::triggered, this, [this, i] { openRecent(i); });
    }
  }
  const QStringList& files = recentFiles_->files();
  const QList<QAction*> actions = mnuRecent_->actions();
  for (int i = 0; i < actions.size(); ++i) {
    const bool listed = i < files.size();
    // An & in a file name is no mnemonic.
    const QString caption =
        listed ? QFileInfo(files[i]).fileName().replace(u'&', QLatin1String("&&")) : QString();
    actions[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
    actions[i]->setToolTip(listed ? files[i] : QString());
    actions[i]->setStatusTip(listed ? files[i] : QString());
    actions[i]->setVisible(listed);  // a hidden entry's shortcut does nothing
  }
  mnuRecent_->menuAction()->setEnabled(!files.isEmpty());
}

void FrmGraph::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedSheets(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FrmGraph::dropEvent(QDropEvent* event) {
  const QStringList sheets = droppedSheets(event->mimeData());
  if (sheets.isEmpty()) return;
  event->acceptProposedAction();
  // The file manager waits until the drop returns: the messages of a sheet
  // that cannot be read come after it.
  QMetaObject::invokeMethod(
      this, [this, sheets] { openFiles(sheets); }, Qt::QueuedConnection);
}

PrintedSheet FrmGraph::printout() {
  // The picture goes through the clipboard, as the copy command puts it there.
  copyPicture();
  PrintedSheet printed;
  printed.picture = QGuiApplication::clipboard()->image();
  sheet_.fillPrintout(printed);
  differentialPage_->fillPrintout(printed);
  return printed;
}

bool FrmGraph::print(QPrinter& printer, const PrintedSheet& printed) {
  const double screenDpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  paintSheet(painter, printed, printer.resolution(), screenDpi);
  return painter.end();
}

void FrmGraph::drucke() {
  const PrintedSheet printed = printout();
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.choosePrinter(printer)) return;
  const int copies = std::max(printer.copyCount(), 1);
  printer.setCopyCount(1);  // each copy is a job of its own
  for (int copy = 0; copy < copies; ++copy) {
    if (!print(printer, printed)) {
      showError(dialogs_, kPrintFailed);
      return;
    }
  }
}

void FrmGraph::seitenansicht() {
  const PrintedSheet printed = printout();
  QPrinter printer(QPrinter::HighResolution);
  bool failed = false;
  dialogs_.previewPrint(printer, [&](QPrinter& target) {
    if (!failed && !print(target, printed)) failed = true;
  });
  if (failed) showError(dialogs_, kPrintFailed);
}
