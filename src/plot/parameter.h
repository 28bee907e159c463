#pragma once
// The parameter of a family of functions (f_t(x) = x³ − t·x): its value on
// the sheet, and the range and step of its slider. Every graph whose term
// holds the letter is drawn with the value.

#include <QChar>
#include <QList>

struct Parameter {
  QChar letter;
  double value = 1;
  double from = -5, to = 5, step = 0.5;

  // von, von + Schrittweite, …, bis: the members "Schar zeichnen" draws,
  // at most kMaxMembers of them; memberCount() says how many there would be.
  QList<double> members() const;
  double memberCount() const;
  // The value nearest to v on the slider's grid, within von and bis.
  double snapped(double v) const;
  bool operator==(const Parameter&) const = default;
};

inline constexpr int kMaxMembers = 41;

using Parameters = QList<Parameter>;

// The settings of `letter`: those stored, or the defaults.
Parameter parameterFor(const Parameters& parameters, QChar letter);
// Stores the settings of its letter, replacing those stored before.
void storeParameter(Parameters& parameters, const Parameter& parameter);
