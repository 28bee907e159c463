#pragma once
// Draws the curve of a term by sampling it through the engine.

#include <QString>

#include "plot/view_window.h"

class Canvas;
class Engine;

enum class GraphResult {
  Drawn,       // also when parts of the window have no value (ln(x) left of 0)
  TermFaulty,  // the engine refuses the term; what was drawn before stays
};

// 502 samples from xmin to xmax, joined by lines in the canvas's foreground
// colour and `lineWidth`. A sample is joined to the one before it when it lies
// within 400 pixels of the plot area; a sample without value breaks the curve.
GraphResult Graph_zeichnen(Canvas& canvas, Engine& engine, const QString& fktTerm,
                           const ViewWindow& view, const PixelFrame& frame, int lineWidth);
