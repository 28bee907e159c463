#pragma once
// The toolbar's changes of the view window, done on the texts of the six
// view fields: read, computed, written back as number texts.

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

// -8,52 to 8,52 by -7,7 to 7,7: equal units in x and y on a canvas about
// 1.15 times as wide as high.
ViewTexts one2oneView();
