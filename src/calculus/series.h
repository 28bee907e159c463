#pragma once
// The series calculators' work: the Taylor polynomial of a term at 0 and the
// Fourier series of a term over an interval, each asked of the engine.

#include <QString>
#include <optional>

class Engine;

// TAYLOR(<term>,x,0,<degree>); the term may carry a decimal comma, the
// degree is passed as typed.
QString taylorRequest(const QString& term, const QString& degree);
// FOURIER(<term>, x,<t1>,<t2>,<n>); the term and the interval ends may carry
// a decimal comma, n is passed as typed.
QString fourierRequest(const QString& term, const QString& t1, const QString& t2, const QString& n);

// The Taylor polynomial as the engine gives it, or nullopt when the engine
// answers with an error ("Fehler...").
std::optional<QString> taylorSeries(Engine& engine, const QString& term, const QString& degreeText);

// The Fourier series with approximated coefficients. The engine's first
// answer is itself a request: evaluating it gives the series, which is then
// approximated; every step with the larger Fourier answer room.
QString fourierSeries(Engine& engine, const QString& term, const QString& t1, const QString& t2,
                      const QString& n);
