#pragma once
// The curve discussion: zeros, touching zeros, extrema and inflection points
// of f in the visible x range, found by scanning f, f' and f'' for sign
// changes in 1702 steps and refining each with regula falsi.

#include <QString>
#include <QStringList>
#include <functional>

class Engine;

struct DiscussionTerms {
  QString f, f1, f2;  // f and its first two derivatives, in engine notation
};

// Called at every step of a scan: the scan (1 to 4) and its step counter,
// which restarts at 1 for each scan.
using DiscussionProgress = std::function<void(int scan, int step)>;

// The lines of the list: "Nullstellen:", the BP and N lines, "", "Extrema:",
// the HP and TP lines, "", "Wendepunkte:", the WP lines. A point whose values
// the engine cannot give is left out.
QStringList Kurvendiskussion(Engine& engine, const DiscussionTerms& terms, float xmin, float xmax,
                             const DiscussionProgress& progress = {});
