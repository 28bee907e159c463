#pragma once
// The toolbar's changes of the view window, done on the texts of the six
// view fields: read, computed, written back as number texts.

#include <QPointF>
#include <QString>
#include <variant>

#include "plot/view_window.h"

enum class Pan { Left, Right, Up, Down };

// One tick step sideways, in single precision: left moves the x axis to the
// left (xmin and xmax grow by x-tic). A field that is no number gives the
// message that names it, and the texts stay as they were.
std::variant<ViewTexts, QString> panView(const ViewTexts& texts, Pan direction);

// All six numbers halved (zoomIn) or doubled, in double precision.
std::variant<ViewTexts, QString> zoomStep(const ViewTexts& texts, bool zoomIn);

// The mouse wheel: `notches` (positive zooms in) about the world point
// `centre`, which stays where it is. A whole notch is the toolbar's zoom step
// about that point: the window and the tick spacings halve or double. A
// `fine` notch (Strg) is a quarter of that; fine and part notches keep the
// tick spacings, unless more than 40 or fewer than 10 ticks would show. The window's ends are
// rounded to a ten-thousandth of its width or finer.
std::variant<ViewTexts, QString> zoomAbout(const ViewTexts& texts, QPointF centre, double notches,
                                           bool fine);

// The middle-button drag: the window moved by (dx, dy) world units, its ends
// rounded as above, the tick spacings unchanged.
std::variant<ViewTexts, QString> shiftView(const ViewTexts& texts, double dx, double dy);

// -8,52 to 8,52 by -7,7 to 7,7: equal units in x and y on a canvas about
// 1.15 times as wide as high.
ViewTexts one2oneView();
