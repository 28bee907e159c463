#pragma once
// Dialogs for tests: records every message and answers colour requests from
// a script; an unexpected dialog fails the test.

#include <gtest/gtest.h>

#include <QColor>
#include <QPrinter>
#include <QString>
#include <deque>
#include <vector>

#include "ui/dialogs.h"

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
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question " << text.toStdString();
      return cancel ? Answer::Cancel : Answer::No;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::optional<QColor> chooseColor(const QColor&) override {
    if (colorAnswers.empty()) {
      ADD_FAILURE() << "unexpected colour dialog";
      return std::nullopt;
    }
    std::optional<QColor> answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
  }

  std::optional<QString> inputText(const QString& prompt, const QString& title,
                                   const QString& initial) override {
    inputs.push_back({title, prompt, Icon::None});
    if (inputAnswers.empty()) {
      ADD_FAILURE() << "unexpected input box";
      return std::nullopt;
    }
    (void)initial;
    QString text = inputAnswers.front().value_or(QString());
    bool cancelled = !inputAnswers.front().has_value();
    inputAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return text;
  }

  std::optional<int> chooseItem(const QString& prompt, const QString& title,
                                const QStringList& items) override {
    inputs.push_back({title, prompt, Icon::None});
    itemLists.push_back(items);
    if (itemAnswers.empty()) {
      ADD_FAILURE() << "unexpected choice";
      return std::nullopt;
    }
    std::optional<int> answer = itemAnswers.front();
    itemAnswers.pop_front();
    return answer;
  }

  QString openFileName(const QString& filter) override { return fileAnswer(filter); }
  QString saveFileName(const QString& filter) override { return fileAnswer(filter); }

  // Prints into a PDF file, as if the user had chosen it, with `copies` copies.
  bool choosePrinter(QPrinter& printer) override {
    if (!printerFile) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*printerFile);
    printer.setCopyCount(copies);
    return true;
  }

  std::vector<Message> messages;
  std::vector<Message> questions;  // title and text of each question asked
  std::deque<Answer> answers;
  std::vector<Message> inputs;                     // title and prompt of each input box
  std::deque<std::optional<QColor>> colorAnswers;  // nullopt: the user cancels
  std::deque<std::optional<QString>> inputAnswers;
  std::deque<std::optional<int>> itemAnswers;  // nullopt: the user cancels
  std::vector<QStringList> itemLists;
  std::deque<QString> fileAnswers;  // an empty name: the user cancels
  std::vector<QString> fileFilters;
  std::optional<QString> printerFile;  // nullopt: the print dialog is cancelled
  int copies = 1;

 private:
  QString fileAnswer(const QString& filter) {
    fileFilters.push_back(filter);
    if (fileAnswers.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return QString();
    }
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
};
