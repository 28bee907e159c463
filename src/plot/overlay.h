#pragma once
// Draws what the calculators hand over: maps world shapes through the pixel
// frame and sets the pen for them. Every pen on the sheet is set here or in
// the coordinate system, the curves and the mouse gestures of src/plot.

#include <QPointF>
#include <QString>

#include "plot/drawing.h"
#include "plot/view_window.h"

class Canvas;

// False when nothing of it lay on the canvas.
bool drawOverlay(Canvas& canvas, const Drawing& drawing, const ViewWindow& view,
                 const PixelFrame& frame, const Appearance& appearance);

// A text with its top-left corner at a canvas position, in the pen as it is:
// a label dropped on the drawing.
void printText(Canvas& canvas, QPointF at, const QString& text);

// The pen takes a colour without drawing, as showing a label does; what is
// drawn next in the pen's colour has it.
void takePenColour(Canvas& canvas, const QColor& colour);
QColor penColour(const Canvas& canvas);
QColor inkColour(const Ink& ink, const Appearance& appearance);
