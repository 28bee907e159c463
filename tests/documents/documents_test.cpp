#include "documents/graph_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <string_view>

#include "canvas/canvas.h"
#include "documents/picture_file.h"
#include "documents/printing.h"
#include "documents/sheet_export.h"
#include "engine/engine.h"
#include "gui_app.h"
#include "plot/appearance.h"
#include "qstring_print.h"

using namespace std::string_view_literals;

namespace {

constexpr std::array<float, 6> kDefaultView = {-10, 10, -9, 9, 1, 1};

QByteArray bytesOf(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Written files have point decimals (exact enough that every float reads back), quoted
// Latin-1 terms and CRLF; other layouts read as well.
TEST(GraphFile, WritesWhatReadsBackAndReadsOtherLayouts) {
  const struct {
    std::string_view bytes;
    std::array<float, 6> view;
    QStringList terms;
    bool written;  // exactly what writeGraphFile gives for view and terms
  } cases[] = {
      {"-10,10,-9,9,1,1\r\n\"x^2-2x\"\r\n", kDefaultView, {"x^2-2x"}, true},
      {"-10,10,-9,9,1,1\r\n", kDefaultView, {}, true},
      {"-0.5,1E+07,1.5E-07,9,2.5,0.1\r\n\"max(x,1)\"\r\n\"\"\r\n\" x\xB2\t\"\r\n",
       {-0.5f, 1e7f, 1.5e-7f, 9, 2.5f, 0.1f},
       {"max(x,1)", "", " x²\t"},
       true},
      {"-3.3333333,3.3333333,1.0000001,16777216,3.4028235E+38,1.1754944E-38\r\n\"x\"\r\n",
       {-10.0f / 3, 10.0f / 3, 1.00000012f, 16777216.0f, 3.40282347e38f, 1.17549435e-38f},
       {"x"},
       true},
      {"-10,10,-9\n9,1,1\n\"x\"", kDefaultView, {"x"}, false},
      {"\r\n -10 , 10,-9,9,1,1 \r\"x\"\r\r\n  \"\"  \r\n\r\n", kDefaultView, {"x", ""}, false},
      {".5,-.5,1E+07,1.5E-07,+2,3.", {0.5f, -0.5f, 1e7f, 1.5e-7f, 2, 3}, {}, false},
  };
  for (const auto& c : cases) {
    if (c.written) {
      EXPECT_EQ(writeGraphFile(c.view, c.terms),
                (std::variant<QByteArray, QString>(bytesOf(c.bytes))));
    }
    const auto read = readGraphFile(bytesOf(c.bytes));
    ASSERT_TRUE(std::holds_alternative<GraphFile>(read)) << std::get<QString>(read).toStdString();
    EXPECT_EQ(std::get<GraphFile>(read).view, c.view) << c.bytes;
    EXPECT_EQ(std::get<GraphFile>(read).terms, c.terms) << c.bytes;
  }
}

TEST(GraphFile, RefusesMalformedFilesNamingTheLineAndTermsThatCouldNotBeReadBack) {
  const std::tuple<std::string_view, const char*, const char*> cases[] = {
      {" \r\n\r\n", "Die Datei ist leer", ""},
      {"-10,10,-9\r\n9,1\r\n\"x\"\r\n", "Zeile 2:", "fehlen Zahlen"},
      {"-10,10,-9,9,1\r\n", "Zeile 1:", "fehlen Zahlen"},
      {"-10,abc,-9,9,1,1\r\n", "Zeile 1:", "\"abc\" ist keine Zahl"},
      {"-10,10,-9,9,1.2.3,1\r\n", "Zeile 1:", "\"1.2.3\" ist keine Zahl"},
      {"-10,10,-9,9,1E+39,1\r\n", "Zeile 1:", "Zahlenbereich"},
      {"-10,10,,9,1,1\r\n", "Zeile 1:", "leer"},
      {"-10,10,-9,9,1,1,7\r\n", "Zeile 1:", "Zu viele Zahlen"},
      {"-10,10,-9,9,1,1\r\n\"x\"\r\nx^2\r\n", "Zeile 3:", "nicht in Anführungszeichen"},
      {"-10,10,-9,9,1,1\r\n\"\r\n", "Zeile 2:", "nicht in Anführungszeichen"},
      {"-10,10,-9,9,1,1\r\n\"x\",\"y\"\r\n", "Zeile 2:", "weiteres Anführungszeichen"},
      {"\x00\x01\x02PK\x03\x04"sv, "Zeile 1:", "Steuerzeichen"}};
  for (const auto& [bytes, start, names] : cases) {
    const auto read = readGraphFile(bytesOf(bytes));
    ASSERT_TRUE(std::holds_alternative<QString>(read)) << bytes;
    const QString& message = std::get<QString>(read);
    EXPECT_TRUE(message.startsWith(QString::fromUtf8(start)) &&
                message.contains(QString::fromUtf8(names)))
        << message.toStdString();
  }
  const std::pair<QString, const char*> terms[] = {
      {"a\"b", "\"a\"b\" enthält ein Anführungszeichen"},
      {"2π", "\"2π\" enthält das Zeichen \"π\""},
      {"x\ny", "Steuerzeichen"}};
  for (const auto& [term, names] : terms) {
    const auto written = writeGraphFile(kDefaultView, {"x", term});
    ASSERT_TRUE(std::holds_alternative<QString>(written)) << names;
    EXPECT_TRUE(std::get<QString>(written).contains(QString::fromUtf8(names)))
        << std::get<QString>(written).toStdString();
  }
}

const QByteArray kSheet = "-10,10,-9,9,1,1\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n\"1/x\"\r\n";

class PictureFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication();
    ASSERT_TRUE(dir.isValid());
  }
  QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
  void write(const char* name, const QByteArray& bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  // The three-curve sheet drawn on a 600 x 400 canvas.
  Canvas drawn() {
    Canvas canvas(600, 400);
    EXPECT_EQ(drawSheet(canvas, engine, std::get<GraphFile>(readGraphFile(kSheet))), QString());
    return canvas;
  }
  Engine engine;
  QTemporaryDir dir;
};

// The picture file replays the record: at its own size the screen image,
// three times as large the same drawing, the axes where the frame puts them.
TEST_F(PictureFileTest, ReplayingTheRecordGivesTheScreenImageAtAnySize) {
  Canvas canvas = drawn();
  // Hatching, an inverted rubber band, a circle and text on top of the curves.
  canvas.setDrawMode(Canvas::DrawMode::MaskPen);
  canvas.setForeColor(QColor(255, 255, 0));
  canvas.lines({QLineF(300, 100, 300, 300), QLineF(310, 100, 310, 300)});
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.box(100, 100, 200, 150);
  canvas.setDrawMode(Canvas::DrawMode::Copy);
  canvas.circle(450, 300, 40);
  canvas.setCurrentX(20);
  canvas.setCurrentY(380);
  canvas.print(QStringLiteral("f(x) = x^2-2x"));
  EXPECT_EQ(renderPicture(canvas, 1), canvas.image());
  ASSERT_EQ(writePicture(canvas, path("sheet.PNG"), 3), QString());
  const QImage png(path("sheet.PNG"));
  ASSERT_EQ(png.size(), QSize(1800, 1200));
  // Off the curves, a point of the x axis (canvas y 196) and one of the y axis (x 294).
  const QRgb axes = Appearance().palette[kAchsen].rgb();
  EXPECT_EQ(std::pair(png.pixel(28 * 3, 204 * 3), png.pixel(294 * 3, 376 * 3)),
            std::pair(axes, axes));
  // The parabola x^2-2x passes (3|3) at canvas (376,8 | 260), in red.
  bool red = false;
  for (int dy = -6; dy <= 6; ++dy) {
    const QColor pixel(png.pixel(377 * 3, 140 * 3 + dy));
    red |= pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
  }
  EXPECT_TRUE(red);
}

// The extension decides the format; a picture is written whole or not at all.
TEST_F(PictureFileTest, FailedWritesLeaveNoFileAndKeepAnOldOne) {
  Canvas canvas = drawn();
  EXPECT_NE(writePicture(canvas, path("picture.jpg")), QString());
  EXPECT_NE(writePicture(canvas, path("png")), QString());
  EXPECT_NE(writePicture(canvas, path("no-folder/picture.png")), QString());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  write("old.jpg", "old");
  EXPECT_NE(writePicture(canvas, path("old.jpg")), QString());
  QFile old(path("old.jpg"));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old");
}

TEST(Printing, LinesFollowOnlyWhenDerivativesWereFormed) {
  PrintedSheet sheet;
  sheet.f = "x^2";
  sheet.discussion = {"Nullstellen:"};
  EXPECT_TRUE(printedLines(sheet).isEmpty());
  std::tie(sheet.f1, sheet.f2, sheet.f3) = std::tuple("2*x", "2", "0");
  EXPECT_EQ(printedLines(sheet), QStringList({"f(x) = x^2", "f'(x) = 2*x", "f''(x) = 2",
                                              "f'''(x) = 0", "", "Nullstellen:"}));
}

// A page of 144 dots per inch: 100 twips are 10 dots, and a picture drawn for 72 dpi
// doubles. The drawing replayed as vectors lands where the picture did: same axes, same
// inked box, texts of the same size; both shrink alike to fit a narrow page.
TEST_F(PictureFileTest, ThePrintedDrawingStandsWhereThePictureDid) {
  // The darkest row and column (the axes) and the box around all that is not white.
  auto marks = [](const Canvas& canvas, bool vectors, int width) {
    PrintedSheet sheet;
    sheet.picture = canvas.image();
    if (vectors) sheet.drawing = &canvas;
    QImage page(width, 1000, QImage::Format_RGB32);
    page.setDotsPerMeterX(5669);
    page.setDotsPerMeterY(5669);
    page.fill(Qt::white);
    QPainter painter(&page);
    paintSheet(painter, sheet, 144, 72);
    std::vector<int> rows(page.height()), columns(page.width());
    QRect inked;
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) {
        const int gray = qGray(page.pixel(x, y));
        if (gray < 250) inked |= QRect(x, y, 1, 1);
        if (gray < 128) ++rows[y], ++columns[x];
      }
    }
    return std::array<int, 6>{
        int(std::max_element(rows.begin(), rows.end()) - rows.begin()),
        int(std::max_element(columns.begin(), columns.end()) - columns.begin()),
        inked.left(),
        inked.top(),
        inked.right(),
        inked.bottom()};
  };
  const Canvas canvas = drawn();
  for (int width : {1400, 700}) {
    const auto picture = marks(canvas, false, width), vectors = marks(canvas, true, width);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(vectors[i], picture[i], i < 2 ? 1 : 2) << width << i;
    if (width == 1400) {
      EXPECT_EQ(QPoint(vectors[2], vectors[3]), QPoint(10, 10));
    }
  }
  // A text alone keeps its size among the canvas' pixels.
  Canvas words(300, 100);
  words.setCurrentX(20);
  words.setCurrentY(50);
  words.print(QStringLiteral("Wendepunkt 1,5"));
  const auto printed = marks(words, true, 1400), shown = marks(words, false, 1400);
  EXPECT_NEAR(printed[4] - printed[2], shown[4] - shown[2], 4);  // width
  EXPECT_NEAR(printed[5] - printed[3], shown[5] - shown[3], 2);  // height
}

}  // namespace
