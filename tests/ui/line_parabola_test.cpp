#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "plot/appearance.h"
#include "ui/window_fixture.h"

namespace {

class LineParabolaTest : public WindowTest {
 protected:
  QLineEdit* field(const QString& name) { return find<QLineEdit>(name); }
  void set(const QString& name, const QString& text) { field(name)->setText(text); }
  QString get(const QString& name) { return field(name)->text(); }
  void click(const char* name) { find<QPushButton>(QLatin1String(name))->click(); }
  QString lastMessage() const {
    return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
  }
  QString caption(const QString& fieldName) {
    return find<QLabel>(QStringLiteral("lbl") + fieldName)->text();
  }
};

TEST_F(LineParabolaTest, PagesCarryTheirFramesAndCaptions) {
  QTabWidget* tabs = window->tabParameter();
  EXPECT_EQ(tabs->tabText(1), "lin. Fkt");
  EXPECT_EQ(tabs->tabText(2), "quadr. Fkt");
  const std::pair<const char*, const char*> frames[] = {
      {"Frame4", "Punkt-Steigungsform     y - y1 = m(x - x1)"},
      {"Frame7", "Zweipunkteform     y - y1 = (y2-y1)/(x2-x1)*(x-x1)"},
      {"Frame8", "Orthogonale     m1*m2 = -1"},
      {"Frame9", "Schnittwinkel zweier Geraden"},
      {"Frame10", "Länge einer Strecke"},
      {"Frame11", "Mitte einer Strecke"},
      {"Frame12", "Scheitelform   f(x) = a(x-xs)^2 +ys"},
      {"Frame14", "Lösung p,q-Formel"}};
  for (auto [name, title] : frames) {
    EXPECT_EQ(find<QGroupBox>(QLatin1String(name))->title(), QString::fromUtf8(title));
  }
  EXPECT_TRUE(tabs->widget(1)->isAncestorOf(find<QWidget>("Frame11")));
  EXPECT_TRUE(tabs->widget(2)->isAncestorOf(find<QWidget>("Frame14")));
  const std::pair<const char*, const char*> labels[] = {
      {"txtm", "Steigung m ="}, {"txtPSt", "f(x) ="},  {"txt_y2", "y2 ="},    {"txt_m2", "m2 ="},
      {"txt_alpha", "α ="},     {"txtl", "l ="},       {"txtym", "ym ="},     {"Text7", "xs ="},
      {"Text10(2)", "c ="},     {"Text14(0)", "x1= "}, {"Text19(0)", "x2 ="}, {"Text15", "f(x) ="}};
  for (auto [name, text] : labels) EXPECT_EQ(caption(QLatin1String(name)), QString::fromUtf8(text));
  EXPECT_EQ(find<QLabel>("lblNormalform")->text(), "Normalform");
  for (const char* name : {"cmdPSt", "cmdZwPF", "cmdOrhtogonale", "cmdWinkel", "Command1",
                           "Command2", "Command3", "Command7"}) {
    EXPECT_EQ(find<QPushButton>(QLatin1String(name))->text(), "Berechne...") << name;
  }
  for (const char* name : {"cmdPStplot", "cmdZwPFplot", "Command4", "Command8"}) {
    EXPECT_EQ(find<QPushButton>(QLatin1String(name))->text(), "Zeichne...") << name;
  }
}

TEST_F(LineParabolaTest, APointIsTypedAsACommaOnlyInTheFieldsThatAskForIt) {
  const char* converting[] = {"txtPx",  "txtPy", "txtm",  "txt_x1", "txt_x2", "txt_y2",
                              "txt_m1", "txtm1", "txtm2", "Text6",  "Text7",  "Text8"};
  const char* plain[] = {"txt_y1", "txtx1", "txty2", "txtMx1", "Text10(0)"};
  for (const char* name : converting) {
    QTest::keyClicks(field(QLatin1String(name)), QStringLiteral("-1.5"));
    EXPECT_EQ(get(QLatin1String(name)), "-1,5") << name;
  }
  for (const char* name : plain) {
    QTest::keyClicks(field(QLatin1String(name)), QStringLiteral("1.5"));
    EXPECT_EQ(get(QLatin1String(name)), "1.5") << name;
  }
}

TEST_F(LineParabolaTest, LineCalculatorsWriteTheirResultsOrKeepThemOnAMessage) {
  set("txtPx", "4");
  set("txtPy", "0");
  set("txtm", "0,5");
  click("cmdPSt");
  EXPECT_EQ(get("txtPSt"), "0,5x-2,0");
  set("txtm", "m");
  click("cmdPSt");
  EXPECT_EQ(lastMessage(), "Sie haben falsche Werte eingegeben!");
  EXPECT_EQ(dialogs.messages.back().title, "Fehler");
  EXPECT_EQ(get("txtPSt"), "0,5x-2,0");
  set("txtPx", "5");  // any change of x1 empties the equation
  EXPECT_EQ(get("txtPSt"), "");
  set("txtPy", "7");
  set("txtm", "2");
  click("cmdPSt");
  EXPECT_EQ(get("txtPSt"), "2x-3,0");
  set("txtPy", "8");  // y1 leaves it standing
  EXPECT_EQ(get("txtPSt"), "2x-3,0");

  for (auto [name, text] : {std::pair{"txt_x1", "1"}, std::pair{"txt_y1", "2.0"},
                            std::pair{"txt_x2", "3"}, std::pair{"txt_y2", "6"}}) {
    set(QLatin1String(name), QLatin1String(text));
  }
  click("cmdZwPF");
  EXPECT_EQ(get("txtZwPF"), "2x+0,0");
  set("txt_x2", "1");
  click("cmdZwPF");
  EXPECT_EQ(lastMessage(), "keine Funktion!");
  EXPECT_EQ(get("txtZwPF"), "2x+0,0");

  set("txt_m1", "3");
  click("cmdOrhtogonale");
  EXPECT_EQ(get("txt_m2"), "-0,333");
  set("txt_m1", "0");
  click("cmdOrhtogonale");
  EXPECT_TRUE(lastMessage().contains("keine Funktion"));
  EXPECT_EQ(get("txt_m2"), "-0,333");

  set("txtm1", "1");
  set("txtm2", "0");
  click("cmdWinkel");
  EXPECT_EQ(get("txt_alpha"), "-45,00000005142°");
  set("txtm1", "-0,5");
  set("txtm2", "2");
  click("cmdWinkel");
  EXPECT_EQ(get("txt_alpha"), "90°");

  for (auto [name, text] : {std::pair{"txtx1", "0"}, std::pair{"txtx2", "3"},
                            std::pair{"txty1", "0"}, std::pair{"txty2", "4"}}) {
    set(QLatin1String(name), QLatin1String(text));
  }
  click("Command1");
  EXPECT_EQ(get("txtl"), "5");
  for (auto [name, text] : {std::pair{"txtMx1", "0"}, std::pair{"txtMx2", "3"},
                            std::pair{"txtMy1", "-1"}, std::pair{"txtMy2", "4"}}) {
    set(QLatin1String(name), QLatin1String(text));
  }
  click("Command2");
  EXPECT_EQ(get("txtxm") + " " + get("txtym"), "1,5 1,5");
  set("txtMy2", "");
  click("Command2");
  EXPECT_EQ(lastMessage(), "Sie haben falsche Werte eingegeben!");
  EXPECT_EQ(get("txtym"), "1,5");
}

TEST_F(LineParabolaTest, ParabolaCalculatorsWriteAllResultsOrNone) {
  set("Text6", "2");
  set("Text7", "1");
  set("Text8", "3");
  click("Command3");
  EXPECT_EQ(get("Text9"), "2x^2-4,0x+5,0");
  set("Text7", "0");  // xs and ys leave the normal form standing, a does not
  set("Text8", "0");
  EXPECT_EQ(get("Text9"), "2x^2-4,0x+5,0");
  set("Text6", "1");
  EXPECT_EQ(get("Text9"), "");
  click("Command3");
  EXPECT_EQ(get("Text9"), "1x^2+0,0x+0,0");

  const QString results[] = {"Text14(0)", "Text19(0)", "Text11", "Text12", "Text15"};
  auto solve = [&](const char* a, const char* b, const char* c) {
    set("Text10(0)", QLatin1String(a));
    set("Text10(1)", QLatin1String(b));
    set("Text10(2)", QLatin1String(c));
    click("Command7");
    QStringList texts;
    for (const QString& name : results) texts << get(name);
    return texts.join(" ; ");
  };
  EXPECT_EQ(solve("1", "-3", "2"), "1,000 ; 2,000 ; 1,500 ; -0,250 ; 1x^2-3x+2");
  EXPECT_EQ(solve("1", "0", "1"), "0,000+1,000i ; 0,000-1,000i ; 0,000 ; 1,000 ; 1x^2+0x+1");
  const std::size_t before = dialogs.messages.size();
  EXPECT_EQ(solve("0", "2", "1"), "0,000+1,000i ; 0,000-1,000i ; 0,000 ; 1,000 ; 1x^2+0x+1");
  EXPECT_EQ(dialogs.messages.size(), before + 1);
  EXPECT_TRUE(lastMessage().contains("nicht quadratisch"));
  EXPECT_EQ(solve("1", "", "1"), "0,000+1,000i ; 0,000-1,000i ; 0,000 ; 1,000 ; 1x^2+0x+1");
  EXPECT_EQ(lastMessage(), "Sie haben falsche Werte eingegeben!");
}

TEST_F(LineParabolaTest, DrawingAnEquationAddsItOnceInItsEntrysColour) {
  QComboBox* list = window->cboFunktionsterm();
  const Appearance appearance = window->kurvalonPage()->appearance();
  enterTerm("x^2-2x");
  ASSERT_EQ(list->count(), 1);
  const int before = count(appearance.curveColor(1));

  click("cmdPStplot");  // nothing computed yet
  EXPECT_EQ(lastMessage(), "Sie haben noch keine Funktionsgleichung berechnet!");
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(count(appearance.curveColor(1)), before);

  set("txtPx", "1");
  set("txtPy", "5");
  set("txtm", "2");
  click("cmdPSt");
  click("cmdPStplot");
  click("cmdPStplot");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(1), "2x+3");
  EXPECT_EQ(list->currentText(), "2x+3");
  EXPECT_GT(count(appearance.curveColor(1)), before + 100);

  // The p,q frame's equation, typed with a decimal comma, is the third entry.
  set("Text10(0)", "0,5");
  set("Text10(1)", "0");
  set("Text10(2)", "-2");
  click("Command7");
  const int third = count(appearance.curveColor(2));
  click("Command8");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->itemText(2), "0,5x^2+0x-2");
  EXPECT_GT(count(appearance.curveColor(2)), third + 100);
  // The curve passes its zero (2|0): the pixel column at x = 2 holds it near the axis.
  const PixelFrame& frame = window->sheet().frame();
  const QImage& image = window->sheet().canvas().image();
  const int column = qRound(frame.pixelX(2.0f, window->sheet().view()));
  const int axisRow = image.height() - qRound(frame.pixelY(0.0f, window->sheet().view()));
  bool nearAxis = false;
  for (int dy = -3; dy <= 3; ++dy) {
    nearAxis |= QColor(image.pixel(column, axisRow + dy)) == appearance.curveColor(2);
  }
  EXPECT_TRUE(nearAxis);
}

}  // namespace
