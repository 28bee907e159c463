// The tab "Steckbrief" as a pupil uses it: conditions typed in, refused
// ones kept in the field, the system handed to the Gauß tab and solved
// there, the solution drawn.
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/widgets/value_grid.h"
#include "ui/window_fixture.h"

namespace {

class SteckbriefPageTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    openTab(window->tabMain(), 8);
  }
  QListWidget* list(const char* name) { return find<QListWidget>(QLatin1String(name)); }
  QStringList items(const char* name) {
    QStringList texts;
    for (int i = 0; i < list(name)->count(); ++i) texts << list(name)->item(i)->text();
    return texts;
  }
  void add(const char* condition) {
    set("txtBedingung", condition);
    QTest::keyClick(find<QLineEdit>(QStringLiteral("txtBedingung")), Qt::Key_Return);
    QCoreApplication::processEvents();  // each one a step
  }
};

TEST_F(SteckbriefPageTest, ConditionsGiveTheirEquationsAndAWrongOneStaysInTheField) {
  ASSERT_EQ(window->tabMain()->tabText(8), "Steckbrief");
  EXPECT_EQ(find<QSpinBox>(QStringLiteral("updGrad"))->value(), 3);
  add("WP(0 | 0)");
  add("HP(1|2)");
  EXPECT_EQ(items("lstBedingungen"),
            QStringList({"WP(0 | 0):   d = 0;   2b = 0", "HP(1 | 2):   a + b + c + d = 2;   3a + 2b + c = 0"}));
  EXPECT_EQ(text("txtBedingung"), "");

  add("f'(1 = 0");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("fehlt „)“"))) << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(text("txtBedingung"), "f'(1 = 0");
  EXPECT_EQ(sheet.steckbrief().conditions.size(), 2);

  // Removed: back into the field; undo brings it back into the list.
  list("lstBedingungen")->setCurrentRow(0);
  click("cmdBedingungWeg");
  EXPECT_EQ(text("txtBedingung"), "WP(0 | 0)");
  EXPECT_EQ(sheet.steckbrief().conditions, QStringList{"HP(1|2)"});
  QCoreApplication::processEvents();
  sheet.undo();
  EXPECT_EQ(list("lstBedingungen")->count(), 2);
}

TEST_F(SteckbriefPageTest, SolvedExactlyInTheGaussTabAndDrawn) {
  for (const char* condition : {"WP(0 | 0)", "HP(1 | 2)"}) add(condition);
  click("cmdSteckbrief");
  EXPECT_EQ(text("txtSteckbrief"), "f(x) = −x³ + 3x");
  EXPECT_EQ(items("lstSteckbrief").size(), 2);
  for (const QString& check : items("lstSteckbrief")) EXPECT_TRUE(check.endsWith(u'✓'));

  find<QRadioButton>(QStringLiteral("optStart"))->setChecked(true);  // no pause per column
  click("cmdSteckbriefGauss");
  EXPECT_EQ(window->tabMain()->currentIndex(), 2);
  click("cmdGauss");
  auto* grid = find<ValueGrid>(QStringLiteral("grdMatrix"));
  ASSERT_TRUE(dialogs.messages.empty());
  QStringList solution;
  for (int j = 1; j <= 4; ++j) solution << grid->textAt(1, j);
  EXPECT_EQ(solution, QStringList({"-1,0", "0,0", "3,0", "0,0"}));

  openTab(window->tabMain(), 8);
  click("cmdSteckbriefZeichnen");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  ASSERT_EQ(sheet.terms().size(), 1);
  for (double x : {-1.5, 0.5, 2.0}) {
    const FunctionValue v = Funktionswert(engine, EngineTerm::fromUser(sheet.terms()[0]), x);
    ASSERT_TRUE(v.value);
    EXPECT_NEAR(*v.value, -x * x * x + 3 * x, 1e-12);
  }
}

TEST_F(SteckbriefPageTest, TooFewOrContradictoryConditionsAreSaidAndNothingIsHandedOver) {
  find<QSpinBox>(QStringLiteral("updGrad"))->setValue(3);
  add("punktsymmetrisch");
  add("f(1) = 2");
  click("cmdSteckbrief");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Die Bedingungen legen die Funktion nicht eindeutig fest (es fehlt 1 Bedingung).");
  EXPECT_TRUE(text("txtSteckbrief").startsWith(QStringLiteral("f(x) = a·x³")));
  click("cmdSteckbriefGauss");
  EXPECT_EQ(window->tabMain()->currentIndex(), 8);
  add("f(0) = 5");
  click("cmdSteckbrief");
  EXPECT_TRUE(dialogs.messages.back().text.startsWith(QStringLiteral("Die Bedingungen widersprechen sich")))
      << dialogs.messages.back().text.toStdString();
  EXPECT_EQ(sheet.steckbrief().conditions.size(), 3);  // nothing lost
}

}  // namespace
