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
#include "ui/dialogs.h"

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
    const QString choices[] = {QString(),
                               dir_.filePath(QStringLiteral("sheet.fkt")),
                               dir_.filePath(QStringLiteral("broken.fkt")),
                               dir_.filePath(QStringLiteral("empty.fkt")),
                               dir_.filePath(QStringLiteral("huge-window.fkt")),
                               dir_.filePath(QStringLiteral("saved.fkt")),
                               dir_.filePath(QStringLiteral("missing.fkt")),
                               dir_.path()};
    return choices[random_() % std::size(choices)];
  }

  QString saveFileName(const QString&) override {
    const QString choices[] = {QString(),
                               dir_.filePath(QStringLiteral("saved.fkt")),
                               dir_.filePath(QStringLiteral("picture.png")),
                               dir_.filePath(QStringLiteral("picture.svg")),
                               dir_.filePath(QStringLiteral("picture")),
                               dir_.filePath(QStringLiteral("picture.jpg")),
                               dir_.filePath(QStringLiteral("no-such-folder/saved.fkt")),
                               dir_.path()};
    return choices[random_() % std::size(choices)];
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

  void writeFile(const QString& name, const char* bytes) {
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }

  std::mt19937& random_;
  QDir dir_;
};
