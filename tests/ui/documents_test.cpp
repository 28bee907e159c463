#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/differential_page.h"
#include "ui/window_fixture.h"

namespace {

class DocumentsTest : public WindowTest {
 protected:
  QString path(const char* name) const { return directory.filePath(QString::fromUtf8(name)); }

  QByteArray contents(const QString& file) const {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  void write(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  QStringList list() const {
    QStringList terms;
    for (int i = 0; i < window->cboFunktionsterm()->count(); ++i) {
      terms << window->cboFunktionsterm()->itemText(i);
    }
    return terms;
  }

  QTemporaryDir directory;
};

TEST_F(DocumentsTest, SavesTheLastDrawnWindowAndTheTermsAndReadsThemBack) {
  enterTerm(QStringLiteral("x^2-2x"));
  enterTerm(QStringLiteral("max(x,1)"));  // a term with a comma, unknown to the engine
  dialogs.messages.clear();
  window->kurvalonPage()->setViewTexts({"-5", "5", "-9", "9", "2,5", "1"});
  window->sheet().redraw();
  // Typed but not drawn: not saved.
  window->kurvalonPage()->setViewTexts({"-7", "5", "-9", "9", "2,5", "1"});
  dialogs.fileAnswers = {path("blatt.fkt")};
  window->speichern();
  EXPECT_EQ(dialogs.fileFilters.back(), QStringLiteral("*.fkt (*.fkt)"));
  EXPECT_EQ(contents(path("blatt.fkt")),
            QByteArray("-5,5,-9,9,2.5,1\r\n\"x^2-2x\"\r\n\"max(x,1)\"\r\n"));

  window->sheet().neu();
  window->kurvalonPage()->setViewTexts(kDefaultViewTexts);
  enterTerm(QStringLiteral("sin(x)"));
  dialogs.fileAnswers = {path("blatt.fkt")};
  window->öffnen();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(list(), QStringList({"sin(x)", "x^2-2x", "max(x,1)"}));  // appended
  EXPECT_EQ(window->kurvalonPage()->viewTexts()[4], QStringLiteral("2,5"));
  EXPECT_FLOAT_EQ(window->sheet().view().xmin, -5);  // and drawn
}

TEST_F(DocumentsTest, MalformedFilesChangeNothing) {
  enterTerm(QStringLiteral("x"));
  const ViewTexts view = window->kurvalonPage()->viewTexts();
  const char* files[] = {"",
                         "-10,10,-9,9,1\r\n",
                         "-10,10,-9,a,1,1\r\n",
                         "-10,10,-9,9,1,1\r\nx^2\r\n",
                         "-10,10,-9,9,1,1\r\n\"a\"b\"\r\n",
                         "\x7f"
                         "ELF\x02\x01\x01",
                         "5,5,-9,9,1,1\r\n"};
  for (const char* bytes : files) {
    write(path("kaputt.fkt"), QByteArray(bytes));
    dialogs.messages.clear();
    dialogs.fileAnswers = {path("kaputt.fkt")};
    window->öffnen();
    ASSERT_EQ(dialogs.messages.size(), 1u) << bytes;
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fehler"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("kaputt.fkt")));
    EXPECT_EQ(list(), QStringList({"x"})) << bytes;
    EXPECT_EQ(window->kurvalonPage()->viewTexts(), view) << bytes;
  }
  dialogs.messages.clear();
  dialogs.fileAnswers = {path("fehlt.fkt")};
  window->öffnen();
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(DocumentsTest, FailedOrRefusedSaveKeepsTheOldFile) {
  write(path("alt.fkt"), QByteArray("-10,10,-9,9,1,1\r\n"));
  enterTerm(QStringLiteral("a\"b"));
  dialogs.messages.clear();
  dialogs.fileAnswers = {path("alt.fkt"), path("gibt/es/nicht.fkt"), QString()};
  window->speichern();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(contents(path("alt.fkt")), QByteArray("-10,10,-9,9,1,1\r\n"));
  window->sheet().neu();
  window->speichern();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Fehler"));
  window->speichern();  // cancelled: nothing happens
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

QString pdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(20000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(DocumentsTest, PrintsThePictureAndTheDerivativeLines) {
  auto* page = window->findChild<DifferentialPage*>();
  page->txt_y()->setText(QStringLiteral("x^2-2*x"));
  page->txt_ystr()->setText(QStringLiteral("2*x-2"));
  page->txt_y2str()->setText(QStringLiteral("2"));
  page->txt_y3str()->setText(QStringLiteral("0"));
  page->lstDisk()->addItems({QStringLiteral("Nullstellen:"), QStringLiteral("1. N(0|0)")});
  dialogs.printerFile = path("blatt.pdf");
  window->drucke();
  EXPECT_TRUE(dialogs.messages.empty());
  QString text = pdfText(path("blatt.pdf"));
  for (const char* line : {"f(x) = x^2-2*x", "f'(x) = 2*x-2", "f''(x) = 2", "f'''(x) = 0",
                           "Nullstellen:", "1. N(0|0)"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
  }
  // The picture went through the clipboard and stays there.
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), window->sheet().canvas().image().size());

  dialogs.printerFile.reset();  // the print dialog is cancelled
  QFile::remove(path("blatt.pdf"));
  window->drucke();
  EXPECT_FALSE(QFile::exists(path("blatt.pdf")));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace

namespace {

TEST_F(DocumentsTest, ExportWritesThePictureAtTheChosenSizeOrSaysWhyNot) {
  enterTerm(QStringLiteral("x^2-2x"));
  QAction* exportItem = find<QAction>(QStringLiteral("mnuExport"));
  const QSize canvas(window->sheet().canvas().width(), window->sheet().canvas().height());

  dialogs.fileAnswers = {path("bild"), path("bild.svg"), path("bild.jpg"), QString(),
                         path("cancelled.png")};
  dialogs.itemAnswers = {1, std::nullopt};  // 2x, then the size dialog is cancelled
  exportItem->trigger();                    // no extension: a PNG
  EXPECT_EQ(QImage(path("bild.png")).size(), canvas * 2);
  EXPECT_EQ(dialogs.itemLists.back(), QStringList({"1×", "2×", "3×", "4×"}));
  EXPECT_EQ(dialogs.fileFilters.back(), "PNG-Bild (*.png);;SVG-Grafik (*.svg)");
  exportItem->trigger();  // SVG: no size to choose
  EXPECT_TRUE(contents(path("bild.svg")).startsWith("<?xml"));
  EXPECT_TRUE(dialogs.messages.empty());
  exportItem->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Fehler");
  EXPECT_TRUE(dialogs.messages[0].text.contains(".png oder .svg"));
  exportItem->trigger();  // the file dialog cancelled
  exportItem->trigger();  // the size dialog cancelled
  EXPECT_FALSE(QFile::exists(path("cancelled.png")));
  EXPECT_FALSE(QFile::exists(path("bild.jpg")));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
