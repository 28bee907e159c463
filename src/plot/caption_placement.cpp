#include "plot/caption_placement.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

namespace {

struct Place {
  CaptionPlace where;
  int row;
};

constexpr std::array<Place, 8> kPlaces = {{{CaptionPlace::RightAbove, 0},
                                           {CaptionPlace::RightBelow, 0},
                                           {CaptionPlace::LeftAbove, 0},
                                           {CaptionPlace::LeftBelow, 0},
                                           {CaptionPlace::RightAbove, 1},
                                           {CaptionPlace::RightBelow, 1},
                                           {CaptionPlace::LeftAbove, 1},
                                           {CaptionPlace::LeftBelow, 1}}};

// The search's work in rectangle comparisons: some milliseconds, enough for
// any screenful of points short of a hopeless crowd. A search that runs out
// falls back to the least overlap.
constexpr qsizetype kSearchLimit = 2'000'000;

double area(const QRectF& rect) {
  return rect.isValid() ? rect.width() * rect.height() : 0;
}

// What a place costs: the caption's area outside the bounds (counted
// heavily) and its overlap with the captions placed before.
double cost(const QRectF& rect, const QList<QRectF>& placed, const QRectF& bounds) {
  double result = 4 * (area(rect) - area(rect & bounds));
  for (const QRectF& other : placed) result += area(rect & other);
  return result;
}

bool fits(const QRectF& rect, const QList<QRectF>& placed, const QRectF& bounds) {
  if (!bounds.contains(rect)) return false;
  for (const QRectF& other : placed) {
    if (rect.intersects(other)) return false;
  }
  return true;
}

class Search {
 public:
  Search(const QList<QPointF>& points, const QList<QSizeF>& sizes, const QRectF& bounds, double gap)
      : points_(points), sizes_(sizes), bounds_(bounds), gap_(gap), order_(points.size()) {
    // Captions that can collide lie close together: taken from left to
    // right, a dead end is found and undone near where it was made.
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [&](qsizetype a, qsizetype b) {
      return points[a].x() != points[b].x() ? points[a].x() < points[b].x()
                                            : points[a].y() < points[b].y();
    });
  }

  // The captions' rectangles in the points' order, or nothing when the
  // search finds no place free of overlaps.
  std::optional<QList<QRectF>> run() {
    QList<QRectF> result(points_.size());
    if (!place(0)) return std::nullopt;
    for (qsizetype k = 0; k < order_.size(); ++k) result[order_[k]] = placed_[k];
    return result;
  }

 private:
  // Depth first through the places of each caption in turn.
  bool place(qsizetype k) {
    if (k == order_.size()) return true;
    const qsizetype index = order_[k];
    for (const Place& option : kPlaces) {
      work_ += placed_.size() + 1;
      if (work_ > kSearchLimit) return false;
      QRectF rect = captionRect(points_[index], sizes_[index], option.where, gap_, option.row);
      if (!fits(rect, placed_, bounds_)) continue;
      placed_ << rect;
      if (place(k + 1)) return true;
      placed_.removeLast();
    }
    return false;
  }

  QList<QRectF> placed_;
  const QList<QPointF>& points_;
  const QList<QSizeF>& sizes_;
  QRectF bounds_;
  double gap_;
  QList<qsizetype> order_;
  qsizetype work_ = 0;
};

}  // namespace

QRectF captionRect(QPointF point, QSizeF size, CaptionPlace place, double gap, int row) {
  const bool right = place == CaptionPlace::RightAbove || place == CaptionPlace::RightBelow;
  const bool above = place == CaptionPlace::RightAbove || place == CaptionPlace::LeftAbove;
  const double left = right ? point.x() + gap : point.x() - gap - size.width();
  const double top =
      above ? point.y() - gap - (row + 1) * size.height() : point.y() + gap + row * size.height();
  return QRectF(QPointF(left, top), size);
}

QList<QRectF> placeCaptions(const QList<QPointF>& points, const QList<QSizeF>& sizes,
                            const QRectF& bounds, double gap) {
  Search search(points, sizes, bounds, gap);
  if (auto placed = search.run()) return *placed;
  // Crowded: one after the other, each where it costs least.
  QList<QRectF> placed;
  for (qsizetype i = 0; i < points.size(); ++i) {
    QRectF best;
    double bestCost = 0;
    for (const Place& option : kPlaces) {
      QRectF rect = captionRect(points[i], sizes[i], option.where, gap, option.row);
      double c = cost(rect, placed, bounds);
      if (best.isNull() || c < bestCost) {
        best = rect;
        bestCost = c;
      }
    }
    placed << best;
  }
  return placed;
}
