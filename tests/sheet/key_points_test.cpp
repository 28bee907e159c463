#include <algorithm>
#include <optional>

#include "calculus/curve_discussion.h"
#include "calculus/derivatives.h"
#include "sheet/sheet_fixture.h"

namespace {

// The points of a curve discussion marked on a 700 × 650 sheet in the
// default window, read back from the canvas' recorded operations.
class KeyPointsTest : public SheetFixture {
 protected:
  KeyPointsTest() : SheetFixture(QSize(700, 650)) {}

  QList<KeyPoint> discuss(const QString& f) {
    const EngineTerm term = EngineTerm::fromUser(f);
    Derivatives d = formDerivatives(engine, term);
    return Kurvendiskussion(engine, {term, d.first, d.second}, sheet.view().xmin, sheet.view().xmax)
        .points;
  }

  // The points of f, marked as those of its list entry (-1 when not listed).
  void mark(const QString& f, const std::optional<QList<KeyPoint>>& points = std::nullopt) {
    before = sheet.canvas().operations().size();
    sheet.markKeyPoints(static_cast<int>(sheet.terms().indexOf(f)), points ? *points : discuss(f));
  }

  std::vector<CanvasOperation> marked(CanvasOperation::Kind kind) const {
    std::vector<CanvasOperation> result;
    const auto& all = sheet.canvas().operations();
    std::copy_if(all.begin() + before, all.end(), std::back_inserter(result),
                 [kind](const CanvasOperation& operation) { return operation.kind == kind; });
    return result;
  }

  QStringList captions() const {
    QStringList texts;
    for (const CanvasOperation& text : marked(CanvasOperation::Kind::Text)) texts << text.text;
    return texts;
  }

  size_t before = 0;
};

TEST_F(KeyPointsTest, ACubicGetsRingsInItsCurvesColourAndCaptionsWithTheListsNumbersInOneStep) {
  const QString f = QStringLiteral("x^3-6x^2+9x+1");
  sheet.setEntryText(QStringLiteral("x^2"));
  sheet.enterTerm();
  sheet.setEntryText(f);
  sheet.enterTerm();  // the second entry: drawn in the second colour
  QCoreApplication::processEvents();
  const size_t drawn = sheet.canvas().operations().size();
  mark(f);
  EXPECT_EQ(captions(), QStringList({"N(-0,104|0)", "HP(1,0|5,0)", "TP(3,0|1,0)", "WP(2,0|3,0)"}));
  const auto rings = marked(CanvasOperation::Kind::Circle);
  ASSERT_EQ(rings.size(), 4u);
  const QPointF hp = sheet.frame().point(1, 5, sheet.view());
  EXPECT_EQ(rings[1].rect.center(), QPointF(hp.x(), sheet.canvas().pixelRow(hp.y())));
  for (const CanvasOperation& ring : rings) {
    EXPECT_TRUE(ring.filled);
    EXPECT_EQ(ring.rect.width() + ring.width, 7);  // 7 pixels across with the outline
    EXPECT_EQ(ring.color, sheet.appearance().curveColor(1));
  }
  for (const CanvasOperation& text : marked(CanvasOperation::Kind::Text))
    EXPECT_EQ(text.color, sheet.appearance().curveColor(1));
  QCoreApplication::processEvents();
  sheet.undo();  // one step
  EXPECT_EQ(sheet.canvas().operations().size(), drawn);

  // A term that is not listed is marked in the colour of the axes, and the
  // pen is left as it was.
  const QColor pen = sheet.canvas().foreColor();
  mark(QStringLiteral("x^2-1"));
  ASSERT_FALSE(marked(CanvasOperation::Kind::Circle).empty());
  EXPECT_EQ(marked(CanvasOperation::Kind::Circle)[0].color, sheet.appearance().palette[kAchsen]);
  EXPECT_EQ(sheet.canvas().foreColor(), pen);
}

TEST_F(KeyPointsTest, TouchingZerosAndPointsAboveTheWindow) {
  mark(QStringLiteral("(x-1)^2"));
  EXPECT_EQ(captions(), QStringList({"BP(1,0|0)", "TP(1,0|0,0)"}));

  // HP(1|5) lies above a window that ends at y = 4: only N, TP and WP are drawn.
  ViewTexts low = sheet.viewTexts();
  low[3] = QStringLiteral("4");
  sheet.applyView(low);
  mark(QStringLiteral("x^3-6x^2+9x+1"));
  EXPECT_EQ(captions(), QStringList({"N(-0,104|0)", "TP(3,0|1,0)", "WP(2,0|3,0)"}));
  // The points of a discussion in a wider window: N(-0,104|0) lies left of x = 0.
  const QList<KeyPoint> earlier = discuss(QStringLiteral("x^3-6x^2+9x+1"));
  low[0] = QStringLiteral("0");
  sheet.applyView(low);
  mark(QStringLiteral("x^3-6x^2+9x+1"), earlier);
  EXPECT_EQ(captions(), QStringList({"TP(3,0|1,0)", "WP(2,0|3,0)"}));

  // A redraw keeps none of them.
  sheet.redraw();
  before = 0;
  EXPECT_TRUE(marked(CanvasOperation::Kind::Circle).empty());
}

}  // namespace
