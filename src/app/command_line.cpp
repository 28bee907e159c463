#include "app/command_line.h"

#include <QCommandLineParser>
#include <cmath>

#include "engine/school_notation.h"

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
  const QCommandLineOption discuss(
      QStringLiteral("discuss"),
      QStringLiteral("Gibt den Lösungsweg der Kurvendiskussion von TERM als Text aus."),
      QStringLiteral("TERM"));
  const QCommandLineOption from(
      QStringLiteral("from"),
      QStringLiteral("Mit --discuss: linker Rand für die Punkte periodischer Terme (Vorgabe -10)."),
      QStringLiteral("A"));
  const QCommandLineOption to(
      QStringLiteral("to"),
      QStringLiteral("Mit --discuss: rechter Rand für die Punkte periodischer Terme (Vorgabe 10)."),
      QStringLiteral("B"));
  const QCommandLineOption param(
      QStringLiteral("param"),
      QStringLiteral("Mit --discuss: der Parameter der Funktionenschar (ein Buchstabe außer x, e "
                     "und y); der Lösungsweg behält ihn als Symbol und gibt die Ortskurven an. "
                     "Ein Term mit einem Parameter wird auch ohne diese Option als Schar "
                     "diskutiert."),
      QStringLiteral("BUCHSTABE"));
  parser.addOption(exportOption);
  parser.addOption(size);
  parser.addOption(discuss);
  parser.addOption(from);
  parser.addOption(to);
  parser.addOption(param);
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
  } else if (parser.isSet(discuss)) {
    line.mode = CommandLine::Mode::Discuss;
    line.text = parser.value(discuss);
    bool fromRead = true, toRead = true;
    if (parser.isSet(from))
      line.from = QString(parser.value(from)).replace(',', '.').toDouble(&fromRead);
    if (parser.isSet(to)) line.to = QString(parser.value(to)).replace(',', '.').toDouble(&toRead);
    if (!fromRead || !toRead || !(line.from < line.to) || std::abs(line.from) > 1e6 ||
        std::abs(line.to) > 1e6) {
      line.mode = CommandLine::Mode::Refused;
      line.text = QStringLiteral(
          "Die Grenzen --from und --to müssen Zahlen mit A < B sein "
          "(Betrag höchstens 1000000).");
    } else if (parser.isSet(param)) {
      const QString letter = parser.value(param);
      const EngineTerm term = EngineTerm::fromUser(line.text);
      if (letter.size() != 1 || !letter[0].isLetter() || letter[0].unicode() > 127 ||
          QStringLiteral("xey").contains(letter[0])) {
        line.mode = CommandLine::Mode::Refused;
        line.text = QStringLiteral(
            "Der Parameter nach --param muss ein einzelner Buchstabe außer x, e und y sein.");
      } else if (domainConditions(term).readable && !parameterLetters(term).contains(letter[0])) {
        line.mode = CommandLine::Mode::Refused;
        line.text = QStringLiteral("Der Term enthält den Parameter %1 nicht.").arg(letter);
      } else {
        line.parameter = letter[0];
      }
    }
  } else if (parser.isSet(param)) {
    line.mode = CommandLine::Mode::Refused;
    line.text = QStringLiteral("Die Option --param gilt nur zusammen mit --discuss.");
  } else if (parser.isSet(from) || parser.isSet(to)) {
    line.mode = CommandLine::Mode::Refused;
    line.text = QStringLiteral("Die Optionen --from und --to gelten nur zusammen mit --discuss.");
  } else if (parser.isSet(size)) {
    line.mode = CommandLine::Mode::Refused;
    line.text = QStringLiteral("Die Option --size gilt nur zusammen mit --export.");
  } else {
    line.sheets = parser.positionalArguments();
  }
  return line;
}
