#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/interpolation_pages.h"
#include "ui/value_grid.h"
#include "ui/window_fixture.h"

namespace {

class SplineTest : public WindowTest {
 protected:
  SplinePage* page() { return window->findChild<SplinePage*>(); }
  void typePoints(const std::vector<std::pair<const char*, const char*>>& points) {
    page()->updSpline()->setValue(static_cast<int>(points.size()));
    ValueGrid* grid = page()->grdSpline();
    for (size_t i = 0; i < points.size(); ++i) {
      for (int col : {1, 2}) {
        grid->setCurrent(static_cast<int>(i) + 1, col);
        for (QChar c : QString::fromLatin1(col == 1 ? points[i].first : points[i].second)) {
          grid->typeCharacter(c);
        }
      }
    }
  }
  int blackNear(float x, float y) {
    QPointF at = window->sheet().frame().point(x, y, window->sheet().view());
    int n = 0;
    for (int dx = -2; dx <= 2; ++dx) {
      for (int dy = -2; dy <= 2; ++dy) {
        n += window->sheet().canvas().pixel(qRound(at.x()) + dx, qRound(at.y()) + dy) == qRgb(0, 0, 0);
      }
    }
    return n;
  }
};

TEST_F(SplineTest, ComputesTheTableReplacesTheListAndDrawsPiecesOnTheirIntervals) {
  enterTerm(QStringLiteral("x^2"));
  page()->newSpline();
  typePoints({{"0", "0"}, {"1", "1"}, {"2", "0"}});
  find<QPushButton>(QStringLiteral("cmdSplineKoeff"))->click();
  ASSERT_TRUE(dialogs.messages.empty());
  ValueGrid* table = page()->grd_z();
  EXPECT_FALSE(table->isHidden());
  EXPECT_EQ(table->textAt(0, 1), QStringLiteral("x^3"));
  EXPECT_EQ(table->textAt(1, 0), QStringLiteral("S0:"));
  EXPECT_EQ(table->textAt(2, 2), QStringLiteral("-3,0"));
  QComboBox* list = window->cboFunktionsterm();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0), QStringLiteral("((-0,5*x-0)*x+1,5)*x-0"));
  EXPECT_EQ(list->currentText(), QStringLiteral("((0,5*x-3)*x+4,5)*x-1"));

  window->sheet().redraw();  // the pieces as whole polynomials, in palette colours
  find<QPushButton>(QStringLiteral("cmdPlotSpline"))->click();
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_GT(blackNear(0.5f, 0.6875f), 0);  // on the first piece
  EXPECT_GT(blackNear(1.5f, 0.6875f), 0);  // on the second
  EXPECT_EQ(blackNear(-1.0f, -1.0f), 0);   // no black beyond the points
}

TEST_F(SplineTest, UsesTheCountTypedAndTwoPointsGiveALine) {
  page()->newSpline();
  typePoints({{"0", "0"}, {"1", "1"}, {"2", "0"}, {"3", "5"}});
  page()->txtSpline()->setText(QStringLiteral("3"));
  page()->grdSpline()->setCurrent(1, 1);
  find<QPushButton>(QStringLiteral("cmdSplineKoeff"))->click();
  EXPECT_EQ(window->cboFunktionsterm()->count(), 2);  // through the first three only

  page()->newSpline();
  typePoints({{"1", "1"}, {"3", "5"}});
  find<QPushButton>(QStringLiteral("cmdSplineKoeff"))->click();
  ASSERT_EQ(window->cboFunktionsterm()->count(), 1);
  EXPECT_EQ(window->cboFunktionsterm()->itemText(0), QStringLiteral("((0,0*x-0)*x+2)*x-1"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SplineTest, ReportsAnIncompleteTableAndMissingPieces) {
  page()->newSpline();  // the current cell is the empty heading row's neighbour
  page()->grdSpline()->setCurrent(1, 1);
  find<QPushButton>(QStringLiteral("cmdSplineKoeff"))->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Wertetabelle nicht vollständig!"));

  typePoints({{"0", "0"}, {"1", "1"}, {"1", "0"}});  // equal x values
  find<QPushButton>(QStringLiteral("cmdSplineKoeff"))->click();
  EXPECT_EQ(dialogs.messages.back().text,
            QStringLiteral("Fehler bei der Eingabe der Koeffizienten!"));

  page()->newSpline();
  typePoints({{"0", "0"}, {"1", "1"}, {"2", "0"}});
  find<QPushButton>(QStringLiteral("cmdSplineKoeff"))->click();
  window->sheet().neu();  // the pieces leave the list
  size_t before = dialogs.messages.size();
  find<QPushButton>(QStringLiteral("cmdPlotSpline"))->click();
  EXPECT_EQ(dialogs.messages.size(), before + 1);
}

}  // namespace
