#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include "app/command_line.h"
#include "calculus/worked_solution.h"
#include "documents/recent_files.h"
#include "documents/recovery_file.h"
#include "documents/sheet_export.h"
#include "engine/engine.h"
#include "sheet/sheet.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/window/frm_graph.h"

namespace {

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// Qt's own texts (its dialogs and buttons, the parser's messages) in German.
void speakGerman(QCoreApplication& application, QTranslator& qtTexts) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&qtTexts);
  }
}

// --help, --version and a command line that cannot be read are answered on
// the terminal, without a window or a display.
int answerOnTerminal(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kurvalon"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KURVALON_VERSION));
  QTranslator qtTexts;
  speakGerman(application, qtTexts);
  const CommandLine line = readCommandLine(QCoreApplication::arguments());
  switch (line.mode) {
    case CommandLine::Mode::Help:
      QTextStream(stdout) << line.text;
      return 0;
    case CommandLine::Mode::Version:
      QTextStream(stdout) << QStringLiteral("Kurvalon %1\n").arg(KURVALON_VERSION);
      return 0;
    default:
      QTextStream(stderr) << line.text << '\n';
      return 2;
  }
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

// kurvalon --discuss TERM [--from A --to B] [--param t]: the worked solution
// as plain UTF-8 text, for worksheets, a family's with its Ortskurven; a
// faulty term (or one with two parameters) gives its message and status 1.
int discussOnTerminal(int argc, char** argv, const CommandLine& line) {
  QCoreApplication application(argc, argv);
  Engine engine;
  const WorkedSolution solution =
      Loesungsweg(engine, EngineTerm::fromUser(line.text), line.from, line.to);
  if (!solution.failure.isEmpty()) {
    QTextStream(stderr) << solution.failure << '\n';
    return 1;
  }
  QTextStream out(stdout);
  out.setEncoding(QStringConverter::Utf8);
  out << plainText(solution);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = readCommandLine(argumentsOf(argc, argv));
  if (line.mode == CommandLine::Mode::Export) return exportPicture(argc, argv);
  if (line.mode == CommandLine::Mode::Discuss) return discussOnTerminal(argc, argv, line);
  if (line.mode != CommandLine::Mode::Window) return answerOnTerminal(argc, argv);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kurvalon"));  // also the title of plain notices
  QTranslator qtTexts;
  speakGerman(application, qtTexts);
  // ~/.config/Kurvalon/Kurvalon.conf: the sheets opened last.
  QSettings settings(QStringLiteral("Kurvalon"), QStringLiteral("Kurvalon"));
  QtDialogs dialogs;
  Engine engine;
  Sheet sheet(engine);
  FrmGraph window(sheet, dialogs);
  window.setRecovery(std::make_unique<RecoveryFile>(
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
  window.setRecentFiles(std::make_unique<RecentFiles>(&settings));
  window.show();
  // The sheets named on the command line (kurvalon SHEET.fkt ..., also what
  // a file manager passes) open once the window is up, so that the message of
  // one that cannot be read shows over the window.
  const QStringList sheets = line.sheets;
  QTimer::singleShot(0, &window, [&window, sheets] {
    window.offerRecovery();
    window.openFiles(sheets);
  });
  return application.exec();
}
