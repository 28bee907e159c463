#include "numerics/spline.h"

#include <algorithm>
#include <cmath>

#include "engine/format_pattern.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/requests.h"
#include "plot/sampling.h"

namespace {

QString shown(double value) {
  return formatPattern(value, QStringLiteral("###0.0###"));
}

// "+" and the size of the shown value for a positive coefficient, "-" and
// its size otherwise (0 gives "-0").
QString signedPart(double value, const QString& text) {
  double size = std::fabs(parseNumber(text).value_or(0));
  return (value > 0 ? QStringLiteral("+") : QStringLiteral("-")) + numberText(size);
}

}  // namespace

std::optional<std::vector<SplinePiece>> naturalSpline(const QStringList& xs,
                                                      const QStringList& ys) {
  const int n = static_cast<int>(xs.size()) - 1;  // intervals
  if (n < 1 || ys.size() != xs.size()) return std::nullopt;
  std::vector<float> x(n + 1);
  std::vector<double> xExact(n + 1), y(n + 1);
  for (int i = 0; i <= n; ++i) {
    std::optional<double> xi = parseNumber(xs[i]), yi = parseNumber(ys[i]);
    if (!xi || !yi) return std::nullopt;
    xExact[i] = *xi;
    x[i] = static_cast<float>(*xi);
    y[i] = *yi;
  }
  // The tridiagonal system for the inner second derivatives.
  std::vector<float> d(n + 1, 0), h(n + 1, 0);
  std::vector<double> r(n + 1, 0), z(n + 1, 0);
  for (int i = 1; i <= n - 1; ++i) {
    d[i] = 2 * (x[i + 1] - x[i - 1]);
    h[i] = x[i + 1] - x[i];
    if (h[i] == 0 || xExact[i] == xExact[i - 1]) return std::nullopt;
    r[i] = 6 * ((y[i + 1] - y[i]) / h[i] - (y[i] - y[i - 1]) / (xExact[i] - xExact[i - 1]));
  }
  for (int i = 2; i <= n - 1; ++i) {
    float m = h[i - 1];
    if (d[i - 1] == 0) return std::nullopt;
    float q = m / d[i - 1];
    d[i] = d[i] - q * m;
    r[i] = r[i] - q * r[i - 1];
  }
  // Natural ends: z(0) = z(n) = 0. Two points have no inner point and give a line.
  if (n >= 2) {
    if (d[n - 1] == 0) return std::nullopt;
    z[n - 1] = r[n - 1] / d[n - 1];
    for (int i = n - 2; i >= 1; --i) {
      if (d[i] == 0) return std::nullopt;
      z[i] = (r[i] - h[i] * z[i + 1]) / d[i];
    }
  }
  std::vector<SplinePiece> pieces;
  for (int i = 0; i < n; ++i) {
    float width = x[i + 1] - x[i], sum = x[i + 1] + x[i];
    if (width == 0) return std::nullopt;
    float sixWidth = 6 * width;
    double a = (z[i + 1] - z[i]) / sixWidth;
    double b = 0.5 * (z[i] - 6 * a * x[i]);
    float squares = x[i + 1] * sum + x[i] * x[i];
    double c = (y[i + 1] - y[i]) / width - a * squares - b * sum;
    double dd = y[i] - ((a * x[i] + b) * x[i] + c) * x[i];
    for (double v : {a, b, c, dd}) {
      if (!std::isfinite(v)) return std::nullopt;
    }
    SplinePiece piece{{a, b, c, dd}, {shown(a), shown(b), shown(c), shown(dd)}, QString()};
    piece.term = QStringLiteral("((") + piece.shown[0] + QStringLiteral("*x") +
                 signedPart(b, piece.shown[1]) + QStringLiteral(")*x") +
                 signedPart(c, piece.shown[2]) + QStringLiteral(")*x") +
                 signedPart(dd, piece.shown[3]);
    pieces.push_back(piece);
  }
  return pieces;
}

SplineCurve splineCurve(Engine& engine, const QStringList& pieceTerms,
                        const std::vector<QPointF>& points) {
  SplineCurve curve;
  const qsizetype pieces = std::min<qsizetype>(pieceTerms.size(), qsizetype(points.size()) - 1);
  for (qsizetype k = 0; k < pieces; ++k) {
    const EngineTerm term = EngineTerm::fromUser(pieceTerms[k]);
    CurveSampling sampling;
    sampling.from = static_cast<float>(points[k].x());
    sampling.to = static_cast<float>(points[k + 1].x());
    sampling.intervals = 101;
    sampling.maxSamples = 103;
    sampling.gapEndsCurve = true;
    const float step = (sampling.to - sampling.from) / sampling.intervals;
    std::optional<double> start = Funktionswert(engine, term, sampling.from).value;
    if (!start || step == 0) {
      curve.failure = kCoefficientErrorMessage;
      break;
    }
    // The first sample joins the start point itself: a segment of no length.
    SampledCurve piece =
        sampleCurve(engine, term, sampling, QPointF(sampling.from, static_cast<float>(*start)));
    curve.polylines.append(piece.polylines);
  }
  return curve;
}
