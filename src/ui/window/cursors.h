#pragma once
// Monochrome mouse cursors of the drawing area. Built from bitmap and mask so
// they keep their exact pixels on every platform (no colour scaling).

#include <QCursor>
#include <QImage>

// Crosshair with a small open ring, for placing points; hot spot (11, 11).
QCursor pointCursor();
// Dotted crosshair with a small dotted square, for zooming; hot spot (7, 7).
QCursor zoomCursor();

// How the cursors look, as ARGB32 pictures: black, white, transparent, and
// mid-grey (0xff808080) where the cursor inverts the screen. The cursors above
// are built from these pictures.
QImage pointCursorPicture();
QImage zoomCursorPicture();
