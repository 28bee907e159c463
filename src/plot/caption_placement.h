#pragma once
// Captions beside marked points: each caption takes one of four places
// around its point, or where two points crowd each other the same four one
// caption farther out, so that no two captions overlap and none leaves the
// drawing where that can be helped.

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The places in the order they are tried, first in the row next to the
// point, then in the row beyond it.
enum class CaptionPlace { RightAbove, RightBelow, LeftAbove, LeftBelow };

// The caption of `size` at `place` beside `point`, `gap` pixels away from
// it, `row` captions' heights farther up or down; coordinates grow to the
// right and downwards.
QRectF captionRect(QPointF point, QSizeF size, CaptionPlace place, double gap, int row = 0);

// One rectangle for each point, its caption's place. When every caption can
// lie inside `bounds` without touching another, they do; otherwise each
// takes the place that overlaps least.
QList<QRectF> placeCaptions(const QList<QPointF>& points, const QList<QSizeF>& sizes,
                            const QRectF& bounds, double gap);
