// A family's parameter on the sheet: drawn with its value, kept by undo,
// the graph file and the recovery file, and handed to the calculators.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "documents/graph_file.h"
#include "documents/recovery_file.h"
#include "engine/requests.h"
#include "plot/family_plot.h"
#include "sheet/sheet_fixture.h"

namespace {

class FamilySheetTest : public SheetFixture {
 protected:
  static void waitFrames() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3 * FrameCoalescer::kFrameMs) QCoreApplication::processEvents();
  }
  void setT(double value) {
    Parameter p = parameterFor(sheet.parameters(), u't');
    p.value = value;
    act([&] { sheet.setParameter(p); });
    waitFrames();
  }
  QImage drawnAlone(const QString& term) {
    Sheet other(engine);
    other.setSurface([this] { return Sheet::Surface{size_, 1}; });
    other.setParameter(parameterFor(sheet.parameters(), u't'));
    other.setEntryText(term);
    other.redraw();
    other.enterTerm();
    return other.canvas().image().copy();
  }
};

TEST_F(FamilySheetTest, ACurveWithAParameterIsTheCurveWithTheValueWrittenIn) {
  enter({QStringLiteral("x^3-t*x")});
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  ASSERT_TRUE(sheet.entryParameter());
  EXPECT_EQ(*sheet.entryParameter(), (Parameter{u't', 1, -5, 5, 0.5}));

  setT(3);
  EXPECT_EQ(sheet.canvas().image(), drawnAlone(QStringLiteral("x^3-3*x")));
  setT(-1.5);
  EXPECT_EQ(sheet.canvas().image(), drawnAlone(QStringLiteral("x^3+1,5*x")));
  EXPECT_NE(sheet.canvas().image(), drawnAlone(QStringLiteral("x^3-3*x")));

  // Two parameters: refused, naming them, and not listed.
  enter({QStringLiteral("a*x^2+b")});
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], QStringLiteral("Der Term enthält mehrere Parameter (a, b); erlaubt ist einer."));
  EXPECT_EQ(sheet.terms(), QStringList{QStringLiteral("x^3-t*x")});
}

TEST_F(FamilySheetTest, CalculatorsTakeTheMemberAndSayWhichOne) {
  enter({QStringLiteral("x^3-t*x")});
  setT(-0.5);
  const Sheet::CalculatorTerm member = sheet.calculatorTerm(sheet.entryText());
  EXPECT_EQ(member.note, QStringLiteral("für t = −0,5"));
  for (double x : {-2.0, 0.3, 1.7}) {
    const FunctionValue v = Funktionswert(engine, EngineTerm::fromUser(member.term), x);
    ASSERT_TRUE(v.value) << member.term.toStdString();
    EXPECT_NEAR(*v.value, x * x * x + 0.5 * x, 1e-9) << member.term.toStdString();
  }
  const Sheet::CalculatorTerm plain = sheet.calculatorTerm(QStringLiteral("x^2"));
  EXPECT_EQ(plain.term, QStringLiteral("x^2"));
  EXPECT_TRUE(plain.note.isEmpty());

  // Members without real values are refused, not handed on.
  setT(0);
  EXPECT_EQ(sheet.calculatorTerm(QStringLiteral("x^2/t")).refusal,
            QStringLiteral("Die Funktion ist für t = 0 nicht definiert."));
  setT(-1);
  EXPECT_FALSE(sheet.calculatorTerm(QStringLiteral("sqrt(t)*x")).refusal.isEmpty());
  EXPECT_TRUE(sheet.calculatorTerm(QStringLiteral("sqrt(-t)*x")).refusal.isEmpty());
}

