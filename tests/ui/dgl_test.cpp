#include <QGroupBox>
#include <QPushButton>

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
    ASSERT_NE(page, nullptr);
  }

  void set(const char* name, const char* value) {
    find<QLineEdit>(QString::fromLatin1(name))->setText(QString::fromUtf8(value));
  }
  void click(const char* name) { find<QPushButton>(QString::fromLatin1(name))->click(); }
  QStringList messages() const {
    QStringList texts;
    for (const FakeDialogs::Message& m : dialogs.messages) texts << m.text;
    return texts;
  }

  DglPage* page = nullptr;
};

TEST_F(DglTest, FramesShowTheirCaptionsAndDefaults) {
  // clang-format off
  const std::pair<const char*, const char*> texts[] = {
      {"fraDGL1", "DGL 1. Ordnung"}, {"fraDGL2", "DGL 2. Ordnung"}, {"lblDGL1", "f'(x,y) ="},
      {"Label42(0)", "x0 ="}, {"Label42(1)", "y0 ="}, {"Label1", "y'' = f(x, y, ystr)"},
      {"Label6", "Geben Sie den Startwert ein!"}, {"lblDGL2(0)", "x ="}, {"lblDGL2(1)", "y ="},
      {"lblDGL2(2)", "y' ="}, {"cmdDgl1", "zeichne Isoklinenfeld"},
      {"Command5", "zeichne Lösungskurve"}, {"cmdDgl2", "zeichne Lösungskurve"},
      {"txtDGL1", ""}, {"txtx0", ""}, {"txty0", ""}, {"txtDGL2", "-2*ystr-5*y"},
      {"txt_x0", "0"}, {"txt_y0", "0"}, {"txt_ystrich", "1"}};
  // clang-format on
  for (const auto& [name, shown] : texts) {
    QWidget* widget = find<QWidget>(QString::fromLatin1(name));
    ASSERT_NE(widget, nullptr);
    const char* property = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
    EXPECT_EQ(widget->property(property).toString(), QString::fromUtf8(shown)) << name;
  }
}

TEST_F(DglTest, SlopeFieldRefusesWithoutTermOrWithAWrongViewField) {
  enterTerm(QStringLiteral("x^2"));
  QImage before = window->sheet().canvas().image();
  click("cmdDgl1");
  EXPECT_EQ(messages(), QStringList{kNoTerm});
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_EQ(window->sheet().canvas().image(), before);
  dialogs.messages.clear();
  set("txtKoordinaten(0)", "links");
  set("txtDGL1", "0");
  page->cmdDgl1();
  EXPECT_EQ(dialogs.messages.size(), 1u);  // the window's own message only
  EXPECT_EQ(count(kIsocline), 0);
}

TEST_F(DglTest, SlopeFieldReplacesTheCurvesWithMarksInTheIsoclineSwatch) {
  enterTerm(QStringLiteral("x^2"));
  ASSERT_GT(count(kRed), 0);
  set("txtDGL1", "0");
  click("cmdDgl1");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kIsocline), 3000);  // 17 x 17 marks of some 30 pixels each
  EXPECT_EQ(count(kRed), 0);
  dialogs.colorAnswers.push_back(QColor(0, 160, 80));
  QTest::mouseClick(find<QWidget>(QStringLiteral("picGraphFarben(9)")), Qt::LeftButton);
  set("txtDGL1", "x*y");
  page->cmdDgl1();
  EXPECT_GT(count(QColor(0, 160, 80)), 1000);
  EXPECT_EQ(count(kIsocline), 0);
}

TEST_F(DglTest, SlopeFieldKeepsTheMarksBeforeAFailure) {
  set("txtDGL1", "1/x");  // the columns left of x = 0 are drawn, then it fails
  page->cmdDgl1();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_GT(count(kIsocline), 1000);
}

TEST_F(DglTest, EulerCurveTakesDecimalCommasAndIsDrawnOverTheField) {
  set("txtDGL1", "x*y");
  page->cmdDgl1();
  const int marks = count(kIsocline);
  set("txtx0", "-0,5");
  set("txty0", "1,5");
  click("Command5");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kBlue), 100);
  EXPECT_GT(count(kIsocline), marks / 2);  // the canvas was not cleared
}

TEST_F(DglTest, EulerCurveChecksItsInputsBeforeDrawing) {
  const std::tuple<const char*, const char*, const char*, QString> cases[] = {
      {"", "0", "1", kNoTerm},
      {"x-y", "", "1", kMissing},
      {"x-y", "0", "", kMissing},
      {"x-y", "null", "1", QStringLiteral("x0 ist keine Zahl!")},
      {"x-y", "0", "1a", QStringLiteral("y0 ist keine Zahl!")}};
  for (const auto& [term, x0, y0, message] : cases) {
    dialogs.messages.clear();
    set("txtDGL1", term);
    set("txtx0", x0);
    set("txty0", y0);
    page->command5();
    EXPECT_EQ(messages(), QStringList{message}) << term << " " << x0 << " " << y0;
    EXPECT_EQ(count(kBlue), 0) << x0 << " " << y0;
  }
}

TEST_F(DglTest, SecondOrderInputErrorsStillRedrawTheCoordinateSystem) {
  const std::pair<const char*, const char*> kSecondOrderDefaults[] = {
      {"txtDGL2", "-2*ystr-5*y"},
      {"txt_x0", "0"},
      {"txt_y0", "0"},
      {"txt_ystrich", "1"},
  };
  const std::tuple<const char*, const char*, QString> cases[] = {
      {"txtDGL2", "", kMissing},
      {"txt_x0", "", kMissing},
      {"txt_y0", "", kMissing},
      {"txt_ystrich", "", kMissing},
      {"txt_x0", "a", QStringLiteral("x ist keine Zahl!")},
      {"txt_y0", "1..2", QStringLiteral("y ist keine Zahl!")},
      {"txt_ystrich", "eins", QStringLiteral("y' ist keine Zahl!")}};
  for (const auto& [name, value, message] : cases) {
    for (const auto& [field, text] : kSecondOrderDefaults) set(field, text);
    click("cmdDgl2");  // the defaults draw a curve
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_GT(ink(kRed), 50);
    set(name, value);
    page->cmdDgl2();
    EXPECT_EQ(messages(), QStringList{message}) << name << " " << value;
    EXPECT_EQ(ink(kRed), 0) << name << " " << value;  // the old curve is gone
    dialogs.messages.clear();
  }
}

TEST_F(DglTest, SecondOrderTermWithDecimalCommaDrawsLikeWithPoint) {
  set("txtDGL2", "-0.5*y");
  page->cmdDgl2();
  QImage withPoint = window->sheet().canvas().image();
  set("txtDGL2", "-0,5*y");
  page->cmdDgl2();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(ink(kRed), 100);
  EXPECT_EQ(window->sheet().canvas().image(), withPoint);
}

}  // namespace
