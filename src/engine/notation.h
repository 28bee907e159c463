#pragma once

#include <QString>

// The user types and reads numbers with a decimal comma and E notation ("1,5E-07"); the symbolic
// engine wants a decimal point and an explicit power of ten. These two functions translate texts
// between both worlds.

// Turns a user text into engine text: every comma becomes a point, and the first upper-case "E"
// is rewritten to "* 10 ^(...)" once per pass (one pass per comma, plus a final one).
QString komma2point(QString komma);

// Turns engine text back into user text: every point becomes a comma.
QString point2komma(QString point);
