#pragma once
// The program's command line, read with Qt's parser:
//   kurvalon [BLATT.fkt ...]                       opens the sheets in the window
//   kurvalon --export BLATT.fkt BILD.png|BILD.svg [--size 1000x700]
//   kurvalon --discuss TERM [--from A --to B]      prints the worked solution
//   kurvalon --discuss TERM --param t              the same for a family in t
//   kurvalon --help | --version

#include <QString>
#include <QStringList>

struct CommandLine {
  enum class Mode { Window, Export, Discuss, Help, Version, Refused };
  Mode mode = Mode::Window;
  QStringList sheets;          // Window: the sheets to open
  QString text;                // Help: the options listed; Refused: the German message;
                               // Discuss: the term
  double from = -10, to = 10;  // Discuss: where the points of periodic terms are listed
  QChar parameter;             // Discuss: the family's parameter named with --param
};

// `arguments` as the program got them, its own name first. The texts are
// those of the translator installed when it runs.
CommandLine readCommandLine(const QStringList& arguments);
