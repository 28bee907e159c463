#include "plot/caption_placement.h"

#include <gtest/gtest.h>

namespace {

const QRectF kBounds(0, 0, 200, 100);
const QSizeF kCaption(40, 10);

QList<QRectF> place(const QList<QPointF>& points, const QRectF& bounds = kBounds) {
  return placeCaptions(points, QList<QSizeF>(points.size(), kCaption), bounds, 3);
}

TEST(CaptionPlacement, TriesRightAboveFirstAndTurnsAwayFromTheEdges) {
  const QList<QPointF> points = {{50, 50}, {190, 50}, {50, 5}, {190, 95}};
  const QList<QRectF> placed = place(points);
  ASSERT_EQ(placed.size(), 4);
  EXPECT_EQ(placed[0], QRectF(53, 37, 40, 10));
  const CaptionPlace expected[] = {CaptionPlace::RightAbove, CaptionPlace::LeftAbove,
                                   CaptionPlace::RightBelow, CaptionPlace::LeftAbove};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(placed[i], captionRect(points[i], kCaption, expected[i], 3));
}

// Eight captions at one point take the four places and the row beyond; a
// ninth must overlap, and the search gives way to placing each where it
// costs least, still inside.
TEST(CaptionPlacement, ACrowdUsesTheRowBeyondThenTheLeastOverlap) {
  for (int crowd : {6, 9}) {
    const QList<QRectF> placed = place(QList<QPointF>(crowd, QPointF(100, 50)));
    ASSERT_EQ(placed.size(), crowd);
    for (int i = 0; i < std::min(crowd, 8); ++i) {
      EXPECT_TRUE(kBounds.contains(placed[i]));
      for (int j = i + 1; j < std::min(crowd, 8); ++j)
        EXPECT_FALSE(placed[i].intersects(placed[j])) << crowd << i << j;
    }
    EXPECT_TRUE(kBounds.contains(placed.last()));
    if (crowd == 6) EXPECT_EQ(placed[4], QRectF(103, 27, 40, 10));  // right above, one row up
  }
  // With no room on either side a caption keeps as much inside as it can.
  EXPECT_EQ(place({QPointF(15, 50)}, QRectF(0, 0, 30, 100))[0],
            captionRect({15, 50}, kCaption, CaptionPlace::RightAbove, 3));
}

}  // namespace
