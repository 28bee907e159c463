#include <QGroupBox>
#include <QPushButton>
#include <utility>

#include "plot/appearance.h"
#include "ui/dgl_page.h"
#include "ui/window_fixture.h"

namespace {

const QColor kIsocline(128, 128, 0), kBlue(0, 0, 255), kRed(255, 0, 0);
const QString kNoTerm = QStringLiteral("Sie haben noch keine DGL 1. Ordnung eingegeben!");
const QString kMissing =
    QStringLiteral("Sie haben noch nicht alle erforderlichen Eingaben getätigt!");

class DglTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    page = window->findChild<DglPage*>();
    if (!page) {
      page = new DglPage(*window);
      window->findChild<GraphPage*>()->setParameterPage(5, page);
    }
  }

  QLineEdit* edit(const char* name) { return find<QLineEdit>(QString::fromLatin1(name)); }
  void set(const char* name, const QString& value) { edit(name)->setText(value); }
  void click(const char* name) { find<QPushButton>(QString::fromLatin1(name))->click(); }

  // The texts of the messages shown so far, in order.
  QStringList messages() const {
    QStringList texts;
    for (const FakeDialogs::Message& m : dialogs.messages) texts << m.text;
    return texts;
  }

  DglPage* page = nullptr;
};

TEST_F(DglTest, FramesShowTheirCaptionsAndDefaults) {
  EXPECT_EQ(find<QGroupBox>(QStringLiteral("fraDGL1"))->title(), QStringLiteral("DGL 1. Ordnung"));
  EXPECT_EQ(find<QGroupBox>(QStringLiteral("fraDGL2"))->title(), QStringLiteral("DGL 2. Ordnung"));
  const std::pair<const char*, const char*> texts[] = {
      {"lblDGL1", "f'(x,y) ="},
      {"Label42(0)", "x0 ="},
      {"Label42(1)", "y0 ="},
      {"Label1", "y'' = f(x, y, ystr)"},
      {"Label6", "Geben Sie den Startwert ein!"},
      {"lblDGL2(0)", "x ="},
      {"lblDGL2(1)", "y ="},
      {"lblDGL2(2)", "y' ="},
      {"cmdDgl1", "zeichne Isoklinenfeld"},
      {"Command5", "zeichne Lösungskurve"},
      {"cmdDgl2", "zeichne Lösungskurve"},
      {"txtDGL1", ""},
      {"txtx0", ""},
      {"txty0", ""},
      {"txtDGL2", "-2*ystr-5*y"},
      {"txt_x0", "0"},
      {"txt_y0", "0"},
      {"txt_ystrich", "1"},
  };
  for (const auto& [name, shown] : texts) {
    QWidget* widget = find<QWidget>(QString::fromLatin1(name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(shown)) << name;
  }
}

// The slope field.

TEST_F(DglTest, SlopeFieldWithoutTermLeavesTheCanvas) {
  enterTerm(QStringLiteral("x^2"));
  QImage before = window->canvas().image();
  click("cmdDgl1");
  EXPECT_EQ(messages(), QStringList{kNoTerm});
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_EQ(window->canvas().image(), before);
}

TEST_F(DglTest, SlopeFieldReplacesTheCurvesWithMarks) {
  enterTerm(QStringLiteral("x^2"));
  ASSERT_GT(count(kRed), 0);
  set("txtDGL1", QStringLiteral("0"));
  click("cmdDgl1");
  EXPECT_TRUE(dialogs.messages.empty());
  // 17 x 17 marks of one unit (some 30 pixels) each.
  EXPECT_GT(count(kIsocline), 3000);
  EXPECT_EQ(count(kRed), 0);
}

TEST_F(DglTest, SlopeFieldUsesTheIsoclineSwatch) {
  window->kurvalonPage()->setSwatchColor(kIsoklinen, QColor(0, 160, 80));
  set("txtDGL1", QStringLiteral("x*y"));
  page->cmdDgl1();
  EXPECT_GT(count(QColor(0, 160, 80)), 1000);
  EXPECT_EQ(count(kIsocline), 0);
}

TEST_F(DglTest, SlopeFieldKeepsTheMarksBeforeAFailure) {
  set("txtDGL1", QStringLiteral("1/x"));
  page->cmdDgl1();
  // The columns left of x = 0 are drawn, then the slope there cannot be had.
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_GT(count(kIsocline), 1000);
}

TEST_F(DglTest, SlopeFieldStopsAtAWrongViewField) {
  find<QLineEdit>(QStringLiteral("txtKoordinaten(0)"))->setText(QStringLiteral("links"));
  set("txtDGL1", QStringLiteral("0"));
  page->cmdDgl1();
  EXPECT_EQ(dialogs.messages.size(), 1u);  // the window's own message only
  EXPECT_EQ(count(kIsocline), 0);
}

// The Euler curve.

TEST_F(DglTest, EulerCurveIsDrawnOverTheField) {
  set("txtDGL1", QStringLiteral("x*y"));
  page->cmdDgl1();
  int marks = count(kIsocline);
  set("txtx0", QStringLiteral("0"));
  set("txty0", QStringLiteral("1"));
  click("Command5");
  EXPECT_GT(count(kBlue), 100);
  // The canvas was not cleared: most marks are still there.
  EXPECT_GT(count(kIsocline), marks / 2);
}

TEST_F(DglTest, EulerCurveChecksItsInputsBeforeDrawing) {
  struct Case {
    const char* term;
    const char* x0;
    const char* y0;
    QString message;
  };
  const Case cases[] = {
      {"", "0", "1", kNoTerm},
      {"x-y", "", "1", kMissing},
      {"x-y", "0", "", kMissing},
      {"x-y", "null", "1", QStringLiteral("x0 ist keine Zahl!")},
      {"x-y", "0", "1a", QStringLiteral("y0 ist keine Zahl!")},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    set("txtDGL1", QString::fromLatin1(c.term));
    set("txtx0", QString::fromLatin1(c.x0));
    set("txty0", QString::fromLatin1(c.y0));
    page->command5();
    EXPECT_EQ(messages(), QStringList{c.message}) << c.term << " " << c.x0 << " " << c.y0;
    EXPECT_EQ(count(kBlue), 0) << c.x0 << " " << c.y0;
  }
}

TEST_F(DglTest, EulerCurveTakesStartValuesWithDecimalComma) {
  set("txtDGL1", QStringLiteral("x-y"));
  set("txtx0", QStringLiteral("-0,5"));
  set("txty0", QStringLiteral("1,5"));
  page->command5();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kBlue), 100);
}

