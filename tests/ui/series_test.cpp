#include <QPushButton>
#include <QSpinBox>

#include "ui/series_page.h"
#include "ui/window_fixture.h"

namespace {

const QString kSine = QStringLiteral("x-x^3/6+x^5/120");

class SeriesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    page = window->findChild<SeriesPage*>();
    ASSERT_NE(page, nullptr);
    window->tabMain()->setCurrentIndex(5);
  }

  void click(const char* name) { find<QPushButton>(QLatin1String(name))->click(); }
  bool shown(const char* name) { return find<QWidget>(QLatin1String(name))->isVisible(); }
  QString lastMessage() const {
    return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
  }

  void taylor(const char* term, const char* degree) {
    page->txtT_Funktion()->setText(QString::fromUtf8(term));
    page->txtnTaylor()->setText(QString::fromUtf8(degree));
    click("cmdTaylor");
  }

  void fourier(const char* term, const char* t1, const char* t2, const char* n) {
    page->txtFourier()->setText(QString::fromUtf8(term));
    page->txt_t1()->setText(QString::fromUtf8(t1));
    page->txt_t2()->setText(QString::fromUtf8(t2));
    page->txtGrad()->setText(QString::fromUtf8(n));
    click("cmdFourier");
  }

  SeriesPage* page = nullptr;
};

TEST_F(SeriesTest, TaylorShowsThePolynomialAndItsDrawButtonOnlyForAValidTerm) {
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("3"));
  click("cmdTaylor");
  EXPECT_EQ(lastMessage(), QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!"));
  page->txtT_Funktion()->setText(QStringLiteral("x^^2"));
  click("cmdTaylor");
  EXPECT_EQ(lastMessage(), QStringLiteral("Fehler bei der Eingabe des Funktionsterms!"));
  EXPECT_FALSE(shown("txtTaylor") || shown("lblTx") || shown("cmdPlotTaylor"));
  page->txtT_Funktion()->setText(QStringLiteral("sin(x)"));
  page->updnTaylor()->stepBy(2);
  click("cmdTaylor");
  EXPECT_EQ(page->txtTaylor()->text(), kSine);
  EXPECT_TRUE(shown("txtTaylor") && shown("lblTx") && shown("cmdPlotTaylor"));
  taylor("x^^2", "5");  // a later fault keeps the polynomial
  EXPECT_EQ(page->txtTaylor()->text(), kSine);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
}

TEST_F(SeriesTest, DegreeComesFromTheSpinnerWithinOneToFifteenOrAsTyped) {
  page->updnTaylor()->stepBy(100);
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("15"));
  page->updnTaylor()->stepBy(-100);
  EXPECT_EQ(page->txtnTaylor()->text(), QStringLiteral("1"));
  taylor("sin(x)", "2");
  EXPECT_EQ(page->txtTaylor()->text(), QStringLiteral("x"));
  taylor("0,5x^2", "4");  // the comma reaches the engine as a point
}

TEST_F(SeriesTest, DrawingTaylorTwiceListsTermAndPolynomialTwice) {
  taylor("sin(x)", "5");
  const QImage before = window->sheet().canvas().image();
  click("cmdPlotTaylor");
  click("cmdPlotTaylor");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  QComboBox* list = window->cboFunktionsterm();
  ASSERT_EQ(list->count(), 4);
  for (int i : {0, 2}) {
    EXPECT_EQ(list->itemText(i), QStringLiteral("sin(x)"));
    EXPECT_EQ(list->itemText(i + 1), kSine);
  }
  EXPECT_NE(window->sheet().canvas().image(), before);
}

TEST_F(SeriesTest, FourierSeriesOfXIsShownNumericallyAndDrawn) {
  EXPECT_FALSE(shown("txtFourierReihe") || shown("lblF") || shown("cmdPlotFourier"));
  fourier("x", "-3,14", "3,14", "3");
  const QString series = page->txtFourierReihe()->text();
  EXPECT_TRUE(series.startsWith(QStringLiteral("1.99898608523421*sin("))) << series.toStdString();
  EXPECT_TRUE(shown("txtFourierReihe") && shown("lblF") && shown("cmdPlotFourier"));
  click("cmdPlotFourier");
  EXPECT_EQ(window->tabMain()->currentIndex(), 0);
  ASSERT_EQ(window->cboFunktionsterm()->count(), 1);
  EXPECT_EQ(window->cboFunktionsterm()->itemText(0), series);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SeriesTest, FourierNamesTheFirstMissingInput) {
  fourier("", "", "", "");
  EXPECT_EQ(lastMessage(), QStringLiteral("Bitte geben Sie f(x) ein!"));
  fourier("x", "", "1", "1");
  EXPECT_EQ(lastMessage(), QStringLiteral("Bitte geben Sie t1 ein!"));
  fourier("x", "1", "", "");
  EXPECT_EQ(lastMessage(), QStringLiteral("Bitte geben Sie t2 ein!"));
  fourier("x", "-1", "1", "");
  EXPECT_EQ(lastMessage(), QStringLiteral("Bitte geben Sie n ein!"));
  EXPECT_EQ(dialogs.messages.size(), 4u);
  EXPECT_FALSE(shown("txtFourierReihe"));
}

}  // namespace
