#include <QLabel>
#include <QPushButton>

#include "ui/window_fixture.h"

namespace {

class IntegralTest : public WindowTest {
 protected:
  void openTab(const char* term = nullptr) {
    if (term) window->cboFunktionsterm()->setEditText(QString::fromLatin1(term));
    QTabBar* bar = window->tabParameter()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
  }
  QString text(const char* name) { return find<QLineEdit>(QString::fromLatin1(name))->text(); }
  QPushButton* button(const char* name) { return find<QPushButton>(QString::fromLatin1(name)); }
  // Pixels of the hatch colour in a 7 x 7 square around a world point.
  int hatched(float x, float y) {
    const PixelFrame& f = window->sheet().frame();
    int cx = qRound(f.pixelX(x, window->sheet().view())), cy = qRound(f.pixelY(y, window->sheet().view())), n = 0;
    for (int px = cx - 3; px <= cx + 3; ++px) {
      for (int py = cy - 3; py <= cy + 3; ++py) {
        n += window->sheet().canvas().pixel(px, py) == qRgb(192, 255, 255);
      }
    }
    return n;
  }
  // Types into a limit field as a user does: click (empties it), then keys.
  void typeLimit(const char* name, const char* typed) {
    QLineEdit* edit = find<QLineEdit>(QString::fromLatin1(name));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QString::fromLatin1(typed));
  }
};

TEST_F(IntegralTest, TabPreparesTheCalculatorsByTheNumberOfCurves) {
  openTab();
  EXPECT_EQ(window->tabParameter()->tabText(4), QStringLiteral("Integral"));
  EXPECT_EQ(text("txtIntegral2"), QStringLiteral("zuerst 2 Kurven zeichnen"));
  EXPECT_FALSE(button("cmdIntegral2")->isEnabled());
  enterTerm(QStringLiteral("x^2"));
  enterTerm(QStringLiteral("0,5x+2"));
  openTab();
  EXPECT_EQ(text("txtIntegral2"), QStringLiteral("[f(x)-g(x)]dx"));
  EXPECT_TRUE(button("cmdIntegral2")->isEnabled());
  EXPECT_EQ(text("txtInt"), QStringLiteral("0.5x+2"));
  EXPECT_EQ(text("txt_oben"), QStringLiteral("b"));
  enterTerm(QStringLiteral("x"));
  openTab();
  EXPECT_EQ(text("txtIntegral2"), QStringLiteral("mehr als 2 Kurven gezeichnet"));
}

TEST_F(IntegralTest, AntiderivativeOfTheFieldOrOfTheFunction) {
  openTab("x^2");
  button("cmdInt")->click();
  EXPECT_EQ(text("txtIntSymb"), QStringLiteral("x^3/3 + C"));
  find<QLineEdit>(QStringLiteral("txtInt"))->clear();
  window->cboFunktionsterm()->setEditText(QStringLiteral("2x"));
  button("cmdInt")->click();
  EXPECT_EQ(text("txtIntSymb"), QStringLiteral("x^2 + C"));
  window->cboFunktionsterm()->setEditText(QString());
  button("cmdInt")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
}

TEST_F(IntegralTest, AreaToTheAxisIsComputedAndHatched) {
  openTab("x^2");
  typeLimit("txt_oben", "zwei");
  EXPECT_FALSE(button("cmdIntegral1")->isEnabled());
  typeLimit("txt_unten", "0");
  button("cmdIntegral1")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Die obere Grenze ist keine Zahl!"));
  typeLimit("txt_oben", "2");
  ASSERT_TRUE(button("cmdIntegral1")->isEnabled());
  button("cmdIntegral1")->click();
  EXPECT_EQ(text("txtIntegrand"), QStringLiteral("(x^2) dx = 2.66666666666667 FE"));
  EXPECT_FALSE(button("cmdIntegral1")->isEnabled());
  // The hatch colour ANDed onto white is the hatch colour itself, under the curve.
  EXPECT_GT(hatched(1.5f, 0.5f), 10);
  EXPECT_EQ(hatched(-1.5f, 0.5f), 0);
  EXPECT_EQ(hatched(1.0f, 3.0f), 0);  // above the curve
}

TEST_F(IntegralTest, TwoCurvesGiveTheirAreaOrSayHowManyCrossings) {
  const char* cases[][3] = {
      {"x^2+1", "0", "keine Schnittpunkte vorhanden"},
      {"x", "1", "nur ein Schnittpunkt"},
      {"x^3", "4x", "mehr als 2 Schnittpunkte vorhanden"},
      {"x^2", "x+2", "((x+2)-(x^2)) dx = 4,500 FE"},
  };
  for (const auto& [first, second, shown] : cases) {
    window->sheet().neu();
    enterTerm(QString::fromLatin1(first));
    enterTerm(QString::fromLatin1(second));
    openTab();
    button("cmdIntegral2")->click();
    EXPECT_EQ(text("txtIntegral2"), QString::fromLatin1(shown)) << first;
    // A failed scan leaves the button usable, an area disables it; the note on the
    // number of curves turns red for more than 2 crossings only.
    EXPECT_EQ(button("cmdIntegral2")->isEnabled(), !text("txtIntegral2").contains("FE")) << first;
    const QColor note = find<QLabel>("lblInt2Kurven")->palette().color(QPalette::WindowText);
    EXPECT_EQ(note == QColor(Qt::red), QByteArray(shown).startsWith("mehr")) << first;
  }
  EXPECT_EQ(text("txtUntergrenze"), QStringLiteral("-1,000"));
  EXPECT_EQ(text("txtObergrenze"), QStringLiteral("2,000"));
  EXPECT_GT(hatched(0.5f, 1.5f), 10);
  EXPECT_EQ(hatched(3.0f, 1.5f), 0);
}

}  // namespace
