#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <cstring>

#include "documents/recent_files.h"
#include "documents/recovery_file.h"
#include "documents/sheet_export.h"
#include "engine/engine.h"
#include "ui/frm_graph.h"
#include "ui/qt_dialogs.h"

namespace {

bool asksForExport(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--export") == 0) return true;
  }
  return false;
}

// kurvalon --export SHEET.fkt OUT.png|OUT.svg [--size WxH]: no window, no display needed.
int exportPicture(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Only the export's own messages reach the terminal, not Qt's notices.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) QTextStream(stderr) << text << '\n';
  });
  QGuiApplication application(argc, argv);
  QTextStream errors(stderr);
  QStringList arguments = QGuiApplication::arguments();
  arguments.removeFirst();
  auto request = exportRequest(arguments);
  if (auto* message = std::get_if<QString>(&*request)) {
    errors << *message << '\n';
    return 2;
  }
  Engine engine;
  return runExport(std::get<ExportRequest>(*request), engine, errors);
}

}  // namespace

int main(int argc, char** argv) {
  if (asksForExport(argc, argv)) return exportPicture(argc, argv);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kurvalon"));  // also the title of plain notices
  // The program speaks German, so do Qt's own dialogs and buttons.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&qtTexts);
  }
  // ~/.config/Kurvalon/Kurvalon.conf: the sheets opened last.
  QSettings settings(QStringLiteral("Kurvalon"), QStringLiteral("Kurvalon"));
  QtDialogs dialogs;
  FrmGraph window(dialogs);
  window.setRecovery(std::make_unique<RecoveryFile>(
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
  window.setRecentFiles(std::make_unique<RecentFiles>(&settings));
  window.show();
  // The sheets named on the command line (kurvalon SHEET.fkt ..., also what
  // a file manager passes) open once the window is up, so that the message of
  // one that cannot be read shows over the window.
  const QStringList sheets = QCoreApplication::arguments().mid(1);
  QTimer::singleShot(0, &window, [&window, sheets] {
    window.offerRecovery();
    window.openFiles(sheets);
  });
  return application.exec();
}
