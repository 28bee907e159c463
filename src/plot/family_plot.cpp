#include "plot/family_plot.h"

#include <algorithm>
#include <cmath>

#include "engine/requests.h"
#include "engine/school_notation.h"
#include "plot/sampling.h"

namespace {

QColor mixed(const QColor& a, const QColor& b, double share) {
  auto channel = [&](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * share)); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

// The rightmost point drawn of a curve, where its caption goes.
std::optional<QPointF> rightEnd(const QList<QPolygonF>& polylines, const ViewWindow& view) {
  std::optional<QPointF> end;
  const double ylo = std::min(view.ymin, view.ymax), yhi = std::max(view.ymin, view.ymax);
  for (const QPolygonF& line : polylines) {
    for (const QPointF& p : line) {
      if (p.y() < ylo || p.y() > yhi) continue;
      if (!end || p.x() > end->x()) end = p;
    }
  }
  return end;
}

}  // namespace

QColor memberShade(const QColor& colour, int index, int count) {
  const QColor light = mixed(colour, Qt::white, 0.7);
  const QColor dark = mixed(colour, Qt::black, 0.35);
  return mixed(light, dark, count > 1 ? static_cast<double>(index) / (count - 1) : 1.0);
}

QList<Drawing> familyDrawings(Engine& engine, const QString& fktTerm, const Parameter& parameter,
                              const QColor& colour, const ViewWindow& view,
                              const PixelFrame& frame, const Appearance& appearance) {
  const QList<double> values = parameter.members();
  const EngineTerm term = EngineTerm::fromUser(fktTerm);
  CurveSampling sampling;
  sampling.from = view.xmin;
  sampling.to = view.xmax;
  QList<Drawing> drawings;
  QList<std::optional<QPointF>> ends;
  for (int i = 0; i < values.size(); ++i) {
    SampledCurve curve =
        sampleCurve(engine, withParameter(term, parameter.letter, values[i]), sampling);
    if (curve.termFaulty) break;
    Drawing drawing;
    drawing.style.ink = Ink::fixed(memberShade(colour, i, static_cast<int>(values.size())));
    drawing.style.width = appearance.lineWidth;
    drawing.style.smooth = true;
    drawing.style.keepsPen = true;
    drawing.band = 400;
    ends << rightEnd(curve.polylines, view);
    drawing.polylines = std::move(curve.polylines);
    drawings << drawing;
  }
  // Captions where they do not crowd each other: the last and the first
  // member first, then every other from the middle outwards.
  QList<int> order;
  const int n = static_cast<int>(drawings.size());
  if (n > 0) order << n - 1;
  if (n > 1) order << 0;
  for (int step = n / 2; step >= 1; step /= 2) {
    for (int i = step; i < n - 1; i += step) {
      if (!order.contains(i)) order << i;
    }
  }
  QList<QPointF> captioned;  // in pixels
  for (int i : order) {
    if (!ends[i]) continue;
    const QPointF at =
        frame.point(static_cast<float>(ends[i]->x()), static_cast<float>(ends[i]->y()), view);
    const bool crowded = std::any_of(captioned.begin(), captioned.end(), [&](QPointF q) {
      return std::abs(q.y() - at.y()) < 16 && std::abs(q.x() - at.x()) < 56;
    });
    if (crowded) continue;
    captioned << at;
    // Darker than the light members' lines, so that every caption reads.
    Drawing caption;
    caption.style.ink = Ink::fixed(mixed(memberShade(colour, i, n), Qt::black, 0.3));
    caption.style.keepsPen = true;
    caption.captions << Mark{*ends[i], QString(parameter.letter) + QStringLiteral(" = ") +
                                           schoolNumber(values[i])};
    drawings << caption;
  }
  return drawings;
}
