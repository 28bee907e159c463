// Fuzzes the graph file reader (documents/graph_file.h). A file it refuses must
// come with a message; a file it reads must be storable again, and the stored
// bytes must read back to the same view window and the same terms (the writer
// promises a message whenever that could not be done). Written once more,
// they give the same bytes.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <variant>

#include "documents/graph_file.h"

namespace {

[[noreturn]] void broken(const char* what, const QString& detail = {}) {
  std::fprintf(stderr, "graph file property broken: %s\n  %s\n", what, detail.toUtf8().constData());
  __builtin_trap();
}

QString viewText(const std::array<float, 6>& view) {
  QString text;
  for (float value : view) text += QString::number(value, 'g', 9) + u' ';
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto read = readGraphFile(bytes);
  if (const QString* message = std::get_if<QString>(&read)) {
    if (message->isEmpty()) broken("refused without a message");
    return 0;
  }
  const GraphFile& file = std::get<GraphFile>(read);
  for (float value : file.view) {
    if (!std::isfinite(value)) broken("read a non-finite view number", viewText(file.view));
  }

  const auto written = writeGraphFile(file.view, file.terms);
  if (const QString* message = std::get_if<QString>(&written)) {
    broken("a file just read cannot be written", *message);
  }
  const QByteArray& stored = std::get<QByteArray>(written);
  const auto reread = readGraphFile(stored);
  if (const QString* message = std::get_if<QString>(&reread)) {
    broken("a written file is refused", *message);
  }
  const GraphFile& again = std::get<GraphFile>(reread);
  if (again.view != file.view) {
    broken("the view changed on the way through a file",
           viewText(file.view) + u"-> " + viewText(again.view));
  }
  if (again.terms != file.terms) broken("the terms changed on the way through a file");

  const auto rewritten = writeGraphFile(again.view, again.terms);
  if (!std::holds_alternative<QByteArray>(rewritten) || std::get<QByteArray>(rewritten) != stored) {
    broken("writing the same sheet twice gives other bytes");
  }
  return 0;
}
