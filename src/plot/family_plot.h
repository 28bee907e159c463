#pragma once
// A family of functions drawn at once ("Schar zeichnen"): one curve per
// value von, von + Schrittweite, …, bis, in shades of the entry's colour from
// light to dark, each captioned "t = 2" at its right end where there is room.

#include <QColor>
#include <QList>
#include <QString>

#include "plot/appearance.h"
#include "plot/drawing.h"
#include "plot/parameter.h"
#include "plot/view_window.h"

class Engine;

// The shade of member `index` of `count`: light first, dark last.
QColor memberShade(const QColor& colour, int index, int count);

// The members' curves, then their captions.
QList<Drawing> familyDrawings(Engine& engine, const QString& fktTerm, const Parameter& parameter,
                              const QColor& colour, const ViewWindow& view,
                              const PixelFrame& frame, const Appearance& appearance);
