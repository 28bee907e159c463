#pragma once
// Dialogs for tests: records every message and question and answers from a
// script; an unexpected dialog fails the test.

#include <gtest/gtest.h>

#include <QPrinter>
#include <deque>
#include <vector>

#include "ui/widgets/dialogs.h"

class FakeDialogs : public Dialogs {
 public:
  struct Message {
    QString title;
    QString text;
    Icon icon;
  };

  void message(const QString& title, const QString& text, Icon icon) override {
    messages.push_back({title, text, icon});
  }
  Answer ask(const QString& title, const QString& text, bool cancel, Answer) override {
    questions.push_back({title, text, Icon::Question});
    return next(answers, "question " + text.toStdString(), cancel ? Answer::Cancel : Answer::No);
  }
  std::optional<QColor> chooseColor(const QColor&) override {
    return next(colorAnswers, "colour dialog", std::optional<QColor>());
  }
  std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
    return next(inputAnswers, "input box", std::optional<QString>());
  }
  std::optional<int> chooseItem(const QString&, const QString&, const QStringList&) override {
    return next(itemAnswers, "choice", std::optional<int>());
  }
  QString openFileName(const QString&) override {
    return next(fileAnswers, "file dialog", QString());
  }
  QString saveFileName(const QString&) override {
    return next(fileAnswers, "file dialog", QString());
  }
  // Prints into a PDF file, as if the user had chosen it.
  bool choosePrinter(QPrinter& printer) override {
    if (!printerFile) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*printerFile);
    return true;
  }

  // The preview's pages go into the PDF file, as if printed from there.
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
    ++previews;
    if (!printerFile) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*printerFile);
    paint(printer);
  }

  std::vector<Message> messages, questions;
  int previews = 0;
  std::deque<Answer> answers;
  std::deque<std::optional<QColor>> colorAnswers;  // nullopt: the user cancels
  std::deque<std::optional<QString>> inputAnswers;
  std::deque<std::optional<int>> itemAnswers;
  std::deque<QString> fileAnswers;     // an empty name: the user cancels
  std::optional<QString> printerFile;  // nullopt: the print dialog is cancelled

 private:
  template <typename T>
  static T next(std::deque<T>& answers, const std::string& what, T fallback) {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected " << what;
      return fallback;
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};
