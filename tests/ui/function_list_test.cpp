#include <QComboBox>

#include "ui/window_fixture.h"

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 192), kAxes(64, 64, 64);
const QString kTermError = QStringLiteral("Fehler bei der Eingabe des Funktionsterms!");

TEST_F(WindowTest, EnterAddsEachTermOnceAndDrawsItInItsColour) {
  enterTerm(QStringLiteral("x^2-2x"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 1);
  EXPECT_GT(count(kRed), 300);
  enterTerm(QStringLiteral("sin(x)"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 2);
  EXPECT_GT(count(kBlue), 300);
  int red = count(kRed);

  // The same term again: no new entry, drawn again in the current colour.
  enterTerm(QStringLiteral("sin(x)"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 2);
  EXPECT_EQ(count(kRed), red);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, EnterOnAnEmptyFieldAddsAnEmptyEntryAndDrawsNothing) {
  QImage before = window->sheet().canvas().image();
  enterTerm(QString());
  EXPECT_EQ(window->cboFunktionsterm()->count(), 1);
  EXPECT_EQ(window->sheet().canvas().image(), before);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, FaultyTermIsListedThenReported) {
  enterTerm(QStringLiteral("x^^2"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
  EXPECT_EQ(dialogs.messages[0].text, kTermError);
}

TEST_F(WindowTest, TermsUndefinedInPartsOfTheWindowAreDrawnWithoutMessage) {
  enterTerm(QStringLiteral("ln(x)"));
  enterTerm(QStringLiteral("sqrt(4-x^2)"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kRed), 100);
  EXPECT_GT(count(kBlue), 100);
}

TEST_F(WindowTest, EntriesTakeTheirSwatchesAndCycleBeyondTheTenth) {
  const char* terms[] = {"1", "2", "3", "4", "5", "6", "7", "8", "-1", "-2", "-3"};
  for (const char* term : terms) enterTerm(QString::fromLatin1(term));
  EXPECT_TRUE(dialogs.messages.empty());  // the eleventh is no error
  const Canvas& canvas = window->sheet().canvas();
  const PixelFrame& f = window->sheet().frame();
  auto colourAt = [&](float y) {
    int row = static_cast<int>(std::lround(f.pixelY(y, window->sheet().view())));
    return QColor(canvas.pixel(f.pixLinks + 40, row)).rgb() & 0xffffff;
  };
  EXPECT_EQ(colourAt(6), kAxes.rgb() & 0xffffff);          // sixth entry: the axes colour
  EXPECT_EQ(colourAt(8), qRgb(255, 255, 255) & 0xffffff);  // eighth: the background
  EXPECT_EQ(colourAt(-3), kRed.rgb() & 0xffffff);          // eleventh: the first curve colour again
}

TEST_F(WindowTest, RedrawGoesOnPastAFailingEntry) {
  enterTerm(QStringLiteral("foo(x)"));
  enterTerm(QStringLiteral("x"));
  dialogs.messages.clear();
  window->sheet().redraw();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(count(kBlue), 300);
  // Afterwards the last entry is in the entry field.
  EXPECT_EQ(window->cboFunktionsterm()->currentText(), QStringLiteral("x"));
}

TEST_F(WindowTest, NeuEmptiesTheSheet) {
  enterTerm(QStringLiteral("x^2-2x"));
  window->sheet().neu();
  EXPECT_EQ(window->cboFunktionsterm()->count(), 0);
  window->sheet().Graphen_zeichnen();
  EXPECT_EQ(count(kRed), 0);
}

TEST_F(WindowTest, CurvesTakeTheChosenWidthAxesStayThin) {
  enterTerm(QStringLiteral("3"));
  clickButton(QStringLiteral("optLine(2)"));
  const PixelFrame& f = window->sheet().frame();
  int curveRow = static_cast<int>(std::lround(f.pixelY(3, window->sheet().view())));
  int x = f.pixLinks + 100;
  // A smoothed line may straddle rows: its ink across the rows is its width.
  double thick = 0;
  for (int y = curveRow - 4; y <= curveRow + 4; ++y) {
    thick += coverage(window->sheet().canvas().pixel(x, y), kRed);
  }
  EXPECT_NEAR(thick, 3, 0.25);
  int axis = 0;
  int axisRow = static_cast<int>(std::lround(f.nullY));
  for (int y = axisRow - 4; y <= axisRow + 4; ++y)
    axis += window->sheet().canvas().pixel(x, y) == kAxes.rgb();
  EXPECT_EQ(axis, 1);
}

}  // namespace
