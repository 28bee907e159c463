#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include "canvas/canvas.h"
#include "documents/graph_file.h"
#include "documents/picture_file.h"
#include "documents/sheet_export.h"
#include "engine/engine.h"
#include "gui_app.h"
#include "plot/appearance.h"
#include "plot/coordinate_system.h"
#include "qstring_print.h"

namespace {

const QByteArray kSheet = "-10,10,-9,9,1,1\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n\"1/x\"\r\n";

class PictureFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication<QGuiApplication>();
    ASSERT_TRUE(dir.isValid());
  }

  QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

  // The three-curve sheet drawn on a 600 x 400 canvas.
  Canvas drawn() {
    Canvas canvas(600, 400);
    auto sheet = readGraphFile(kSheet);
    EXPECT_TRUE(std::holds_alternative<GraphFile>(sheet));
    EXPECT_EQ(drawSheet(canvas, engine, std::get<GraphFile>(sheet)), QString());
    return canvas;
  }

  Engine engine;
  QTemporaryDir dir;
};

TEST_F(PictureFileTest, FormatsGoByTheExtension) {
  EXPECT_EQ(pictureFormatFor(QStringLiteral("a/b.png")), PictureFormat::Png);
  EXPECT_EQ(pictureFormatFor(QStringLiteral("B.SVG")), PictureFormat::Svg);
  EXPECT_EQ(pictureFormatFor(QStringLiteral("b.jpg")), std::nullopt);
  EXPECT_EQ(pictureFormatFor(QStringLiteral("png")), std::nullopt);
}

TEST_F(PictureFileTest, ReplayingTheRecordGivesTheScreenImage) {
  Canvas canvas = drawn();
  // Hatching, an inverted rubber band and text on top of the curves.
  canvas.setDrawMode(Canvas::DrawMode::MaskPen);
  canvas.setForeColor(QColor(255, 255, 0));
  canvas.lines({QLineF(300, 100, 300, 300), QLineF(310, 100, 310, 300)});
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.box(100, 100, 200, 150);
  canvas.setDrawMode(Canvas::DrawMode::Copy);
  canvas.setCurrentX(20);
  canvas.setCurrentY(380);
  canvas.print(QStringLiteral("f(x) = x^2-2x"));
  EXPECT_EQ(renderPicture(canvas, 1), canvas.image());
}

TEST_F(PictureFileTest, PngHasTheAxesAtTheComputedPixelsAndTheCurveWhereItBelongs) {
  Canvas canvas = drawn();
  // The frame the drawing used, computed again for the same window.
  Canvas scratch(600, 400);
  const ViewWindow view;
  const Appearance appearance;
  const PixelFrame frame = Koordinatensystem_zeichnen(scratch, view, appearance);
  for (int scale : {1, 3}) {
    ASSERT_EQ(writePicture(canvas, path("sheet.png"), scale), QString());
    QImage png(path("sheet.png"));
    ASSERT_EQ(png.size(), QSize(600 * scale, 400 * scale));
    const QRgb axes = appearance.palette[kAchsen].rgb();
    const int axisRow = (400 - qRound(frame.nullY)) * scale;
    const int axisColumn = qRound(frame.nullX) * scale;
    // Off the curves, a point of the x axis and one of the y axis.
    EXPECT_EQ(png.pixel(frame.pixLinks * scale + 10 * scale, axisRow), axes) << scale;
    EXPECT_EQ(png.pixel(axisColumn, (400 - frame.pixUnten) * scale - 20 * scale), axes) << scale;
    // The parabola x^2-2x passes (3|3) in red, the first palette colour.
    const QPointF vertex = frame.point(3, 3, view);
    bool red = false;
    for (int dy = -2 * scale; dy <= 2 * scale; ++dy) {
      const QColor pixel(
          png.pixel(qRound(vertex.x()) * scale, (400 - qRound(vertex.y())) * scale + dy));
      red |= pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
    }
    EXPECT_TRUE(red) << scale;
  }
}

