#pragma once
// Pieces shared by the sources of the Steckbrief reconstruction.

#include <optional>
#include <vector>

#include "calculus/steckbrief.h"

// x^k, exactly.
Fraction power(const Fraction& x, int k);
// The coefficients of f^(derivative)(x) as a linear form in a, b, c, … (highest power first).
std::vector<Fraction> derivativeRow(int degree, int derivative, const Fraction& x);
// f^(derivative)(x) for the polynomial with these coefficients.
Fraction derivativeValue(const std::vector<Fraction>& coefficients, int derivative,
                         const Fraction& x);
// The exact decimal text with a comma ("0,125", "-2") when the denominator has no prime
// factors other than 2 and 5; nullopt otherwise.
std::optional<QString> decimalCell(const Fraction& value);
// "3a", "−a", "1/2·a" for a coefficient times a letter or power ("x³"); for a sum after the
// first term the sign is written as " + " or " − ".
QString productTerm(const Fraction& factor, const QString& letters, bool first,
                    bool decimals = false);
// A value as a pupil reads it: "−3/4", or with `decimals` "−0,75" where that is exact.
QString valueText(const Fraction& value, bool decimals);

// A coefficient of the family: constant + Σ factors[j]·letter[j].
struct FamilyCoefficient {
  Fraction constant;
  std::vector<std::pair<Fraction, QChar>> letters;
};
// "f(x) = a·x³ + (2 − a)·x".
QString familyText(const std::vector<FamilyCoefficient>& coefficients);
