#pragma once
// Graph files (.fkt): the view window and the function list as plain Latin-1 text. Line 1 holds
// the six window numbers, written with a decimal point and separated by commas; every further
// line holds one term between double quotes. A sheet with a family's parameter ends with a line
// per parameter, "#Parameter t=1 von=-5 bis=5 Schrittweite=0.5", which no reader takes for a
// term; a sheet without one is written as before. So is a reconstruction task: "#Steckbrief
// Grad=3", then "#Bedingung HP(1 | 2)" per condition.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <variant>

#include "documents/conditions.h"
#include "plot/parameter.h"

struct GraphFile {
  std::array<float, 6> view{};  // xmin, xmax, ymin, ymax, x-tic, y-tic
  QStringList terms;
  Parameters parameters;
  SteckbriefTask steckbrief;
};

// The bytes of a graph file, or a German message for the user when something cannot be stored
// so that it reads back unchanged (a term with a double quote or a character outside Latin-1).
std::variant<QByteArray, QString> writeGraphFile(const std::array<float, 6>& view,
                                                 const QStringList& terms,
                                                 const Parameters& parameters = {},
                                                 const SteckbriefTask& steckbrief = {});

// The contents of a whole graph file, or a German message that names the problem and, where
// there is one, its 1-based line. Success only once every line has been checked.
std::variant<GraphFile, QString> readGraphFile(const QByteArray& bytes);