TEST_F(PictureFileTest, SvgIsWellFormedWithEachCurveAsAPath) {
  Canvas canvas = drawn();
  canvas.setDrawMode(Canvas::DrawMode::Invert);
  canvas.box(100, 100, 200, 150);  // inverted: black in the vector file
  ASSERT_EQ(writePicture(canvas, path("sheet.svg")), QString());
  QFile file(path("sheet.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  int curvePaths = 0;
  bool sawSvg = false, blackRect = false;
  QString stroke;  // Qt writes the pen on the group around each shape
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) {
      sawSvg = true;
      EXPECT_EQ(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 600 400"));
    }
    if (xml.name() == QLatin1String("g")) stroke = xml.attributes().value("stroke").toString();
    if (xml.name() == QLatin1String("path") &&
        (stroke == "#ff0000" || stroke == "#0000c0" || stroke == "#00c000")) {
      const QString d = xml.attributes().value("d").toString();
      curvePaths += d.count(QLatin1Char('L')) > 100;  // a curve of many segments
    }
    if (stroke == "#000000" &&
        (xml.name() == QLatin1String("rect") || xml.name() == QLatin1String("path"))) {
      blackRect = true;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(sawSvg);
  EXPECT_GE(curvePaths, 3);
  EXPECT_TRUE(blackRect);
}

TEST_F(PictureFileTest, FailedWritesLeaveNoFile) {
  Canvas canvas = drawn();
  EXPECT_NE(writePicture(canvas, path("picture.jpg")), QString());
  EXPECT_FALSE(QFile::exists(path("picture.jpg")));
  EXPECT_NE(writePicture(canvas, path("no-folder/picture.png")), QString());
  EXPECT_FALSE(QFile::exists(path("no-folder/picture.png")));
}

TEST_F(PictureFileTest, ExportArgumentsAreReadOrRefusedWithAMessage) {
  EXPECT_EQ(exportRequest({QStringLiteral("sheet.fkt")}), std::nullopt);
  auto request = exportRequest({"--export", "a.fkt", "b.svg", "--size", "800x600"});
  ASSERT_TRUE(request && std::holds_alternative<ExportRequest>(*request));
  EXPECT_EQ(std::get<ExportRequest>(*request).sheet, "a.fkt");
  EXPECT_EQ(std::get<ExportRequest>(*request).output, "b.svg");
  EXPECT_EQ(std::get<ExportRequest>(*request).size, QSize(800, 600));
  const QStringList wrong[] = {{"--export", "a.fkt"},
                               {"--export", "a.fkt", "b.jpg"},
                               {"--export", "a.fkt", "b.png", "--size", "800"},
                               {"--export", "a.fkt", "b.png", "--size", "10x10"},
                               {"--export", "a.fkt", "b.png", "--size"},
                               {"--export", "a.fkt", "b.png", "--colour"}};
  for (const QStringList& arguments : wrong) {
    auto refused = exportRequest(arguments);
    ASSERT_TRUE(refused) << arguments.join(' ').toStdString();
    EXPECT_TRUE(std::holds_alternative<QString>(*refused)) << arguments.join(' ').toStdString();
  }
}

TEST_F(PictureFileTest, ExportWritesTheSheetOrNothing) {
  QFile sheet(path("sheet.fkt"));
  ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
  sheet.write(kSheet);
  sheet.close();
  QString messages;
  QTextStream errors(&messages);
  EXPECT_EQ(runExport({path("sheet.fkt"), path("out.png"), QSize(300, 200)}, engine, errors), 0);
  EXPECT_EQ(QImage(path("out.png")).size(), QSize(300, 200));
  EXPECT_TRUE(messages.isEmpty());

  QFile broken(path("broken.fkt"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("-10,10,-9\r\n\"x^2\r\n");
  broken.close();
  EXPECT_EQ(runExport({path("broken.fkt"), path("bad.png"), QSize(300, 200)}, engine, errors), 1);
  EXPECT_EQ(runExport({path("missing.fkt"), path("bad.png"), QSize(300, 200)}, engine, errors), 1);
  EXPECT_FALSE(QFile::exists(path("bad.png")));
  EXPECT_TRUE(messages.contains(QStringLiteral("keine Graphdatei")));
  EXPECT_TRUE(messages.contains(QStringLiteral("kann nicht geöffnet werden")));
}

}  // namespace
