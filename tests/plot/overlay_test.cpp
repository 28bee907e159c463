#include "plot/overlay.h"

#include "engine/engine.h"
#include "plot/sampling.h"

#include <gtest/gtest.h>

#include "canvas/canvas.h"
#include "gui_app.h"
#include "qstring_print.h"

namespace {

// A 600 x 400 canvas showing x from -3,5 to 7,25 and y from -2 to 6: the
// plot area runs from pixel 18 to 570 and from 4 to 388 (y upwards).
class OverlayTest : public ::testing::Test {
 protected:
  void SetUp() override { ensureApplication(); }

  // Canvas position of a world point, worked out without the pixel frame.
  static QPointF at(double x, double y) {
    return QPointF(18 + (x + 3.5) * 552 / 10.75, 4 + (y + 2) * 384 / 8);
  }
  // The recorded lines of the last operation, back in canvas coordinates.
  QList<QLineF> lastLines() const {
    QList<QLineF> lines = canvas.operations().back().lines;
    for (QLineF& line : lines) {
      line = QLineF(line.x1(), canvas.height() - line.y1(), line.x2(), canvas.height() - line.y2());
    }
    return lines;
  }
  bool draw(const Drawing& drawing) {
    return drawOverlay(canvas, drawing, view, frame, appearance);
  }

