#pragma once
// Families of functions with one parameter (f_t(x) = x³ − t·x): which letter
// is the parameter, and the locus (Ortskurve) of a point whose coordinates
// depend on it.

#include <QChar>
#include <QString>
#include <optional>

#include "engine/requests.h"
#include "engine/school_notation.h"

struct ParameterReading {
  QChar letter;     // null when the term has no parameter
  QString message;  // German, when it has more than one
};
ParameterReading parameterOf(const EngineTerm& term);

// The curve on which the point (x(t) | y(t)) moves as t runs: y = …, or
// x = … when x does not depend on t. Where x = x(t) has several solutions t,
// `sample` (a value of t where the point exists) picks the one that gives it
// back: x = 1/(4t²) is t = 1/(2√x) for t > 0.
struct Locus {
  EngineTerm term;        // y as a term in x, or the constant x
  bool vertical = false;  // x = term
  QString message;        // German, when t cannot be eliminated
};
Locus Ortskurve(Engine& engine, const EngineTerm& x, const EngineTerm& y, QChar parameter,
                std::optional<double> sample = {});
// "Ortskurve der Tiefpunkte: y = −x⁴"; `kind` names the points.
RichText locusLine(const Locus& locus, const QString& kind);
