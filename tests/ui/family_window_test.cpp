// The parameter row of a family in the window, and the calculators working
// on the member it shows.
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTableWidget>
#include <cmath>

#include "plot/mouse_gesture.h"
#include "ui/pages/worked_solution_page.h"

#include "engine/requests.h"
#include "ui/window_fixture.h"

namespace {

class FamilyWindowTest : public WindowTest {
 protected:
  QWidget* row() { return find<QWidget>(QStringLiteral("fraParameter")); }
  QSlider* slider() { return find<QSlider>(QStringLiteral("sldParameter")); }
  // Lets the coalesced redraw of a slider position happen.
  void settle() {
    QTest::qWait(3 * FrameCoalescer::kFrameMs);
    QCoreApplication::processEvents();
  }
  // The member's term, checked point by point against f.
  void expectMember(const QString& term, const std::function<double(double)>& f) {
    for (double x : {-1.5, 0.4, 2.0}) {
      const FunctionValue v = Funktionswert(engine, EngineTerm::fromUser(term), x);
      ASSERT_TRUE(v.value) << term.toStdString();
      EXPECT_NEAR(*v.value, f(x), 1e-9) << term.toStdString();
    }
  }
};

TEST_F(FamilyWindowTest, TheRowFollowsTheEntryAndTheSliderRedrawsAsOneStep) {
  EXPECT_FALSE(row()->isVisible());
  enterTerm(QStringLiteral("x^3-t*x"));
  ASSERT_TRUE(row()->isVisible());
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblParameter"))->text(), "t =");
  EXPECT_EQ(QStringList({text("txtParameterWert"), text("txtParameterVon"),
                         text("txtParameterBis"), text("txtParameterSchritt")}),
            QStringList({"1", "-5", "5", "0,5"}));
  EXPECT_EQ(slider()->maximum(), 20);
  EXPECT_EQ(slider()->value(), 12);

  const QImage before = sheet.canvas().image().copy();
  const int steps = sheet.steps().history().steps();
  slider()->setSliderDown(true);  // the handle taken, moved and let go
  for (int position : {13, 14, 16}) {
    slider()->setValue(position);
    settle();
  }
  slider()->setSliderDown(false);
  settle();
  EXPECT_EQ(sheet.entryParameter()->value, 3);
  EXPECT_EQ(text("txtParameterWert"), "3");
  EXPECT_NE(sheet.canvas().image(), before);
  EXPECT_EQ(sheet.steps().history().steps(), steps + 1);

  // Typed: the value at once, the range with Enter; a wrong one is refused.
  find<QLineEdit>(QStringLiteral("txtParameterWert"))->clear();
  QTest::keyClicks(find<QLineEdit>(QStringLiteral("txtParameterWert")), "-1.5");
  settle();
  EXPECT_EQ(sheet.entryParameter()->value, -1.5);
  EXPECT_EQ(text("txtParameterWert"), "-1,5");
  set("txtParameterSchritt", "0");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtParameterSchritt")), Qt::Key_Return);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Die Schrittweite muss größer als 0 sein.");
  EXPECT_EQ(sheet.entryParameter()->step, 0.5);
  set("txtParameterSchritt", "0,25");
  set("txtParameterBis", "2");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtParameterBis")), Qt::Key_Return);
  EXPECT_EQ(sheet.entryParameter()->to, 2);
  EXPECT_EQ(slider()->maximum(), 28);
  // A range that leaves the value out takes it along; a range typed but not
  // confirmed stays in its field while the value moves.
  set("txtParameterVon", "0");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtParameterVon")), Qt::Key_Return);
  EXPECT_EQ(sheet.entryParameter()->value, 0);
  set("txtParameterBis", "9");
  slider()->setValue(3);
  settle();
  EXPECT_EQ(sheet.entryParameter()->value, 0.75);
  EXPECT_EQ(text("txtParameterBis"), "9");

  // Typing leaves the row as it is; Enter and choosing from the list set it,
  // and the canvas moving with it leaves the chosen term in the field.
  window->cboFunktionsterm()->setEditText(QStringLiteral("x^2"));
  EXPECT_TRUE(row()->isVisible());
  enterTerm(QStringLiteral("x^2"));
  EXPECT_FALSE(row()->isVisible());
  window->cboFunktionsterm()->setCurrentIndex(0);
  settle();
  EXPECT_TRUE(row()->isVisible());
  EXPECT_EQ(window->cboFunktionsterm()->currentText(), "x^3-t*x");
  EXPECT_EQ(sheet.entryText(), "x^3-t*x");
  enterTerm(QStringLiteral("a*x^2+b"));
  EXPECT_FALSE(row()->isVisible());
}

