// The program itself, started as a teacher would from a script.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Exit code (-1 after a crash) and standard error of a run without a display.
std::pair<int, std::string> kurvalon(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("QT_QPA_PLATFORM");
  // In the sanitizer build: no list of the suppressed leaks of Giac on stderr.
  environment.insert("LSAN_OPTIONS", "print_suppressions=0");
  process.setProcessEnvironment(environment);
  process.start(KURVALON_EXECUTABLE, arguments);
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardError().toStdString()};
}

TEST(ExportCommand, WritesPngAndSvgOrRefusesABadSheetOrExtensionWritingNothing) {
  QTemporaryDir dir;
  const QString sheet = dir.filePath("sheet.fkt"), broken = dir.filePath("broken.fkt");
  for (const auto& [name, bytes] :
       {std::pair{sheet, "-5,5,-4,4,1,1\r\n\"x^2-2x\"\r\n\"foo(x)\"\r\n\"sin(x)\"\r\n"},
        {broken, "-5,5,x,4,1,1\r\n\"x^2\"\r\n"}}) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
  }
  // A faulty term is left out with a message, and nothing else is said.
  EXPECT_EQ(kurvalon({"--export", sheet, dir.filePath("a.png"), "--size", "640x480"}),
            std::pair(0, std::string("Der Funktionsterm foo(x) wurde ausgelassen: Fehler bei der "
                                     "Eingabe des Funktionsterms!\n")));
  EXPECT_EQ(QImage(dir.filePath("a.png")).size(), QSize(640, 480));
  EXPECT_EQ(kurvalon({"--export", sheet, dir.filePath("a.svg")}).first, 0);
  QFile svg(dir.filePath("a.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("viewBox=\"0 0 1000 700\""));

  // Refused: an exit code other than 0, a message that names the problem, and no file.
  const QString png = dir.filePath("b.png"), jpeg = dir.filePath("b.jpg");
  for (const auto& [arguments, names] :
       {std::pair{QStringList{"--export", broken, png}, "keine Graphdatei"},
        {QStringList{"--export", sheet, jpeg}, ".png oder .svg"},
        {QStringList{"--export", dir.filePath("missing.fkt"), png},
         "kann nicht geöffnet werden"}}) {
    const auto [exitCode, errors] = kurvalon(arguments);
    EXPECT_NE(exitCode, 0) << names;
    EXPECT_NE(errors.find(names), std::string::npos) << errors;
  }
  EXPECT_FALSE(QFile::exists(png) || QFile::exists(jpeg));
}

}  // namespace
