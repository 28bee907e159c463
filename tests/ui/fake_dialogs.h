#pragma once
// Dialogs for tests: records every message and answers colour requests from
// a script; an unexpected dialog fails the test.

#include <gtest/gtest.h>

#include <QColor>
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

  std::optional<QColor> chooseColor(const QColor&) override {
    if (colorAnswers.empty()) {
      ADD_FAILURE() << "unexpected colour dialog";
      return std::nullopt;
    }
    std::optional<QColor> answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
  }

  std::vector<Message> messages;
  std::deque<std::optional<QColor>> colorAnswers;  // nullopt: the user cancels
};
