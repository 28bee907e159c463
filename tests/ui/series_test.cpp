#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ui/series_page.h"
#include "ui/window_fixture.h"

namespace {

const QString kSinePolynomial = QStringLiteral("x-x^3/6+x^5/120");

class SeriesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    page = window->findChild<SeriesPage*>();
    if (page == nullptr) {
      page = new SeriesPage(*window);
      window->setMainPage(5, page);
    }
    window->tabMain()->setCurrentIndex(5);
  }

  void click(const char* name) { find<QPushButton>(QLatin1String(name))->click(); }
  bool shown(const char* name) { return find<QWidget>(QLatin1String(name))->isVisible(); }

  void taylor(const QString& term, const QString& degree) {
    page->txtT_Funktion()->setText(term);
    page->txtnTaylor()->setText(degree);
    click("cmdTaylor");
  }

  void fourier(const QString& term, const QString& t1, const QString& t2, const QString& n) {
    page->txtFourier()->setText(term);
    page->txt_t1()->setText(t1);
    page->txt_t2()->setText(t2);
    page->txtGrad()->setText(n);
    click("cmdFourier");
  }

  SeriesPage* page = nullptr;
};

TEST_F(SeriesTest, StartsWithTheInputsOnlyAndDegreeThree) {
  EXPECT_EQ(window->tabMain()->tabText(5), QStringLiteral("Reihen"));
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("3"));
  EXPECT_EQ(page->updnTaylor()->value(), 3);
  EXPECT_TRUE(shown("cmdTaylor"));
  EXPECT_TRUE(shown("cmdFourier"));
  for (const char* result :
       {"lblTx", "txtTaylor", "cmdPlotTaylor", "lblF", "txtFourierReihe", "cmdPlotFourier"}) {
    EXPECT_FALSE(shown(result)) << result;
  }
}

TEST_F(SeriesTest, SpinnerWritesItsDegreeWithinOneToFifteen) {
  QSpinBox* spinner = page->updnTaylor();
  spinner->stepBy(2);
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("5"));
  spinner->stepBy(100);
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("15"));
  spinner->stepBy(-100);
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("1"));
  EXPECT_EQ(spinner->minimum(), 1);
  EXPECT_EQ(spinner->maximum(), 15);
}

TEST_F(SeriesTest, TaylorPolynomialOfTheSineAppearsWithItsDrawButton) {
  page->txtT_Funktion()->setText(QStringLiteral("sin(x)"));
  page->updnTaylor()->setValue(5);
  click("cmdTaylor");
  EXPECT_EQ(window->engine().eingabe(), "TAYLOR(sin(x),x,0,5)");
  EXPECT_EQ(page->txtTaylor()->text(), kSinePolynomial);
  EXPECT_TRUE(shown("lblTx"));
  EXPECT_TRUE(shown("txtTaylor"));
  EXPECT_TRUE(shown("cmdPlotTaylor"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SeriesTest, TaylorUsesAHandTypedDegreeAndADecimalComma) {
  taylor(QStringLiteral("sin(x)"), QStringLiteral("2"));
  EXPECT_EQ(page->txtTaylor()->text(), QStringLiteral("x"));
  taylor(QStringLiteral("0,5x^2"), QStringLiteral("4"));
  EXPECT_EQ(window->engine().eingabe(), "TAYLOR(0.5x^2,x,0,4)");
}

TEST_F(SeriesTest, TaylorWithoutATermOnlyReports) {
  click("cmdTaylor");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
  EXPECT_FALSE(shown("txtTaylor"));
  EXPECT_FALSE(shown("cmdPlotTaylor"));
}

TEST_F(SeriesTest, FaultyTaylorTermKeepsTheLastPolynomial) {
  taylor(QStringLiteral("sin(x)"), QStringLiteral("5"));
  taylor(QStringLiteral("x^^2"), QStringLiteral("5"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Fehler bei der Eingabe des Funktionsterms!"));
  EXPECT_EQ(page->txtTaylor()->text(), kSinePolynomial);
}

TEST_F(SeriesTest, FaultyFirstTaylorTermShowsNoResult) {
  taylor(QStringLiteral("x^^2"), QStringLiteral("3"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(page->txtTaylor()->text().isEmpty());
  EXPECT_FALSE(shown("cmdPlotTaylor"));
}

TEST_F(SeriesTest, DrawingTaylorTwiceListsTermAndPolynomialTwice) {
  taylor(QStringLiteral("sin(x)"), QStringLiteral("5"));
  const QImage before = window->canvas().image();
  click("cmdPlotTaylor");
  click("cmdPlotTaylor");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  QComboBox* list = window->cboFunktionsterm();
  ASSERT_EQ(list->count(), 4);
  for (int i : {0, 2}) {
    EXPECT_EQ(list->itemText(i), QStringLiteral("sin(x)"));
    EXPECT_EQ(list->itemText(i + 1), kSinePolynomial);
  }
  EXPECT_NE(window->canvas().image(), before);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SeriesTest, FourierSeriesOfXIsShownNumerically) {
  fourier(QStringLiteral("x"), QStringLiteral("-3,14"), QStringLiteral("3,14"),
          QStringLiteral("3"));
  EXPECT_TRUE(page->txtFourierReihe()->text().startsWith(QStringLiteral("1.99898608523421*sin(")))
      << page->txtFourierReihe()->text().toStdString();
  EXPECT_TRUE(window->engine().eingabe().starts_with("APPROX("));
  EXPECT_TRUE(shown("lblF"));
  EXPECT_TRUE(shown("txtFourierReihe"));
  EXPECT_TRUE(shown("cmdPlotFourier"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SeriesTest, FourierNamesTheFirstMissingInput) {
  const std::pair<QLineEdit*, QString> cases[] = {
      {page->txtFourier(), QStringLiteral("Bitte geben Sie f(x) ein!")},
      {page->txt_t1(), QStringLiteral("Bitte geben Sie t1 ein!")},
      {page->txt_t2(), QStringLiteral("Bitte geben Sie t2 ein!")},
      {page->txtGrad(), QStringLiteral("Bitte geben Sie n ein!")}};
  for (const auto& [input, text] : cases) {
    dialogs.messages.clear();
    page->txtFourier()->setText(QStringLiteral("x"));
    page->txt_t1()->setText(QStringLiteral("-1"));
    page->txt_t2()->setText(QStringLiteral("1"));
    page->txtGrad()->setText(QStringLiteral("2"));
    input->clear();
    click("cmdFourier");
    ASSERT_EQ(dialogs.messages.size(), 1u) << text.toStdString();
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.messages[0].text, text);
  }
  fourier(QString(), QString(), QString(), QStringLiteral("2"));
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Bitte geben Sie f(x) ein!"));
  EXPECT_FALSE(shown("txtFourierReihe"));
}

TEST_F(SeriesTest, DrawingFourierListsTheSeries) {
  fourier(QStringLiteral("x"), QStringLiteral("-3,14"), QStringLiteral("3,14"),
          QStringLiteral("3"));
  click("cmdPlotFourier");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  QComboBox* list = window->cboFunktionsterm();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->itemText(0), page->txtFourierReihe()->text());
  EXPECT_EQ(list->currentText(), page->txtFourierReihe()->text());
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
