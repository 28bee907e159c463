#pragma once
// Two graphs and a point: where two graphs meet, the tangent and the normal
// of a graph at a point, the tangents from an outside point, and the area
// two graphs enclose; exact where the algebra system solves and numeric
// otherwise.

#include <QList>
#include <QString>

#include "engine/requests.h"
#include "engine/school_notation.h"

// A point where f and g meet; exact coordinates are empty when only numeric.
struct MeetingPoint {
  EngineTerm x, y;
  double xValue = 0, yValue = 0;
  bool touching = false;  // f − g does not change its sign: a Berührpunkt
};

struct Meeting {
  QList<MeetingPoint> points;  // sorted by x
  QString message;             // German, when the points cannot be listed
};

// The intersections of f and g in [from, to]; g may be "0" for the x axis.
// Places where f − g has a pole are no intersections.
Meeting Schnittpunkte(Engine& engine, const EngineTerm& f, const EngineTerm& g, double from,
                      double to);

// "S2(1 + √2 | 3 + 2·√2) ≈ (2,414 | 5,828)", with ", Berührpunkt" for a
// touching point; `number` counts from 1.
RichText meetingLine(const MeetingPoint& point, int number);

// A straight line y = m·x + b, exact where possible.
struct StraightLine {
  EngineTerm slope, intercept;  // engine notation
  double slopeValue = 0, interceptValue = 0;
};
// "4x − 4", "−1/4·x + 9/2", "e·x", "2".
RichText lineText(const StraightLine& line);
// m·x + b in engine notation as the function list shows it ("4*x-4").
EngineTerm lineTerm(Engine& engine, const StraightLine& line);

struct Tangent {
  QString message;  // German, when f has no tangent at x0
  EngineTerm x0, y0;
  double x0Value = 0, y0Value = 0;
  StraightLine tangent;
  StraightLine normal;
  bool verticalNormal = false;  // a horizontal tangent: the normal is x = x0
};

// The tangent and the normal of f at x0, typed as a pupil types it ("1,5",
// "pi/2", "e", "sqrt(2)").
Tangent Tangente(Engine& engine, const EngineTerm& f, const QString& x0);

// All tangents of f through P(u | v), whose points of contact lie in
// [from, to] where they are only found numerically.
struct TangentsThrough {
  QList<Tangent> tangents;  // by the x of their point of contact
  QString message;          // German: none passes through P, or why none was found
};
TangentsThrough TangentenDurchPunkt(Engine& engine, const EngineTerm& f, const QString& u,
                                    const QString& v, double from, double to);
// "t1(x) = 2x − 1 mit Berührpunkt B1(1 | 1)"
RichText tangentThroughLine(const Tangent& tangent, int number);

// The area f and g enclose between two bounds, split at every intersection
// in between, each part counted positively.
struct AreaPart {
  EngineTerm from, to;  // exact bounds, empty when numeric
  double fromValue = 0, toValue = 0;
  EngineTerm integral;  // ∫(f − g) over the part, exact; empty when numeric
  double value = 0;
};
struct Area {
  QList<AreaPart> parts;
  EngineTerm exact;  // the sum of the parts' magnitudes, empty when numeric
  double value = 0;
  QString message;  // German, when there is no area to give
};
// Between the outermost intersections in [from, to], or between `lower`
// and `upper` when both are typed.
Area Flaeche(Engine& engine, const EngineTerm& f, const EngineTerm& g, double from, double to,
             const QString& lower = {}, const QString& upper = {});
// "A = 9/2 = 4,5 FE", "A = 32/3 ≈ 10,667 FE", "A ≈ 3,142 FE"
RichText areaText(const Area& area);
// "∫ von −1 bis 2: (f − g) dx = −9/2"
RichText areaPartLine(const AreaPart& part);
