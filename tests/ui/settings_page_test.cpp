#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/swatch.h"
#include "ui/window_fixture.h"

namespace {

TEST_F(WindowTest, ViewFieldsFilterTypedKeys) {
  auto* field = find<QLineEdit>(QStringLiteral("txtKoordinaten(0)"));
  field->clear();
  QTest::keyClicks(field, QStringLiteral("-1.5,-a2x"));
  EXPECT_EQ(field->text(), QStringLiteral("-1,52"));
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), QStringLiteral("-1,5"));
}

TEST_F(WindowTest, EnterInAViewFieldRedrawsTheNewWindow) {
  enterTerm(QStringLiteral("x"));
  auto* xmin = find<QLineEdit>(QStringLiteral("txtKoordinaten(0)"));
  xmin->setText(QStringLiteral("0"));
  QTest::keyClick(xmin, Qt::Key_Return);
  EXPECT_FLOAT_EQ(window->sheet().view().xmin, 0);
  EXPECT_FLOAT_EQ(window->sheet().frame().nullX, window->sheet().frame().pixLinks);
  EXPECT_GT(count(QColor(255, 0, 0)), 100);  // the curve is drawn again
}

TEST_F(WindowTest, WrongViewFieldIsReportedAndTheDrawingKept) {
  QImage before = window->sheet().canvas().image();
  auto* xtic = find<QLineEdit>(QStringLiteral("txtKoordinaten(4)"));
  xtic->setText(QStringLiteral("0"));
  QTest::keyClick(xtic, Qt::Key_Return);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("x-tic muss größer als 0 sein!"));
  EXPECT_EQ(window->sheet().canvas().image(), before);
  EXPECT_EQ(xtic->text(), QStringLiteral("0"));
}

TEST_F(WindowTest, SwatchColourRecoloursItsCurveAndCancelKeepsIt) {
  enterTerm(QStringLiteral("1"));
  enterTerm(QStringLiteral("2"));
  dialogs.colorAnswers = {QColor(10, 200, 30), std::nullopt};
  QTest::mouseClick(find<Swatch>(QStringLiteral("picGraphFarben(1)")), Qt::LeftButton);
  EXPECT_GT(count(QColor(10, 200, 30)), 300);
  EXPECT_EQ(count(QColor(0, 0, 192)), 0);
  auto* caption = find<ClickableLabel>(QStringLiteral("lblGraphFarben(1)"));
  EXPECT_EQ(caption->textColor(), QColor(10, 200, 30));
  // Cancelled through the caption: the colour stays.
  QTest::mouseClick(caption, Qt::LeftButton);
  EXPECT_EQ(window->kurvalonPage()->swatchColor(1), QColor(10, 200, 30));
  EXPECT_TRUE(dialogs.colorAnswers.empty());
}

TEST_F(WindowTest, BlackBackgroundSwatchBlackensTheCanvas) {
  dialogs.colorAnswers = {QColor(0, 0, 0)};
  QTest::mouseClick(find<Swatch>(QStringLiteral("picGraphFarben(7)")), Qt::LeftButton);
  EXPECT_EQ(window->sheet().canvas().pixel(3, 3), qRgb(0, 0, 0));
  EXPECT_GT(count(QColor(64, 64, 64)), 500);  // the axes keep their colour
}

TEST_F(WindowTest, GridSwitchRedrawsWithoutAndWithTheGrid) {
  dialogs.colorAnswers = {QColor(0, 150, 0)};
  QTest::mouseClick(find<Swatch>(QStringLiteral("picFarbeGitter")), Qt::LeftButton);
  int grid = count(QColor(0, 150, 0));
  EXPECT_GT(grid, 1000);
  clickButton(QStringLiteral("chkGrid"));
  EXPECT_EQ(count(QColor(0, 150, 0)), 0);
  clickButton(QStringLiteral("chkGrid"));
  EXPECT_EQ(count(QColor(0, 150, 0)), grid);
  clickButton(QStringLiteral("optGitter(1)"));
  EXPECT_GT(count(QColor(0, 150, 0)), grid);  // solid lines cover more pixels than dots
}

TEST_F(WindowTest, CalculatorShowsTheValueOrAsksForATerm) {
  auto* x = find<QLineEdit>(QStringLiteral("txtX"));
  x->setText(QStringLiteral("1,5"));
  QTest::keyClick(x, Qt::Key_Return);
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblResult"))->text(), QStringLiteral("f(1,5) = "));
  EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtErgebnis"))->text(), QStringLiteral("-0,75"));

  window->cboFunktionsterm()->setEditText(QString());
  x->setFocus();
  ASSERT_TRUE(x->hasFocus());
  QTest::keyClick(x, Qt::Key_Return);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Sie haben noch keine Funktionsgleichung eingegeben!"));
  EXPECT_TRUE(window->cboFunktionsterm()->hasFocus());
}

TEST_F(WindowTest, TabsSwitchBackAndRunTheirPageActions) {
  QLineEdit* upper = find<QLineEdit>(QStringLiteral("txt_oben"));
  upper->setText(QStringLiteral("7"));
  QTabWidget* parameters = window->tabParameter();
  QTest::mouseClick(parameters->tabBar(), Qt::LeftButton, {},
                    parameters->tabBar()->tabRect(4).center());
  EXPECT_EQ(upper->text(), QStringLiteral("b"));  // opening the page resets its limits
  EXPECT_EQ(parameters->currentIndex(), 4);

  QTabWidget* main = window->tabMain();
  main->setCurrentIndex(2);
  QTest::mouseDClick(main->tabBar(), Qt::LeftButton, {}, main->tabBar()->tabRect(2).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(main->currentIndex(), 0);
  EXPECT_EQ(parameters->currentIndex(), 0);

  // Focus into the entry field brings the Graph tab back.
  main->setCurrentIndex(5);
  window->activateWindow();
  window->cboFunktionsterm()->lineEdit()->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(main->currentIndex(), 0);
}

TEST_F(WindowTest, ResizeRedrawsAtTheNewSizeAndReturnsToTheGraphTab) {
  window->tabMain()->setCurrentIndex(3);
  int before = window->sheet().frame().pixBreite;
  window->resize(window->width() + 200, window->height() + 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  EXPECT_EQ(window->sheet().frame().pixBreite, before + 200);
  EXPECT_EQ(window->sheet().canvas().width(), window->sheet().frame().pixBreite);
  EXPECT_EQ(window->tabParameter()->width(), GraphPage::kParameterWidth);
}

}  // namespace
