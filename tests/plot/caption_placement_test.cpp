#include "plot/caption_placement.h"

#include <gtest/gtest.h>

namespace {

const QRectF kBounds(0, 0, 200, 100);
const QSizeF kCaption(40, 10);

TEST(CaptionPlacement, TriesRightAboveFirstAndTurnsAwayFromTheEdges) {
  const QList<QPointF> points = {{50, 50}, {190, 50}, {50, 5}, {190, 95}};
  const QList<QRectF> placed =
      placeCaptions(points, QList<QSizeF>(points.size(), kCaption), kBounds, 3);
  ASSERT_EQ(placed.size(), 4);
  EXPECT_EQ(placed[0], captionRect(points[0], kCaption, CaptionPlace::RightAbove, 3));
  EXPECT_EQ(placed[0], QRectF(53, 37, 40, 10));
  EXPECT_EQ(placed[1], captionRect(points[1], kCaption, CaptionPlace::LeftAbove, 3));
  EXPECT_EQ(placed[2], captionRect(points[2], kCaption, CaptionPlace::RightBelow, 3));
  EXPECT_EQ(placed[3], captionRect(points[3], kCaption, CaptionPlace::LeftAbove, 3));
}

TEST(CaptionPlacement, CoincidingPointsShareTheirPlacesAndTheRowBeyond) {
  const QList<QPointF> points(6, QPointF(100, 50));
  const QList<QRectF> placed = placeCaptions(points, QList<QSizeF>(6, kCaption), kBounds, 3);
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(kBounds.contains(placed[i]));
    for (int j = i + 1; j < 6; ++j) EXPECT_FALSE(placed[i].intersects(placed[j])) << i << j;
  }
  EXPECT_EQ(placed[3], captionRect(points[3], kCaption, CaptionPlace::LeftBelow, 3));
  EXPECT_EQ(placed[4], QRectF(103, 27, 40, 10));  // right above, one row farther up
}

TEST(CaptionPlacement, AHopelessCrowdStillGetsEveryCaptionWithTheLeastOverlap) {
  // Nine captions at one point have eight places: one must overlap, and the
  // search gives way to placing each where it costs least.
  const QList<QPointF> points(9, QPointF(100, 50));
  const QList<QRectF> placed = placeCaptions(points, QList<QSizeF>(9, kCaption), kBounds, 3);
  ASSERT_EQ(placed.size(), 9);
  for (int i = 0; i < 8; ++i) {
    for (int j = i + 1; j < 8; ++j) EXPECT_FALSE(placed[i].intersects(placed[j]));
  }
  for (const QRectF& rect : placed) EXPECT_TRUE(kBounds.contains(rect));
  // A point by the right edge with no room on the left either still keeps
  // its caption as much inside as it can.
  const QRectF narrow(0, 0, 30, 100);
  const QList<QRectF> squeezed = placeCaptions({QPointF(15, 50)}, {kCaption}, narrow, 3);
  EXPECT_EQ(squeezed[0], captionRect({15, 50}, kCaption, CaptionPlace::RightAbove, 3));
}

}  // namespace