TEST_F(FamilySheetTest, ASliderDragIsOneStepAndUndoBringsTheValueAndTheDrawingBack) {
  enter({QStringLiteral("t*x^2")});
  const QImage atOne = sheet.canvas().image().copy();
  const int steps = sheet.steps().history().steps();
  sheet.beginParameterDrag();
  for (double v : {1.5, 2.0, 2.5, 3.0}) setT(v);
  act([&] { sheet.endParameterDrag(); });
  EXPECT_EQ(sheet.steps().history().steps(), steps + 1);
  EXPECT_EQ(sheet.canvas().image(), drawnAlone(QStringLiteral("3*x^2")));

  act([&] { sheet.undo(); });
  EXPECT_EQ(sheet.entryParameter()->value, 1);
  EXPECT_EQ(sheet.canvas().image(), atOne);
  act([&] { sheet.redo(); });
  EXPECT_EQ(sheet.entryParameter()->value, 3);

  // A value set without a drag (a key, a typed value) is one step whose
  // picture belongs to it.
  const QImage atThree = sheet.canvas().image().copy();
  setT(-2);
  EXPECT_EQ(sheet.canvas().image(), drawnAlone(QStringLiteral("-2*x^2")));
  act([&] { sheet.undo(); });
  EXPECT_EQ(sheet.canvas().image(), atThree);

  // Moving the slider of a family chosen among other terms keeps it chosen.
  enter({QStringLiteral("x^2"), QStringLiteral("a*x")});
  act([&] { sheet.selectTerm(0); });
  setT(1.5);
  EXPECT_EQ(sheet.entryText(), QStringLiteral("t*x^2"));
  EXPECT_EQ(sheet.currentTerm(), 0);
}

TEST_F(FamilySheetTest, ValueRangeAndStepSurviveSavingOpeningAndRecovery) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("schar.fkt"));
  enter({QStringLiteral("x^2"), QStringLiteral("x^4-2k*x^2")});
  const Parameter k{u'k', 0.25, -2, 3, 0.25};
  act([&] { sheet.setParameter(k); });
  waitFrames();
  ASSERT_TRUE(sheet.save(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            QByteArray("-10,10,-9,9,1,1\r\n\"x^2\"\r\n\"x^4-2k*x^2\"\r\n"
                       "#Parameter k=0.25 von=-2 bis=3 Schrittweite=0.25\r\n"));

  Sheet opened(engine);
  opened.setSurface([this] { return Sheet::Surface{size_, 1}; });
  ASSERT_TRUE(opened.open(path));
  EXPECT_EQ(parameterFor(opened.parameters(), u'k'), k);
  EXPECT_EQ(opened.canvas().image(), sheet.canvas().image());

  Sheet recovered(engine);
  recovered.setSurface([this] { return Sheet::Surface{size_, 1}; });
  ASSERT_TRUE(recovered.restoreRecovery(sheet.recoveryBytes()));
  EXPECT_EQ(parameterFor(recovered.parameters(), u'k'), k);
  EXPECT_EQ(recovered.canvas().image(), sheet.canvas().image());
  // A damaged parameter makes the recovery file unreadable, not half read.
  QByteArray damaged = sheet.recoveryBytes();
  damaged.replace("\"step\":0.25", "\"step\":0");
  EXPECT_FALSE(readRecovery(damaged));

  act([&] { sheet.neu(); });  // a new sheet starts from the defaults
  EXPECT_TRUE(sheet.parameters().isEmpty());
}

TEST_F(FamilySheetTest, OldSheetsReadAndWriteByteForByte) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("alt.fkt"));
  const QByteArray old = "-5,5,-4,4,0.5,0.5\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n\"\"\r\n";
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(old);
  file.close();
  ASSERT_TRUE(sheet.open(path));
  ASSERT_TRUE(sheet.save(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), old);
}

