#pragma once
// The series calculators' work: the Taylor polynomial of a term at 0 and the
// Fourier series of a term over an interval, each asked of the engine.

#include <QString>
#include <optional>

#include "engine/requests.h"

// The Taylor polynomial as the engine gives it for the degree as typed, or
// nullopt when the engine answers with an error ("Fehler...").
std::optional<QString> taylorSeries(Engine& engine, const EngineTerm& term,
                                    const QString& degreeText);

// The Fourier series over [t1, t2] with n terms (n as typed), its
// coefficients approximated.
QString fourierSeries(Engine& engine, const EngineTerm& term, const EngineTerm& t1,
                      const EngineTerm& t2, const QString& n);
