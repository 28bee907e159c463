// Renders the SVG icon into PNG files of the given sizes, at build time:
//   render_icon ICON.svg OUTPUT_FOLDER SIZE... -> OUTPUT_FOLDER/SIZExSIZE/kurvalon.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QStringList arguments = QGuiApplication::arguments();
  QTextStream errors(stderr);
  if (arguments.size() < 4) {
    errors << "usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...\n";
    return 2;
  }
  QSvgRenderer renderer(arguments[1]);
  if (!renderer.isValid()) {
    errors << "cannot read " << arguments[1] << '\n';
    return 1;
  }
  const QDir output(arguments[2]);
  for (const QString& text : arguments.mid(3)) {
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!ok || size <= 0) {
      errors << "not a size: " << text << '\n';
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString folder = QStringLiteral("%1x%1").arg(size);
    if (!output.mkpath(folder) || !image.save(output.filePath(folder + "/kurvalon.png"))) {
      errors << "cannot write " << output.filePath(folder) << '\n';
      return 1;
    }
  }
  return 0;
}
