#include <QLabel>
#include <QPushButton>

#include "engine/recording_engine.h"
#include "ui/window_fixture.h"

namespace {

class IntegralTest : public WindowTest {
 protected:
  void openTab() {
    QTabBar* bar = window->tabParameter()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
  }
  QLineEdit* edit(const char* name) { return find<QLineEdit>(QString::fromLatin1(name)); }
  QPushButton* button(const char* name) { return find<QPushButton>(QString::fromLatin1(name)); }
  // Pixels of the hatch colour in a 7 x 7 square around a world point.
  int hatched(float x, float y) {
    const PixelFrame& f = window->frame();
    int cx = qRound(f.pixelX(x, window->view())), cy = qRound(f.pixelY(y, window->view()));
    int n = 0;
    for (int px = cx - 3; px <= cx + 3; ++px) {
      for (int py = cy - 3; py <= cy + 3; ++py) n += window->canvas().pixel(px, py) == qRgb(192, 255, 255);
    }
    return n;
  }
  // Types into a limit field as a user does: click (empties it), then keys.
  void typeLimit(const char* name, const char* text) {
    QTest::mouseClick(edit(name), Qt::LeftButton);
    QTest::keyClicks(edit(name), QString::fromLatin1(text));
  }
};

TEST_F(IntegralTest, TabPreparesTheCalculatorsByTheNumberOfCurves) {
  openTab();
  EXPECT_EQ(window->tabParameter()->tabText(4), QStringLiteral("Integral"));
  EXPECT_EQ(edit("txtIntegral2")->text(), QStringLiteral("zuerst 2 Kurven zeichnen"));
  EXPECT_FALSE(button("cmdIntegral2")->isEnabled());
  enterTerm(QStringLiteral("x^2"));
  enterTerm(QStringLiteral("0,5x+2"));
  openTab();
  EXPECT_EQ(edit("txtIntegral2")->text(), QStringLiteral("[f(x)-g(x)]dx"));
  EXPECT_TRUE(button("cmdIntegral2")->isEnabled());
  EXPECT_EQ(edit("txtInt")->text(), QStringLiteral("0.5x+2"));
  EXPECT_EQ(edit("txt_oben")->text(), QStringLiteral("b"));
  enterTerm(QStringLiteral("x"));
  openTab();
  EXPECT_EQ(edit("txtIntegral2")->text(), QStringLiteral("mehr als 2 Kurven gezeichnet"));
}

TEST_F(IntegralTest, AntiderivativeOfTheFieldOrOfTheFunction) {
  window->cboFunktionsterm()->setEditText(QStringLiteral("x^2"));
  openTab();
  button("cmdInt")->click();
  EXPECT_EQ(edit("txtIntSymb")->text(), QStringLiteral("x^3/3 + C"));
  edit("txtInt")->clear();
  window->cboFunktionsterm()->setEditText(QStringLiteral("2x"));
  button("cmdInt")->click();
  EXPECT_EQ(edit("txtIntSymb")->text(), QStringLiteral("x^2 + C"));
  window->cboFunktionsterm()->setEditText(QString());
  button("cmdInt")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
}

TEST_F(IntegralTest, AreaToTheAxisIsComputedAndHatched) {
  window->cboFunktionsterm()->setEditText(QStringLiteral("x^2"));
  openTab();
  typeLimit("txt_oben", "2");
  EXPECT_FALSE(button("cmdIntegral1")->isEnabled());
  typeLimit("txt_unten", "0");
  ASSERT_TRUE(button("cmdIntegral1")->isEnabled());
  button("cmdIntegral1")->click();
  EXPECT_EQ(edit("txtIntegrand")->text(), QStringLiteral("(x^2) dx = 2.66666666666667 FE"));
  EXPECT_FALSE(button("cmdIntegral1")->isEnabled());
  // The hatch colour ANDed onto white is the hatch colour itself, under the curve.
  EXPECT_GT(hatched(1.5f, 0.5f), 10);
  EXPECT_EQ(hatched(-1.5f, 0.5f), 0);
  EXPECT_EQ(hatched(1.0f, 3.0f), 0);  // above the curve
}

TEST_F(IntegralTest, LimitThatIsNoNumberIsReported) {
  window->cboFunktionsterm()->setEditText(QStringLiteral("x^2"));
  openTab();
  typeLimit("txt_oben", "zwei");
  typeLimit("txt_unten", "0");
  button("cmdIntegral1")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Die obere Grenze ist keine Zahl!"));
}

TEST_F(IntegralTest, TwoCurvesGiveTheirAreaOrSayHowManyCrossings) {
  struct Case {
    const char* first;
    const char* second;
    const char* shown;
  };
  const Case cases[] = {
      {"x^2", "x+2", "((x+2)-(x^2)) dx = 4,500 FE"},
      {"x^2+1", "0", "keine Schnittpunkte vorhanden"},
      {"x", "1", "nur ein Schnittpunkt"},
      {"x^3", "4x", "mehr als 2 Schnittpunkte vorhanden"},
  };
  for (const Case& c : cases) {
    window->neu();
    enterTerm(QString::fromLatin1(c.first));
    enterTerm(QString::fromLatin1(c.second));
    openTab();
    button("cmdIntegral2")->click();
    EXPECT_EQ(edit("txtIntegral2")->text(), QString::fromLatin1(c.shown)) << c.first;
  }
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblInt2Kurven"))->palette().color(QPalette::WindowText),
            QColor(255, 0, 0));
  EXPECT_TRUE(button("cmdIntegral2")->isEnabled());  // stays usable after a failed scan
}

TEST_F(IntegralTest, TwoCurveAreaShowsRoundedLimitsAndHatches) {
  enterTerm(QStringLiteral("x^2"));
  enterTerm(QStringLiteral("x+2"));
  openTab();
  button("cmdIntegral2")->click();
  EXPECT_EQ(edit("txtUntergrenze")->text(), QStringLiteral("-1,000"));
  EXPECT_EQ(edit("txtObergrenze")->text(), QStringLiteral("2,000"));
  EXPECT_FALSE(button("cmdIntegral2")->isEnabled());
  EXPECT_GT(hatched(0.5f, 1.5f), 10);
  EXPECT_EQ(hatched(3.0f, 1.5f), 0);
}

}  // namespace
