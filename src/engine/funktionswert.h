#pragma once
// The value of a term at a point, as every graph sample and every numeric
// method asks for it.

#include <QString>
#include <optional>

class Engine;

// Sends APPROX(SUBST(term,x,number)) with both texts in engine notation and
// reads the answer back. nullopt when the term has no real value there, or
// the term is faulty. The number text of x has the precision of its type.
std::optional<double> Funktionswert(Engine& engine, const QString& term, double x);
std::optional<double> Funktionswert(Engine& engine, const QString& term, float x);

// The same request, telling a point without real value (ln(x) at -1) from a
// term the engine refuses altogether (a syntax error, an unknown name) or
// that depends on more than x (2y+1).
struct FunctionValue {
  std::optional<double> value;
  bool termFaulty = false;
};
FunctionValue evaluateAt(Engine& engine, const QString& term, double x);
FunctionValue evaluateAt(Engine& engine, const QString& term, float x);

// For a term already in engine notation (an engine answer such as a
// derivative): the term goes into the request unchanged.
std::optional<double> engineTermValue(Engine& engine, const QString& engineTerm, float x);
FunctionValue engineTermAt(Engine& engine, const QString& engineTerm, float x);
FunctionValue engineTermAt(Engine& engine, const QString& engineTerm, double x);

// The request text itself, for callers that pass the term on unchanged.
QString funktionswertAnfrage(const QString& engineTerm, const QString& numberText);
