#include "plot/parameter.h"

#include <algorithm>
#include <cmath>

namespace {

// Steps of 0,1 add up to 0,30000000000000004; a slider value is read as a
// person writes it.
double tidy(double v) {
  if (v == 0 || !std::isfinite(v)) return v;
  const double scale = std::pow(10.0, 12 - std::ceil(std::log10(std::fabs(v))));
  const double tidied = std::round(v * scale) / scale;
  return std::isfinite(tidied) ? tidied : v;
}

}  // namespace

double Parameter::memberCount() const {
  if (!(step > 0) || !std::isfinite(from) || !std::isfinite(to) || to < from) return 0;
  return std::floor((to - from) / step + 1e-9) + 1;
}

QList<double> Parameter::members() const {
  QList<double> values;
  if (!(step > 0) || !std::isfinite(from) || !std::isfinite(to) || to < from) return values;
  for (int k = 0; k < kMaxMembers; ++k) {
    const double v = from + k * step;
    if (v > to + step * 1e-9) break;
    values << tidy(v);
  }
  return values;
}

double Parameter::snapped(double v) const {
  if (!std::isfinite(v)) return value;
  v = std::clamp(v, std::min(from, to), std::max(from, to));
  if (!(step > 0)) return tidy(v);
  return tidy(std::clamp(from + std::round((v - from) / step) * step, std::min(from, to),
                         std::max(from, to)));
}

Parameter parameterFor(const Parameters& parameters, QChar letter) {
  for (const Parameter& p : parameters) {
    if (p.letter == letter) return p;
  }
  Parameter defaults;
  defaults.letter = letter;
  return defaults;
}

void storeParameter(Parameters& parameters, const Parameter& parameter) {
  for (Parameter& p : parameters) {
    if (p.letter == parameter.letter) {
      p = parameter;
      return;
    }
  }
  parameters << parameter;
}
