// The file dialogs of the main window: the graph file, the picture export
// and the printout.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>

#include "documents/picture_file.h"
#include "documents/printing.h"
#include "ui/dialogs.h"
#include "ui/differential_page.h"
#include "ui/frm_graph.h"

namespace {

const QString kPrintFailed = QStringLiteral("Fehler beim Drucken!");

const QString kFilter = QStringLiteral("*.fkt (*.fkt)");

}  // namespace

bool FrmGraph::speichern() {
  QString name = dialogs_.saveFileName(kFilter);
  return !name.isEmpty() && sheet_.save(name);
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
  if (QString message = writePicture(sheet_.canvas(), name, scale); !message.isEmpty()) {
    showError(dialogs_, message);
  }
}

void FrmGraph::öffnen() {
  QString name = dialogs_.openFileName(kFilter);
  if (!name.isEmpty()) sheet_.open(name);
}

PrintedSheet FrmGraph::printout() {
  // The picture goes through the clipboard, as the copy command puts it there.
  copyPicture();
  PrintedSheet printed;
  printed.picture = QGuiApplication::clipboard()->image();
  if (printed.picture.isNull()) printed.picture = sheet_.canvas().image();
  printed.picture.setDevicePixelRatio(sheet_.canvas().devicePixelRatio());  // screen pixels
  printed.drawing = &sheet_.canvas();  // printed as vectors in the picture's place
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
