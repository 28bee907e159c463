#include "documents/sheet_export.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include "canvas/canvas.h"
#include "documents/graph_file.h"
#include "documents/picture_file.h"
#include "engine/number_text.h"
#include "plot/appearance.h"
#include "plot/coordinate_system.h"
#include "plot/graph.h"

namespace {

constexpr int kMinSide = 50;
constexpr int kMaxSide = 8000;

}  // namespace

QString drawSheet(Canvas& canvas, Engine& engine, const GraphFile& sheet, QStringList* skipped) {
  // The numbers are read back as the window would show them in its fields.
  ViewTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = numberText(sheet.view[i]);
  std::variant<ViewWindow, QString> window = readViewWindow(texts);
  if (auto* message = std::get_if<QString>(&window)) return *message;
  const ViewWindow& view = std::get<ViewWindow>(window);

  const Appearance appearance;
  const PixelFrame frame = Koordinatensystem_zeichnen(canvas, view, appearance);
  Graphen_zeichnen(canvas, engine, sheet.terms, view, frame, appearance,
                   [&](int entry, GraphResult result) {
                     if (result == GraphResult::TermFaulty && skipped) {
                       skipped->append(sheet.terms[entry]);
                     }
                   });
  return QString();
}

std::optional<std::variant<ExportRequest, QString>> exportRequest(const QStringList& arguments) {
  if (!arguments.contains(QStringLiteral("--export"))) return std::nullopt;
  const QString usage =
      QStringLiteral("Aufruf: kurvalon --export BLATT.fkt BILD.png|BILD.svg [--size 1000x700]");
  ExportRequest request;
  QStringList files;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--export")) continue;
    if (argument == QStringLiteral("--size")) {
      static const QRegularExpression kSize(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
      const QRegularExpressionMatch match =
          kSize.match(i + 1 < arguments.size() ? arguments[++i] : QString());
      const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
      const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
      if (width < kMinSide || height < kMinSide || width > kMaxSide || height > kMaxSide) {
        return QStringLiteral(
                   "Die Größe wird als BREITExHÖHE in Pixeln angegeben, "
                   "je %1 bis %2, zum Beispiel 1000x700.\n%3")
            .arg(kMinSide)
            .arg(kMaxSide)
            .arg(usage);
      }
      request.size = QSize(width, height);
    } else if (argument.startsWith(QStringLiteral("--"))) {
      return QStringLiteral("Unbekannte Option %1.\n%2").arg(argument, usage);
    } else {
      files << argument;
    }
  }
  if (files.size() != 2) return usage;
  request.sheet = files[0];
  request.output = files[1];
  if (!pictureFormatFor(request.output)) {
    return unsupportedPictureMessage(request.output);
  }
  return request;
}

int runExport(const ExportRequest& request, Engine& engine, QTextStream& errors) {
  QFile file(request.sheet);
  if (!file.open(QIODevice::ReadOnly)) {
    errors << QStringLiteral("Die Datei %1 kann nicht geöffnet werden: %2\n")
                  .arg(request.sheet, file.errorString());
    return 1;
  }
  std::variant<GraphFile, QString> read = readGraphFile(file.readAll());
  if (auto* message = std::get_if<QString>(&read)) {
    errors
        << QStringLiteral("Die Datei %1 ist keine Graphdatei.\n%2\n").arg(request.sheet, *message);
    return 1;
  }
  Canvas canvas(request.size.width(), request.size.height());
  QStringList skipped;
  if (QString message = drawSheet(canvas, engine, std::get<GraphFile>(read), &skipped);
      !message.isEmpty()) {
    errors << QStringLiteral("Die Datei %1 ist keine Graphdatei.\nZeile 1: %2\n")
                  .arg(request.sheet, message);
    return 1;
  }
  for (const QString& term : skipped) {
    errors << QStringLiteral(
                  "Der Funktionsterm %1 wurde ausgelassen: Fehler bei der Eingabe "
                  "des Funktionsterms!\n")
                  .arg(term);
  }
  if (QString message = writePicture(canvas, request.output); !message.isEmpty()) {
    errors << message << '\n';
    return 1;
  }
  return 0;
}
