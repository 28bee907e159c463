#pragma once
// Refining a bracketed zero (regula falsi) and a bracketed minimum (interval
// halving) of a term whose values come from the engine.

#include <optional>

#include "engine/requests.h"

// Refines the zero of `fktTerm` between x1 and x2, where y1 and y2 are the
// term's values and y1 * y2 < 0. Trial points are single precision, their
// values double precision; the search stops at the first trial point whose
// value is below 1e-05 in size. All four arguments are overwritten with the
// final bracket (one of its ends is the last trial point).
//
// nullopt when there is no zero to report: a value the engine cannot give,
// or a bracket around a pole or a jump rather than a zero. When |f| cannot
// get below 1e-05 (after 1000 passes, or once a trial point lands on an end),
// the end values decide: a zero has made the smaller of them shrink below a
// tenth of its start; at a pole it grows, at a jump it stays.
std::optional<float> regulaFalsi(Engine& engine, const EngineTerm& fktTerm, float& x1, float& y1,
                                 float& x2, float& y2);

// Narrows a bracketed minimum of `term` (xa < xm < xb, f(xm) below f(xa) and
// f(xb)) until the bracket is narrower than 0.001, placing each new point in
// the middle of the larger part. Returns the last middle point; the three
// arguments hold the final bracket. Values the engine cannot give read as 0.
double Tiefpunkt(Engine& engine, const EngineTerm& term, double& xa, double& xm, double& xb);
