// The page "Schnitt & Tangente" driven through its controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "plot/appearance.h"
#include "ui/window_fixture.h"

namespace {

class IntersectionPageTest : public WindowTest {
 protected:
  QStringList lines(const char* name) {
    QStringList out;
    auto* list = find<QListWidget>(QLatin1String(name));
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  QComboBox* combo(const char* name) { return find<QComboBox>(QLatin1String(name)); }
};

TEST_F(IntersectionPageTest, IntersectionsTangentsAndAreaOfTwoListedGraphs) {
  QTabWidget* tabs = window->tabParameter();
  ASSERT_EQ(tabs->count(), 7);
  EXPECT_TRUE(tabs->widget(6)->isAncestorOf(find(QStringLiteral("tabSchnitt"))));
  EXPECT_EQ(tabs->tabText(6), "Schnitt && Tangente");  // shown as "Schnitt & Tangente"

  enterTerm(QStringLiteral("x+2"));
  EXPECT_EQ(combo("cboSchnittG")->currentText(), "x-Achse");  // nothing before it
  enterTerm(QStringLiteral("x^2"));
  EXPECT_EQ(combo("cboSchnittF")->currentText(), "x^2");
  EXPECT_EQ(combo("cboSchnittG")->currentText(), "x+2");
  EXPECT_EQ(combo("cboSchnittG")->palette().color(QPalette::ButtonText),
            window->sheet().appearance().curveColor(0));
  EXPECT_EQ(combo("cboSchnittF")->itemData(1, Qt::ForegroundRole).value<QColor>(),
            window->sheet().appearance().curveColor(1));

  click("cmdSchnitt");
  EXPECT_EQ(lines("lstSchnitt"), QStringList({"S1(−1 | 1)", "S2(2 | 4)"}));
  const QColor parabola = window->sheet().appearance().curveColor(1);
  const int before = count(parabola);
  click("cmdSchnittZeichnen");
  EXPECT_GT(count(parabola), before);  // the rings and captions
  const int marked = count(parabola);
  QCoreApplication::processEvents();  // the step is taken when the event loop is idle

  set("txtTangenteX0", "2");
  click("cmdTangente");
  EXPECT_EQ(text("txtTangente"), "4x − 4");
  EXPECT_EQ(text("txtNormale"), "−1/4·x + 9/2");
  EXPECT_EQ(find<QLabel>("lblBeruehrpunkt")->text(), "Berührpunkt B(2 | 4), Steigung m = 4");
  set("txtTangenteX0", "0");
  click("cmdTangente");
  EXPECT_EQ(text("txtNormale"), "x = 0");  // a horizontal tangent

  set("txtTangenteU", "1");
  set("txtTangenteV", "-3");
  click("cmdTangenteDurchPunkt");
  EXPECT_EQ(lines("lstTangenten"), QStringList({"t1(x) = −2x − 1 mit Berührpunkt B1(−1 | 1)",
                                                "t2(x) = 6x − 9 mit Berührpunkt B2(3 | 9)"}));

  const QColor hatching = window->sheet().appearance().palette[kSchraffur];
  EXPECT_EQ(count(hatching), 0);
  click("cmdFlaeche");
  EXPECT_EQ(text("txtFlaeche"), "A = 9/2 = 4,5 FE");
  EXPECT_EQ(lines("lstFlaeche"), QStringList({"∫ von −1 bis 2: (f − g) dx = −9/2"}));
  EXPECT_GT(count(hatching), 500);
  QCoreApplication::processEvents();
  window->sheet().undo();  // the hatching was one step
  EXPECT_EQ(count(hatching), 0);
  EXPECT_EQ(count(parabola), marked);
  window->sheet().redo();
  EXPECT_GT(count(hatching), 500);

  set("txtTangenteX0", "1");
  find<QCheckBox>("chkNormale")->setChecked(true);
  const qsizetype listed = window->sheet().terms().size();
  click("cmdTangenteZeichnen");
  EXPECT_EQ(window->sheet().terms().mid(listed), QStringList({"2*x-1", "3/2-x/2"}));
  EXPECT_TRUE(dialogs.messages.empty());

  set("txtTangenteX0", "zwei");
  click("cmdTangente");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Die Stelle x0 = zwei ist keine Zahl.");
}

}  // namespace