// The second-order curve.

TEST_F(DglTest, SecondOrderCurveWithTheDefaults) {
  click("cmdDgl2");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kRed), 100);
}

TEST_F(DglTest, SecondOrderInputErrorsStillRedrawTheCoordinateSystem) {
  struct Case {
    const char* name;
    const char* value;
    QString message;
  };
  const Case cases[] = {
      {"txtDGL2", "", kMissing},
      {"txt_x0", "", kMissing},
      {"txt_y0", "", kMissing},
      {"txt_ystrich", "", kMissing},
      {"txt_x0", "a", QStringLiteral("x ist keine Zahl!")},
      {"txt_y0", "1..2", QStringLiteral("y ist keine Zahl!")},
      {"txt_ystrich", "eins", QStringLiteral("y' ist keine Zahl!")},
  };
  for (const Case& c : cases) {
    set("txtDGL2", QStringLiteral("-2*ystr-5*y"));
    set("txt_x0", QStringLiteral("0"));
    set("txt_y0", QStringLiteral("0"));
    set("txt_ystrich", QStringLiteral("1"));
    page->cmdDgl2();
    ASSERT_GT(count(kRed), 0);
    dialogs.messages.clear();
    set(c.name, QString::fromLatin1(c.value));
    page->cmdDgl2();
    EXPECT_EQ(messages(), QStringList{c.message}) << c.name << " " << c.value;
    EXPECT_EQ(count(kRed), 0) << c.name << " " << c.value;  // the old curve is gone
  }
}

TEST_F(DglTest, SecondOrderTermWithDecimalCommaDrawsLikeWithPoint) {
  set("txtDGL2", QStringLiteral("-0.5*y"));
  page->cmdDgl2();
  QImage withPoint = window->canvas().image();
  set("txtDGL2", QStringLiteral("-0,5*y"));
  page->cmdDgl2();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kRed), 100);
  EXPECT_EQ(window->canvas().image(), withPoint);
}

}  // namespace
