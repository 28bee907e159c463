// The graph file and the printout of the main window.
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <variant>

#include "documents/graph_file.h"
#include "documents/picture_file.h"
#include "engine/number_text.h"
#include "ui/dialogs.h"
#include "ui/frm_graph.h"
#include "ui/kurvalon_page.h"

namespace {

const QString kFilter = QStringLiteral("*.fkt (*.fkt)");

}  // namespace

void FrmGraph::setPrintTexts(std::function<void(PrintedSheet&)> fill) {
  printTexts_ = std::move(fill);
}

void FrmGraph::speichern() {
  QString name = dialogs_.saveFileName(kFilter);
  if (name.isEmpty()) return;
  QComboBox* list = cboFunktionsterm();
  QStringList terms;
  for (int i = 0; i < list->count(); ++i) terms << list->itemText(i);
  // The window of the last drawing, not what the fields may hold by now.
  auto bytes = writeGraphFile(
      {view_.xmin, view_.xmax, view_.ymin, view_.ymax, view_.xtic, view_.ytic}, terms);
  if (auto* message = std::get_if<QString>(&bytes)) {
    showError(dialogs_, *message);
    return;
  }
  // Written beside the target and renamed over it at the end, so a failed
  // save never destroys the old file.
  QSaveFile file(name);
  QByteArray& content = std::get<QByteArray>(bytes);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
    showError(dialogs_, QStringLiteral("Die Datei %1 konnte nicht gespeichert werden: %2")
                            .arg(name, file.errorString()));
  }
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
  if (QString message = writePicture(canvas_, name, scale); !message.isEmpty()) {
    showError(dialogs_, message);
  }
}

void FrmGraph::öffnen() {
  QString name = dialogs_.openFileName(kFilter);
  if (name.isEmpty()) return;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    showError(dialogs_, QStringLiteral("Die Datei %1 kann nicht geöffnet werden: %2")
                            .arg(name, file.errorString()));
    return;
  }
  // The whole file is checked before anything changes.
  auto read = readGraphFile(file.readAll());
  if (auto* message = std::get_if<QString>(&read)) {
    showError(dialogs_,
              QStringLiteral("Die Datei %1 ist keine Graphdatei.\n%2").arg(name, *message));
    return;
  }
  const GraphFile& sheet = std::get<GraphFile>(read);
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = numberText(sheet.view[i]);
  auto window = readViewWindow(texts);
  if (auto* message = std::get_if<QString>(&window)) {
    showError(
        dialogs_,
        QStringLiteral("Die Datei %1 ist keine Graphdatei.\nZeile 1: %2").arg(name, *message));
    return;
  }
  kurvalonPage()->setViewTexts(texts);
  cboFunktionsterm()->addItems(sheet.terms);
  redraw();
}

void FrmGraph::drucke() {
  // The picture goes through the clipboard, as the copy command puts it there.
  copyPicture();
  PrintedSheet sheet;
  sheet.picture = QGuiApplication::clipboard()->image();
  if (sheet.picture.isNull()) sheet.picture = canvas_.image();
  sheet.picture.setDevicePixelRatio(canvas_.devicePixelRatio());  // screen pixels
  if (printTexts_) printTexts_(sheet);

  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.choosePrinter(printer)) return;
  const int copies = std::max(printer.copyCount(), 1);
  printer.setCopyCount(1);  // each copy is a job of its own
  const double screenDpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
  for (int copy = 0; copy < copies; ++copy) {
    QPainter painter;
    if (!painter.begin(&printer)) {
      showError(dialogs_, QStringLiteral("Fehler beim Drucken!"));
      return;
    }
    paintSheet(painter, sheet, printer.resolution(), screenDpi);
    if (!painter.end()) {
      showError(dialogs_, QStringLiteral("Fehler beim Drucken!"));
      return;
    }
  }
}