TEST_F(FamilyWindowTest, CalculatorsWorkOnTheMemberAndSaySo) {
  enterTerm(QStringLiteral("x^3-t*x"));
  set("txtParameterWert", "2");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtParameterWert")), Qt::Key_Return);
  settle();
  ASSERT_EQ(sheet.entryParameter()->value, 2);
  auto cubic = [](double x) { return x * x * x - 2 * x; };

  openTab(window->tabParameter(), 3);  // Differential
  QWidget* differential = window->tabParameter()->currentWidget();
  EXPECT_EQ(differential->findChild<QLabel*>(QStringLiteral("lblParameterHinweis"))->text(),
            "für t = 2");
  expectMember(text("txt_y"), cubic);

  openTab(window->tabMain(), 6);  // Wertetabelle
  EXPECT_EQ(text("txtWtTerm"), "x^3-t*x");
  click("cmdWertetabelle");
  QWidget* values = window->tabMain()->currentWidget();
  EXPECT_EQ(values->findChild<QLabel*>(QStringLiteral("lblParameterHinweis"))->text(),
            "für t = 2");
  auto* grid = values->findChild<QTableWidget*>(QStringLiteral("grdWerte"));
  ASSERT_GT(grid->rowCount(), 12);
  EXPECT_EQ(grid->item(12, 0)->text(), "2");
  EXPECT_EQ(grid->item(12, 1)->text(), "4");  // 8 − 4

  // A member without values is refused with a message, not computed.
  set("txtParameterWert", "0");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtParameterWert")), Qt::Key_Return);
  set("txtWtTerm", "x^2/t");
  click("cmdWertetabelle");
  ASSERT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.messages.back().text, "Die Funktion ist für t = 0 nicht definiert.");
  set("txtParameterWert", "2");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtParameterWert")), Qt::Key_Return);

  openTab(window->tabMain(), 0);
  openTab(window->tabParameter(), 0);
  set("txtX", "3");
  QTest::keyClick(find<QLineEdit>(QStringLiteral("txtX")), Qt::Key_Return);
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblResult"))->text(), "für t = 2: f(3) = ");
  EXPECT_EQ(text("txtErgebnis"), "21");
}

// The worked solution of a family and its loci drawn dashed on the sheet,
// every piece on one of them.
TEST_F(FamilyWindowTest, TheWorkedSolutionKeepsTheParameterAndDrawsItsOrtskurven) {
  enterTerm(QStringLiteral("x^4-2t*x^2"));
  openTab(window->tabMain(), 7);
  auto* page = qobject_cast<WorkedSolutionPage*>(window->tabMain()->widget(7));
  ASSERT_NE(page, nullptr);
  const QString text = plainText(page->solution());
  EXPECT_TRUE(text.contains(QStringLiteral("f′(x) = 4x³ − 4t·x"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Ortskurve der Tiefpunkte: y = −x⁴"))) << text.toStdString();
  QPushButton* ortskurve = find<QPushButton>(QStringLiteral("cmdOrtskurve"));
  ASSERT_TRUE(ortskurve->isEnabled());

  const size_t before = sheet.canvas().operations().size();
  const int steps = sheet.steps().history().steps();
  ortskurve->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(sheet.steps().history().steps(), steps + 1);
  const auto& drawn = sheet.canvas().operations();
  int pieces = 0;
  for (size_t i = before; i < drawn.size(); ++i) {
    if (drawn[i].kind != CanvasOperation::Kind::Lines) continue;
    EXPECT_EQ(drawn[i].color, sheet.appearance().curveColor(0));
    for (const QLineF& piece : drawn[i].lines) {
      ++pieces;
      EXPECT_LE(piece.length(), 8.01);  // dashes
      const QPointF p = worldPoint(QPointF(piece.x1(), sheet.canvas().pixelRow(piece.y1())),
                                   sheet.view(), sheet.frame());
      const double y4 = -std::pow(p.x(), 4);
      EXPECT_TRUE(std::abs(p.y() - y4) < 0.1 || std::abs(p.y() - 5 * y4) < 0.1)
          << p.x() << " " << p.y();
    }
  }
  EXPECT_GT(pieces, 40);

  enterTerm(QStringLiteral("t*x^2"));  // its point stays at the origin: no Ortskurve
  openTab(window->tabMain(), 7);
  EXPECT_FALSE(ortskurve->isEnabled());
}

}  // namespace