TEST(FamilyGraphFile, ParameterLinesReadBackAndBadOnesAreRefusedWithTheirLine) {
  const Parameters parameters{{u't', -0.1, -1, 1, 0.1}, {u'a', 2, 0, 10, 1}};
  const auto written = writeGraphFile({-10, 10, -9, 9, 1, 1}, {"t*x", "a+x"}, parameters);
  ASSERT_TRUE(std::holds_alternative<QByteArray>(written));
  const auto read = readGraphFile(std::get<QByteArray>(written));
  ASSERT_TRUE(std::holds_alternative<GraphFile>(read));
  EXPECT_EQ(std::get<GraphFile>(read).parameters, parameters);
  EXPECT_EQ(std::get<GraphFile>(read).terms, (QStringList{"t*x", "a+x"}));

  for (const char* line : {"#Parameter t=1 von=5 bis=-5 Schrittweite=0.5",
                           "#Parameter t=1 von=-5 bis=5 Schrittweite=0",
                           "#Parameter x=1 von=-5 bis=5 Schrittweite=0.5",
                           "#Parameter t=eins von=-5 bis=5 Schrittweite=0.5",
                           "#Parameter t=1 von=-5 bis=inf Schrittweite=0.5"}) {
    const auto refused =
        readGraphFile(QByteArray("-10,10,-9,9,1,1\r\n\"t*x\"\r\n") + line + "\r\n");
    ASSERT_TRUE(std::holds_alternative<QString>(refused)) << line;
    EXPECT_EQ(std::get<QString>(refused),
              QStringLiteral("Zeile 3: Die Angaben zum Parameter sind fehlerhaft."));
  }
}

TEST(FamilyMembers, FromVonToBisInStepsAtMostFortyOneAndReadableValues) {
  EXPECT_EQ((Parameter{u't', 1, -1, 1, 0.5}).members(), (QList<double>{-1, -0.5, 0, 0.5, 1}));
  const QList<double> tenths = Parameter{u't', 0, 0, 1, 0.1}.members();
  ASSERT_EQ(tenths.size(), 11);
  EXPECT_EQ(tenths[3], 0.3);  // not 0.30000000000000004
  EXPECT_EQ(tenths.back(), 1);
  EXPECT_EQ((Parameter{u't', 0, -5, 5, 0.01}).members().size(), kMaxMembers);
  EXPECT_TRUE((Parameter{u't', 0, 1, -1, 0.5}).members().isEmpty());
  EXPECT_EQ((Parameter{u't', 0, -5, 5, 0.5}).snapped(1.3), 1.5);
  EXPECT_EQ((Parameter{u't', 0, -5, 5, 0.5}).snapped(99), 5);

  // Light to dark: every channel falls from the first member to the last.
  const QColor first = memberShade(Qt::red, 0, 5), last = memberShade(Qt::red, 4, 5);
  EXPECT_GT(first.lightness(), memberShade(Qt::red, 2, 5).lightness());
  EXPECT_GT(memberShade(Qt::red, 2, 5).lightness(), last.lightness());
}

TEST_F(FamilySheetTest, ScharDrawsTheMembersInShadesAsOneStep) {
  enter({QStringLiteral("x^2+t")});
  const int steps = sheet.steps().history().steps();
  Parameter p = *sheet.entryParameter();
  p.from = -2;
  p.to = 2;
  p.step = 1;
  act([&] { sheet.setParameter(p); });
  waitFrames();
  act([&] { sheet.drawFamily(); });
  EXPECT_EQ(sheet.steps().history().steps(), steps + 2);
  const QColor red = sheet.appearance().curveColor(0);
  for (int i = 0; i < 5; ++i) EXPECT_GT(count(memberShade(red, i, 5)), 20) << i;

  p.step = 0.05;  // 81 members: refused rather than cut short
  act([&] { sheet.setParameter(p); });
  act([&] { sheet.drawFamily(); });
  EXPECT_EQ(messages.back(),
            QStringLiteral("Die Schar hätte mehr als 41 Graphen; bitte wählen Sie eine größere "
                           "Schrittweite."));

  enter({QStringLiteral("x^2")});
  act([&] { sheet.drawFamily(); });
  EXPECT_EQ(messages.back(), QStringLiteral("Der Term im Eingabefeld enthält keinen Parameter."));
}

}  // namespace
