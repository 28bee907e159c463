#pragma once
// Draws the coordinate system: background, grid, axes with arrowheads and
// letters, ticks and their labels.

#include "plot/appearance.h"
#include "plot/view_window.h"

class Canvas;

// Clears the canvas and draws the system for `view`; returns the pixel frame
// that every other drawing uses.
PixelFrame Koordinatensystem_zeichnen(Canvas& canvas, const ViewWindow& view,
                                      const Appearance& appearance);