  Canvas canvas{600, 400};
  ViewWindow view{-3.5f, 7.25f, -2, 6, 0.5f, 1};
  PixelFrame frame = computePixelFrame(view, 600, 400);
  Appearance appearance;
};

TEST_F(OverlayTest, SegmentsAndRingsLandWhereTheWindowPutsTheirWorldPoints) {
  Drawing hatch;
  hatch.segments = {QLineF(1, 0, 1, 2.5), QLineF(-3.5, -2, 7.25, 6)};
  EXPECT_TRUE(draw(hatch));
  const QList<QLineF> lines = lastLines();
  ASSERT_EQ(lines.size(), 2);
  for (int i = 0; i < 2; ++i) {
    const QLineF& world = hatch.segments[i];
    EXPECT_NEAR(QLineF(lines[i].p1(), at(world.x1(), world.y1())).length(), 0, 1e-3) << i;
    EXPECT_NEAR(QLineF(lines[i].p2(), at(world.x2(), world.y2())).length(), 0, 1e-3) << i;
  }
  Drawing points;
  points.rings = {QPointF(2, 1)};
  points.ringRadius = 3;
  draw(points);
  const QRectF ring = canvas.operations().back().rect;
  EXPECT_NEAR(ring.center().x(), at(2, 1).x(), 1e-3);
  EXPECT_NEAR(canvas.height() - ring.center().y(), at(2, 1).y(), 1e-3);
  EXPECT_EQ(ring.width(), 6);
}

// A curve leaving for a pole: a point beyond the band is not joined to, but
// the next one inside is joined to it.
TEST_F(OverlayTest, PolylinePointsJoinOnlyWithinTheBand) {
  Drawing curve;
  curve.polylines = {QPolygonF({QPointF(0, 0), QPointF(1, 1), QPointF(2, 40), QPointF(3, 2)})};
  curve.band = 400;  // y = 40 lies 1920 - 384 pixels above the plot area
  draw(curve);
  const QList<QLineF> lines = lastLines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_NEAR(lines[0].x2(), at(1, 1).x(), 1e-3);
  // Clipped to the canvas, on the way from (2; 40) to (3; 2).
  const QLineF joined(at(2, 40), at(3, 2));
  EXPECT_NEAR(QLineF(lines[1].p2(), joined.p2()).length(), 0, 1e-3);
  EXPECT_NEAR(lines[1].angle(), joined.angle(), 1e-3);
  curve.band = 2000;
  draw(curve);
  EXPECT_EQ(lastLines().size(), 3);
}

// What a style sets, it sets for later drawings too, unless it keeps the pen;
// what it leaves unset is the pen of the drawing before.
TEST_F(OverlayTest, StylesSetThePenOrLeaveIt) {
  Drawing hatch;
  hatch.style.ink = Ink::palette(kSchraffur);
  hatch.style.mask = true;
  hatch.segments = {QLineF(0, 0, 0, 1)};
  draw(hatch);
  EXPECT_EQ(canvas.operations().back().color, appearance.palette[kSchraffur]);
  EXPECT_EQ(canvas.drawMode(), Canvas::DrawMode::MaskPen);

  Drawing next;  // nothing set: drawn with the hatching's pen
  next.segments = {QLineF(1, 0, 1, 1)};
  draw(next);
  EXPECT_EQ(canvas.operations().back().mode, Canvas::DrawMode::MaskPen);
  EXPECT_EQ(canvas.operations().back().color, appearance.palette[kSchraffur]);

  Drawing marked;
  marked.style = {Ink::entry(12), 3, true, false, true, true};
  marked.segments = {QLineF(2, 0, 2, 1)};
  draw(marked);
  const CanvasOperation& op = canvas.operations().back();
  EXPECT_EQ(std::tuple(op.color, op.width, op.style, op.mode, op.smooth),
            std::tuple(appearance.curveColor(2), 3, Canvas::LineStyle::Dotted,
                       Canvas::DrawMode::Copy, true));
  EXPECT_EQ(std::tuple(canvas.foreColor(), canvas.drawWidth(), canvas.drawMode(), canvas.smooth()),
            std::tuple(appearance.palette[kSchraffur], 1, Canvas::DrawMode::MaskPen, false));
}

TEST_F(OverlayTest, MarksOutsideTheWindowAreLeftOutAndNothingDrawnSaysSo) {
  Drawing marks;
  marks.marks = {{QPointF(8, 1), "A"}, {QPointF(1, -2.5), "B"}};
  EXPECT_FALSE(draw(marks));
  EXPECT_TRUE(canvas.operations().empty());
  marks.marks << Mark{QPointF(7.25, 6), "C"};
  EXPECT_TRUE(draw(marks));
  ASSERT_EQ(canvas.operations().size(), 2u);  // a disc and its caption
  EXPECT_EQ(canvas.operations().back().text, "C");
  EXPECT_TRUE(canvas.operations().front().filled);
}

// Dashes of 8 pixels with gaps of 5 run on across the joints of a polyline;
// a caption sits left above its point, else right below it, else not at all.
TEST_F(OverlayTest, DashesRunAlongTheStrokeAndCaptionsFindRoomOrStayAway) {
  Drawing locus;
  locus.style.dashed = true;
  locus.polylines = {QPolygonF({QPointF(-3, 0), QPointF(0, 0), QPointF(5, 0)})};
  ASSERT_TRUE(draw(locus));
  const QList<QLineF> dashes = lastLines();
  const double length = at(5, 0).x() - at(-3, 0).x();
  double drawn = 0;
  for (const QLineF& dash : dashes) {
    EXPECT_LE(dash.length(), 8 + 1e-9);
    drawn += dash.length();
  }
  EXPECT_NEAR(drawn, length * 8 / 13, 8);
  EXPECT_GE(dashes.size(), static_cast<qsizetype>(length / 13));
  int split = 0;  // a dash over the joint comes in two pieces
  for (qsizetype i = 1; i < dashes.size(); ++i) {
    const double gap = dashes[i].x1() - dashes[i - 1].x2();
    if (std::abs(gap) < 1e-6) {
      ++split;
      EXPECT_NEAR(dashes[i].length() + dashes[i - 1].length(), 8, 1e-6);
    } else {
      EXPECT_NEAR(gap, 5, 1e-6) << i;  // across the joint too
    }
  }
  EXPECT_LE(split, 1);

  // Towards a pole: only the part near the canvas is cut into dashes.
  locus.polylines = {QPolygonF({QPointF(1, 0), QPointF(1.001, 1e30)}),
                     QPolygonF({QPointF(2, 0), QPointF(2, INFINITY)})};
  locus.band = std::numeric_limits<float>::infinity();
  draw(locus);
  const QList<QLineF> near = lastLines();
  EXPECT_LE(near.size(), 2 * 400 / 13 + 4);
  for (const QLineF& dash : near) EXPECT_LE(std::abs(dash.y2()), 400 + 16);

  Drawing captions;
  captions.captions = {{QPointF(7.25, 2), "t = 1"}, {QPointF(3, 6), "t = 2"},
                       {QPointF(7.25, 2), "t = 3"}};
  ASSERT_TRUE(draw(captions));
  const std::vector<CanvasOperation>& texts = canvas.operations();
  ASSERT_GE(texts.size(), 3u);
  const CanvasOperation& right = texts[texts.size() - 3];
  const CanvasOperation& top = texts[texts.size() - 2];
  EXPECT_EQ(right.text, "t = 1");
  EXPECT_LT(right.at.x(), at(7.25, 2).x());  // left of the right border
  EXPECT_EQ(top.text, "t = 2");
  EXPECT_GT(top.at.x(), at(3, 6).x());  // right below the top border
  EXPECT_EQ(texts.back().text, "t = 3");  // the second place at the same point
  Canvas tiny(20, 10);
  EXPECT_FALSE(drawOverlay(tiny, captions, view, computePixelFrame(view, 20, 10), appearance));
}

// Samples without value split a curve; a piece of two samples is kept; the
// start point joins the first sample; a refused term stops at once.
TEST(Sampling, GapsSplitTheCurveIntoPolylinesOfWorldPoints) {
  Engine engine;
  CurveSampling sampling{.from = -1, .to = 1, .intervals = 4, .maxSamples = 5};
  SampledCurve curve = sampleCurve(engine, EngineTerm::asIs("sqrt(x-0.4)"), sampling);
  ASSERT_EQ(curve.polylines.size(), 1);
  EXPECT_EQ(curve.polylines[0],
            QPolygonF({QPointF(0.5, std::sqrt(0.1f)), QPointF(1, std::sqrt(0.6f))}));
  curve = sampleCurve(engine, EngineTerm::asIs("1/x"), sampling, QPointF(-2, 0));
  ASSERT_EQ(curve.polylines.size(), 2);
  EXPECT_EQ(curve.polylines[0], QPolygonF({QPointF(-2, 0), QPointF(-1, -1), QPointF(-0.5, -2)}));
  EXPECT_EQ(curve.polylines[1], QPolygonF({QPointF(0.5, 2), QPointF(1, 1)}));
  sampling.gapEndsCurve = true;
  EXPECT_EQ(sampleCurve(engine, EngineTerm::asIs("1/x"), sampling).polylines.size(), 1);
  EXPECT_TRUE(sampleCurve(engine, EngineTerm::asIs("2y"), sampling).termFaulty);
}

}  // namespace
