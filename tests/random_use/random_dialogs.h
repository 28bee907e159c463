#pragma once
// Dialogs that answer like a careless user: any colour or none, any text or
// cancel, files that exist, are broken, cannot be written, or no file at all.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QString>
#include <random>

#include "hostile_text.h"
#include "ui/widgets/dialogs.h"

class RandomDialogs : public Dialogs {
 public:
  RandomDialogs(std::mt19937& random, const QString& scratchDir)
      : random_(random), dir_(scratchDir) {
    writeFile(QStringLiteral("sheet.fkt"), "-10,10,-9,9,1,1\r\n\"x^2-2x\"\r\n\"sin(x)\"\r\n");
    writeFile(QStringLiteral("broken.fkt"), "-10,10,-9\r\n\"x^2\r\n");
    writeFile(QStringLiteral("empty.fkt"), "");
    writeFile(QStringLiteral("huge-window.fkt"),
              "-1E+38,1E+38,-1E+38,1E+38,1E-38,1E-38\r\n\"x\"\r\n");
  }

  int messages = 0;

  void message(const QString&, const QString&, Icon) override { ++messages; }

  Answer ask(const QString&, const QString&, bool cancel, Answer) override {
    const int pick = static_cast<int>(random_() % (cancel ? 3 : 2));
    return pick == 0 ? Answer::Yes : pick == 1 ? Answer::No : Answer::Cancel;
  }

  std::optional<QColor> chooseColor(const QColor&) override {
    if (chance(4)) return std::nullopt;
    return QColor::fromRgb(static_cast<QRgb>(random_() & 0xffffff));
  }

  std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
    if (chance(4)) return std::nullopt;
    return hostileText(random_);
  }

  std::optional<int> chooseItem(const QString&, const QString&, const QStringList& items) override {
    if (items.isEmpty() || chance(4)) return std::nullopt;
    return static_cast<int>(random_() % items.size());
  }

  QString openFileName(const QString&) override {
    return anyPath(
        {"sheet.fkt", "broken.fkt", "empty.fkt", "huge-window.fkt", "saved.fkt", "missing.fkt"});
  }

  QString saveFileName(const QString&) override {
    return anyPath({"saved.fkt", "picture.png", "picture.svg", "picture", "picture.jpg",
                    "no-such-folder/saved.fkt"});
  }

  // Mostly cancelled; sometimes printed into a PDF file.
  bool choosePrinter(QPrinter& printer) override {
    if (!chance(5)) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath(QStringLiteral("printout.pdf")));
    printer.setCopyCount(1 + static_cast<int>(random_() % 2));
    return true;
  }

  // Mostly closed at once; sometimes its pages are printed into a PDF file.
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
    if (!chance(5)) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath(QStringLiteral("preview.pdf")));
    paint(printer);
  }

 private:
  bool chance(unsigned oneIn) { return random_() % oneIn == 0; }

  // No file, one of `names` in the scratch folder, or the folder itself.
  QString anyPath(std::initializer_list<const char*> names) {
    const std::size_t pick = random_() % (names.size() + 2);
    if (pick == 0) return QString();
    if (pick > names.size()) return dir_.path();
    return dir_.filePath(QString::fromUtf8(names.begin()[pick - 1]));
  }

  void writeFile(const QString& name, const char* bytes) {
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }

  std::mt19937& random_;
  QDir dir_;
};
