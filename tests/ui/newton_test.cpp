#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/interpolation_pages.h"
#include "ui/value_grid.h"
#include "ui/window_fixture.h"

namespace {

class NewtonTest : public WindowTest {
 protected:
  NewtonPage* page() { return window->findChild<NewtonPage*>(); }
  void typePoints(const std::vector<std::pair<const char*, const char*>>& points) {
    ValueGrid* grid = page()->grdNewton();
    for (size_t i = 0; i < points.size(); ++i) {
      for (int col : {1, 2}) {
        grid->setCurrent(static_cast<int>(i) + 1, col);
        for (QChar c : QString::fromLatin1(col == 1 ? points[i].first : points[i].second)) {
          grid->typeCharacter(c);
        }
      }
    }
  }
};

TEST_F(NewtonTest, ShowsThePolynomialItsCoefficientsAndDrawsIt) {
  page()->newNewton();
  typePoints({{"1", "2"}, {"2", "3"}, {"4", "1"}});
  find<QPushButton>(QStringLiteral("cmdNewton"))->click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(page()->txtNewton()->text(), QStringLiteral("2+1,0*(x-1,0)-0,667*(x-1,0)*(x-2,0)"));
  ValueGrid* grid = page()->grdNewton();
  EXPECT_EQ(grid->textAt(0, 3), QStringLiteral("Koeff."));
  EXPECT_EQ(grid->textAt(3, 3), QStringLiteral("-0,667"));
  EXPECT_TRUE(!find<QPushButton>(QStringLiteral("cmdPlotNewton"))->isHidden());

  find<QPushButton>(QStringLiteral("cmdPlotNewton"))->click();
  find<QPushButton>(QStringLiteral("cmdPlotNewton"))->click();
  EXPECT_EQ(window->cboFunktionsterm()->count(), 2);
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  // A red ring around the point (2; 3).
  QPointF at = window->sheet().frame().point(2, 3, window->sheet().view());
  int red = 0;
  for (int dx = -5; dx <= 5; ++dx) {
    for (int dy = -5; dy <= 5; ++dy) {
      red += window->sheet().canvas().pixel(qRound(at.x()) + dx, qRound(at.y()) + dy) == qRgb(255, 0, 0);
    }
  }
  EXPECT_GT(red, 6);
}

TEST_F(NewtonTest, ReportsTablesItCannotUse) {
  const QString failure = QStringLiteral("Fehler bei der Eingabe der Koeffizienten!");
  page()->newNewton();
  typePoints({{"1", "2"}, {"1", "3"}, {"4", "1"}});  // equal x values
  find<QPushButton>(QStringLiteral("cmdNewton"))->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, failure);
  // Five points set with the spinner, then a fresh table of three rows.
  page()->upd_n()->setValue(5);
  page()->newNewton();
  typePoints({{"1", "2"}, {"2", "3"}, {"4", "1"}});
  find<QPushButton>(QStringLiteral("cmdNewton"))->click();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_FALSE(!find<QPushButton>(QStringLiteral("cmdPlotNewton"))->isHidden());
}

}  // namespace
