#pragma once
// The curve discussion: zeros, touching zeros, extrema and inflection points
// of f in the visible x range, found by scanning f, f' and f'' for sign
// changes in 1702 steps and refining each with regula falsi.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "engine/requests.h"

struct DiscussionTerms {
  EngineTerm f, f1, f2;  // f and its first two derivatives
};

// Called at every step of a scan: the scan (1 to 4) and its step counter,
// which restarts at 1 for each scan.
using DiscussionProgress = std::function<void(int scan, int step)>;

// A listed point, as the graph marks it: its kind ("N", "BP", "HP", "TP" or
// "WP"), where it lies (y is 0 for N and BP) and its caption with the
// numbers of the list, "HP(1,0|5,0)".
struct KeyPoint {
  QString kind;
  double x = 0, y = 0;
  QString caption;
  bool operator==(const KeyPoint&) const = default;
};

struct CurveDiscussion {
  // "Nullstellen:", the BP and N lines, "", "Extrema:", the HP and TP lines,
  // "", "Wendepunkte:", the WP lines.
  QStringList lines;
  QList<KeyPoint> points;  // one for each point line, in the same order
};

// A point whose values the engine cannot give is left out.
CurveDiscussion Kurvendiskussion(Engine& engine, const DiscussionTerms& terms, float xmin,
                                 float xmax, const DiscussionProgress& progress = {});
