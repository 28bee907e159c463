#pragma once
// Draws the curve of a term by sampling it through the engine, and the curves
// of a whole function list: the one loop behind the screen and the export.

#include <QString>
#include <QStringList>
#include <functional>

#include "engine/requests.h"
#include "plot/appearance.h"
#include "plot/drawing.h"
#include "plot/parameter.h"
#include "plot/view_window.h"

class Canvas;
class Engine;

enum class GraphResult {
  Drawn,       // also when parts of the window have no value (ln(x) left of 0)
  TermFaulty,  // the engine refuses the term; what was drawn before stays
};

// 502 samples from xmin to xmax, joined by lines in `ink` (unset: the pen's
// colour) and the appearance's line width. A sample is joined to the one
// before it when it lies within 400 pixels of the plot area; a sample without
// value breaks the curve. `fktTerm` is the user's text; a term with a
// parameter is drawn with its value in `parameters`.
GraphResult Graph_zeichnen(Canvas& canvas, Engine& engine, const QString& fktTerm,
                           const ViewWindow& view, const PixelFrame& frame,
                           const Appearance& appearance, std::optional<Ink> ink = std::nullopt,
                           const Parameters& parameters = {});

// Every term of the list in its entry's colour, in order; `drawn` hears of
// each one drawn, and of its result. An empty entry draws nothing.
void Graphen_zeichnen(Canvas& canvas, Engine& engine, const QStringList& terms,
                      const ViewWindow& view, const PixelFrame& frame, const Appearance& appearance,
                      const std::function<void(int entry, GraphResult result)>& drawn = {},
                      const Parameters& parameters = {});

// The term the engine draws: the user's text, with the value of its one
// parameter bound (a term with two is left as it is, and refused).
EngineTerm drawnTerm(const QString& fktTerm, const Parameters& parameters);
