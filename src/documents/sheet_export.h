#pragma once
// A graph sheet drawn without a window, and the command line
//   kurvalon --export SHEET.fkt OUT.png|OUT.svg [--size 1000x700]
// that writes it as a picture.

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

class Canvas;
class Engine;
class QTextStream;
struct GraphFile;

// Draws the sheet's view window and its terms in the default appearance.
// Terms the engine refuses are left out and named in `skipped`. An empty
// text on success, else a German message (the window cannot be drawn).
QString drawSheet(Canvas& canvas, Engine& engine, const GraphFile& sheet,
                  QStringList* skipped = nullptr);

struct ExportRequest {
  QString sheet;
  QString output;
  QSize size{1000, 700};
};

// nullopt when the arguments (without the program name) do not ask for an
// export; a German message when they ask for one wrongly.
std::optional<std::variant<ExportRequest, QString>> exportRequest(const QStringList& arguments);

// Carries the export out. 0 when the picture was written; otherwise 1 after a
// message on `errors`, and no file is written.
int runExport(const ExportRequest& request, Engine& engine, QTextStream& errors);
