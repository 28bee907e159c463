// The program itself, started as a teacher would from a script.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Finished {
  int exitCode = -1;
  QString errors;
};

Finished kurvalon(const QStringList& arguments) {
  QProcess process;
  // No display: the export must not need one.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  // In the sanitizer build: no list of the suppressed leaks of Giac on stderr.
  environment.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("print_suppressions=0"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(KURVALON_EXECUTABLE), arguments);
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardError())};
}

class ExportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    write("sheet.fkt", "-5,5,-4,4,1,1\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n");
    write("broken.fkt", "-5,5,x,4,1,1\r\n\"x^2\"\r\n");
  }
  void write(const char* name, const QByteArray& bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
  QTemporaryDir dir;
};

TEST_F(ExportCommand, WritesPngAndSvgAndExitsWithZero) {
  Finished png = kurvalon({"--export", path("sheet.fkt"), path("sheet.png"), "--size", "640x480"});
  EXPECT_EQ(png.exitCode, 0) << png.errors.toStdString();
  EXPECT_EQ(QImage(path("sheet.png")).size(), QSize(640, 480));
  EXPECT_TRUE(png.errors.isEmpty()) << png.errors.toStdString();

  Finished svg = kurvalon({"--export", path("sheet.fkt"), path("sheet.svg")});
  EXPECT_EQ(svg.exitCode, 0) << svg.errors.toStdString();
  QFile file(path("sheet.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("viewBox=\"0 0 1000 700\""));
}

TEST_F(ExportCommand, RefusesABadSheetOrExtensionAndWritesNothing) {
  Finished broken = kurvalon({"--export", path("broken.fkt"), path("out.png")});
  EXPECT_NE(broken.exitCode, 0);
  EXPECT_TRUE(broken.errors.contains(QStringLiteral("keine Graphdatei")))
      << broken.errors.toStdString();
  Finished jpeg = kurvalon({"--export", path("sheet.fkt"), path("out.jpg")});
  EXPECT_NE(jpeg.exitCode, 0);
  EXPECT_TRUE(jpeg.errors.contains(QStringLiteral(".png oder .svg"))) << jpeg.errors.toStdString();
  Finished missing = kurvalon({"--export", path("missing.fkt"), path("out.png")});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_FALSE(QFile::exists(path("out.png")));
  EXPECT_FALSE(QFile::exists(path("out.jpg")));
}

}  // namespace
