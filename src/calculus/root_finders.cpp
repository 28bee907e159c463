#include "calculus/root_finders.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "engine/engine.h"
#include "engine/funktionswert.h"
#include "engine/notation.h"
#include "engine/number_text.h"

// The leading number of an engine answer, read the way BASIC's Val() reads a
// text: "1.5E-07" gives 1.5e-7, "2*x" gives 2, "undef" and "" give 0. Not in
// the header because only the minimum search reads answers this way; the
// tests declare it themselves.
double leadingNumber(const QString& text);

namespace {

// The plain loop only ends once |f| < 1e-05, which single-precision trial
// points cannot reach at a steep zero, a pole or a jump. These bounds end it
// anyway; the values at the bracket ends then tell a zero from the rest.
constexpr int kMaxFalsiPasses = 1000;
constexpr double kFalsiTolerance = 0.00001;
// At a zero the end values shrink as the bracket narrows; at a pole they grow
// and at a jump they keep their size. A tenth of the start leaves a wide
// margin both ways.
constexpr float kZeroShrinkFactor = 0.1f;

// Every pass cuts at least a quarter of the bracket, so 200 passes narrow any
// bracket that double precision can resolve to 0.001.
constexpr int kMaxMinimumPasses = 200;
constexpr double kMinimumWidth = 0.001;

double valueForMinimum(Engine& engine, const QString& term, double x) {
  return leadingNumber(
      engine.request(funktionswertAnfrage(komma2point(term), komma2point(numberText(x)))));
}

}  // namespace

double leadingNumber(const QString& text) {
  const QChar* at = text.constData();
  const QChar* const end = at + text.size();
  auto isDigit = [&] { return at < end && *at >= u'0' && *at <= u'9'; };
  auto take = [&](std::string& into) { into += static_cast<char>(at++->unicode()); };

  while (at < end && at->isSpace()) ++at;
  bool negative = false;
  if (at < end && (*at == u'+' || *at == u'-')) negative = *at++ == u'-';

  std::string plain;
  while (isDigit()) take(plain);
  if (at < end && *at == u'.') {
    take(plain);
    while (isDigit()) take(plain);
  }
  if (plain.find_first_of("0123456789") == std::string::npos) return 0;

  // An exponent counts only with at least one digit: "2E" is still 2.
  bool negativeExponent = false;
  if (at < end && (*at == u'e' || *at == u'E')) {
    const QChar* const mark = at;
    std::string exponent = "e";
    ++at;
    if (at < end && (*at == u'+' || *at == u'-')) take(exponent);
    negativeExponent = exponent.back() == '-';
    if (isDigit()) {
      while (isDigit()) take(exponent);
      plain += exponent;
    } else {
      at = mark;
      negativeExponent = false;
    }
  }

  double value = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

std::optional<float> regulaFalsi(Engine& engine, const QString& fktTerm, float& x1, float& y1,
                                 float& x2, float& y2) {
  const float startSize = std::min(std::fabs(y1), std::fabs(y2));
  float xs = x1;
  for (int pass = 0; pass < kMaxFalsiPasses; ++pass) {
    if (y1 == y2) break;  // no secant to intersect with the axis
    const double x1d = x1, y1d = y1;
    xs = static_cast<float>(x1d - y1d * (double(x2) - x1d) / (double(y2) - y1d));
    if (!std::isfinite(xs)) break;

    const std::optional<double> ys = Funktionswert(engine, fktTerm, xs);
    if (!ys) return std::nullopt;
    // A trial point on an end would come back in every further pass. It is
    // still evaluated, as the caller's end value may already be a zero.
    const bool stuck = xs == x1 || xs == x2;
    if (y1 * *ys < 0) {
      x2 = xs;
      y2 = static_cast<float>(*ys);
    } else {
      x1 = xs;
      y1 = static_cast<float>(*ys);
    }
    if (std::fabs(*ys) < kFalsiTolerance) return xs;
    if (stuck) break;
  }
  if (std::min(std::fabs(y1), std::fabs(y2)) < kZeroShrinkFactor * startSize) return xs;
  return std::nullopt;
}

double Tiefpunkt(Engine& engine, const QString& term, double& xa, double& xm, double& xb) {
  for (int pass = 0; pass < kMaxMinimumPasses; ++pass) {
    const double width = xb - xa;
    const double xn = (xb - xm) < (xm - xa) ? (xa + xm) / 2 : (xm + xb) / 2;
    const double ym = valueForMinimum(engine, term, xm);
    const double yn = valueForMinimum(engine, term, xn);
    if (ym > yn) {
      if (xn > xm) {
        xa = xm;
      } else {
        xb = xm;
      }
      xm = xn;
    } else if (xn > xm) {
      xb = xn;
    } else {
      xa = xn;
    }
    const double newWidth = xb - xa;
    if (newWidth < kMinimumWidth) return xm;
    // Infinite or NaN ends, or points too close for double precision to split.
    if (!(newWidth < width)) break;
  }
  return xm;
}
