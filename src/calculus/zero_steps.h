#pragma once
// The methods a pupil uses to solve f(x) = 0, written out where they apply:
// Ausklammern and the Satz vom Nullprodukt, the pq- and abc-Formel, the
// substitution z = x² for biquadratic terms, a zero found by trying and the
// Polynomdivision. The solutions themselves are listed by the caller.

#include <QList>

#include "engine/requests.h"
#include "engine/school_notation.h"

QList<RichText> zeroSteps(Engine& engine, const EngineTerm& f);
