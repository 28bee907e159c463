#include "app/command_line.h"

#include <QCommandLineParser>

CommandLine readCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kurvalon: Funktionsgraphen und die Rechner der Schulmathematik."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption exportOption(
      QStringLiteral("export"),
      QStringLiteral("Zeichnet BLATT.fkt ohne Fenster als Bild BILD.png oder BILD.svg."));
  const QCommandLineOption size(
      QStringLiteral("size"),
      QStringLiteral("Größe des Bildes beim Export in Pixeln (Vorgabe 1000x700)."),
      QStringLiteral("BREITExHÖHE"));
  parser.addOption(exportOption);
  parser.addOption(size);
  parser.addPositionalArgument(
      QStringLiteral("BLATT.fkt"),
      QStringLiteral("Blätter, die beim Start geöffnet werden; mit --export das Blatt und "
                     "die Bilddatei."),
      QStringLiteral("[BLATT.fkt ...]"));

  // Qt's own options (-platform offscreen, -style fusion, ...) stay allowed;
  // QApplication takes them out itself.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const char* name :
       {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"}) {
    QCommandLineOption qtOption(QLatin1String(name), QString(), QStringLiteral("value"));
    qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qtOption);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"}) {
    QCommandLineOption qtOption{QLatin1String(name)};
    qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qtOption);
  }

  CommandLine line;
  if (!parser.parse(arguments)) {
    line.mode = CommandLine::Mode::Refused;
    line.text =
        parser.errorText() + QStringLiteral("\nEine Übersicht der Optionen gibt kurvalon --help.");
  } else if (parser.isSet(help)) {
    line.mode = CommandLine::Mode::Help;
    line.text = parser.helpText();
  } else if (parser.isSet(version)) {
    line.mode = CommandLine::Mode::Version;
  } else if (parser.isSet(exportOption)) {
    line.mode = CommandLine::Mode::Export;
  } else if (parser.isSet(size)) {
    line.mode = CommandLine::Mode::Refused;
    line.text = QStringLiteral("Die Option --size gilt nur zusammen mit --export.");
  } else {
    line.sheets = parser.positionalArguments();
  }
  return line;
}
