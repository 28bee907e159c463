// The program itself, started as a teacher or a file manager would: the
// export without a window, the options, sheets named on the command line.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include "documents/recovery_file.h"

namespace {

class CommandTest : public ::testing::Test {
 protected:
  // Without a display unless asked for; no list of Giac's suppressed leaks
  // on stderr in the sanitizer build.
  void start(const QStringList& arguments, bool window = false) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    if (window) environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", dir.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    environment.insert("LSAN_OPTIONS", "print_suppressions=0");
    process.setProcessEnvironment(environment);
    process.start(KURVALON_EXECUTABLE, arguments);
  }
  // Exit code (-1 after a crash), standard output and standard error.
  std::tuple<int, std::string, std::string> run(const QStringList& arguments) {
    start(arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
  }
  QString file(const char* name, const char* bytes) {
    QFile written(dir.filePath(name));
    EXPECT_TRUE(written.open(QIODevice::WriteOnly) && written.write(bytes) > 0);
    return written.fileName();
  }
  QTemporaryDir dir;
  QProcess process;
};

TEST_F(CommandTest, ExportWritesPngAndSvgOrRefusesABadSheetOrExtensionWritingNothing) {
  const QString sheet =
      file("sheet.fkt", "-5,5,-4,4,1,1\r\n\"x^2-2x\"\r\n\"foo(x)\"\r\n\"sin(x)\"\r\n");
  const QString broken = file("broken.fkt", "-5,5,x,4,1,1\r\n\"x^2\"\r\n");
  // A faulty term is left out with a message, and nothing else is said.
  EXPECT_EQ(run({"--export", sheet, dir.filePath("a.png"), "--size", "640x480"}),
            std::tuple(0, std::string(),
                       std::string("Der Funktionsterm foo(x) wurde ausgelassen: Fehler bei der "
                                   "Eingabe des Funktionsterms!\n")));
  EXPECT_EQ(QImage(dir.filePath("a.png")).size(), QSize(640, 480));
  EXPECT_EQ(std::get<0>(run({"--export", sheet, dir.filePath("a.svg")})), 0);
  QFile svg(dir.filePath("a.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("viewBox=\"0 0 1000 700\""));

  // Refused: an exit code other than 0, a message that names the problem, and no file.
  const QString png = dir.filePath("b.png"), jpeg = dir.filePath("b.jpg");
  for (const auto& [arguments, names] :
       {std::pair{QStringList{"--export", broken, png}, "keine Graphdatei"},
        {QStringList{"--export", sheet, jpeg}, ".png oder .svg"},
        {QStringList{"--export", dir.filePath("missing.fkt"), png}, "kann nicht geöffnet werden"},
        {QStringList{"--export", sheet, png, "--size", "9x9"}, "BREITExHÖHE"}}) {
    const auto [exitCode, output, errors] = run(arguments);
    EXPECT_NE(exitCode, 0) << names;
    EXPECT_NE(errors.find(names), std::string::npos) << errors;
  }
  EXPECT_FALSE(QFile::exists(png) || QFile::exists(jpeg));
}

// Answered on the terminal, in German, without a window (there is no display).
TEST_F(CommandTest, HelpListsTheOptionsAndAnUnknownOneIsRefused) {
  const auto [helped, help, helpErrors] = run({"--help"});
  EXPECT_EQ(helped, 0);
  for (const char* listed :
       {"Aufruf:", "--export", "--size <BREITExHÖHE>", "BLATT.fkt", "--param <BUCHSTABE>"})
    EXPECT_NE(help.find(listed), std::string::npos) << help;
  EXPECT_EQ(run({"--bogus", "sheet.fkt"}),
            std::tuple(2, std::string(),
                       std::string("Unbekannte Option 'bogus'.\nEine Übersicht der Optionen gibt "
                                   "kurvalon --help.\n")));
  EXPECT_EQ(std::get<0>(run({"--size", "640x480"})), 2);  // only with --export
  EXPECT_EQ(std::get<0>(run({"--from", "-2"})), 2);       // only with --discuss
}

// The worked solution on standard output, for worksheets; the points of a
// periodic term lie between --from and --to.
TEST_F(CommandTest, DiscussPrintsTheWorkedSolutionOrTheTermsError) {
  const auto [solved, text, errors] = run({"--discuss", "x^3-3x"});
  EXPECT_EQ(solved, 0) << errors;
  EXPECT_EQ(text.rfind("Funktion und Ableitungen\n  f(x) = x³ − 3x\n", 0), 0u) << text;
  EXPECT_NE(text.find("Ergebnis\n  N1(−√3 | 0) ≈ (−1,732 | 0)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  HP1(−1 | 2)\n  TP1(1 | −2)\n  WP1(0 | 0)\n"), std::string::npos);

  const auto [periodic, sine, sineErrors] =
      run({"--discuss", "sin(x)", "--from", "-1", "--to", "3,5"});
  EXPECT_EQ(periodic, 0) << sineErrors;
  EXPECT_NE(sine.find("  N1(0 | 0)\n  N2(π | 0) ≈ (3,142 | 0)\n  Sy(0 | 0)\n  HP1(π/2 | 1)"),
            std::string::npos)
      << sine;
  EXPECT_EQ(
      run({"--discuss", "2y+1"}),
      std::tuple(1, std::string(), std::string("Fehler bei der Eingabe des Funktionsterms!\n")));
  EXPECT_EQ(std::get<0>(run({"--discuss", "x", "--from", "3", "--to", "1"})), 2);
}

// A family: the cases of the parameter and the Ortskurven; --param names a
// letter of the term, and only with --discuss. The points are checked
// numerically in tests/calculus/worked_family_test.cpp.
TEST_F(CommandTest, DiscussWithParamPrintsTheFamilyOrRefusesAMismatch) {
  const auto [solved, text, errors] = run({"--discuss", "x^4-2t*x^2", "--param", "t"});
  EXPECT_EQ(solved, 0) << errors;
  for (const char* expected :
       {"Funktionenschar mit dem Parameter t ∈ ℝ\n", "  f′(x) = 4x³ − 4t·x\n",
        "für t > 0: f″(±√t) = 8t > 0 ⇒ TP(±√t | −t²)",
        "Ortskurven\n  Ortskurve der Tiefpunkte: y = −x⁴ (x ≠ 0)\n"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  // Without --param the letter is found in the term all the same.
  EXPECT_EQ(std::get<1>(run({"--discuss", "x^4-2t*x^2"})), text);

  const struct {
    QStringList arguments;
    int status;
    const char* errors;
  } refused[] = {
      {{"--param", "t"}, 2, "Die Option --param gilt nur zusammen mit --discuss.\n"},
      {{"--discuss", "x^2+a", "--param", "t"}, 2, "Der Term enthält den Parameter t nicht.\n"},
      {{"--discuss", "x^2+t", "--param", "x"},
       2,
       "Der Parameter nach --param muss ein einzelner Buchstabe außer x, e und y sein.\n"},
      {{"--discuss", "x^2+t", "--param", "tt"},
       2,
       "Der Parameter nach --param muss ein einzelner Buchstabe außer x, e und y sein.\n"},
      {{"--discuss", "a*x^2+t", "--param", "t"},
       1,
       "Der Term enthält mehrere Parameter (a, t); erlaubt ist einer.\n"},
  };
  for (const auto& one : refused)
    EXPECT_EQ(run(one.arguments), std::tuple(one.status, std::string(), std::string(one.errors)))
        << one.arguments.join(' ').toStdString();
}

// The sheets open in turn; when the program is killed after that change its
// recovery file stays behind for the next one.
TEST_F(CommandTest, OpensEveryReadableSheetStaysOpenAfterAnUnreadableOneAndLeavesItsRecovery) {
  const QString first = file("erstes.fkt", "-5,5,-4,4,1,1\r\n\"x^2-2x\"\r\n");
  const QString second = file("zweites.fkt", "-3,3,-2,2,1,1\r\n\"sin(x)\"\r\n\"1/x\"\r\n");
  const QString broken = file("kaputt.fkt", "kein Blatt\r\n");
  // The unreadable sheet comes last: its message waits for an OK nobody gives.
  start({first, second, broken}, true);
  ASSERT_TRUE(process.waitForStarted());

  // Opening is a change: the recovery file holds both sheets once the window does.
  const QString recovery = dir.filePath("data/Kurvalon/recovery-1.json");
  std::optional<RecoveredSheet> shown;
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 30000 && !(shown && shown->terms.size() >= 3)) {
    QFile written(recovery);
    if (written.open(QIODevice::ReadOnly)) shown = readRecovery(written.readAll());
    QThread::msleep(50);
  }
  ASSERT_TRUE(shown) << "no recovery file after " << waited.elapsed() << " ms";
  EXPECT_FALSE(process.waitForFinished(1000)) << "ended with " << process.exitCode();
  QSettings settings(dir.filePath("config/Kurvalon/Kurvalon.conf"), QSettings::IniFormat);
  EXPECT_EQ(settings.value("recentFiles").toStringList(), QStringList({second, first}));
  process.kill();  // SIGKILL: nothing is cleaned up
  ASSERT_TRUE(process.waitForFinished());
  EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

  // The next program takes over the slot and finds the sheet.
  RecoveryFile next(dir.filePath("data/Kurvalon"));
  EXPECT_EQ(next.path(), recovery);
  ASSERT_TRUE(next.leftOver());
  const std::optional<RecoveredSheet> found = readRecovery(*next.leftOver());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->terms, QStringList({"x^2-2x", "sin(x)", "1/x"}));
  EXPECT_EQ(found->view, (std::array<float, 6>{-3, 3, -2, 2, 1, 1}));
}

}  // namespace
