#pragma once
// Small calculator frames: rows of captioned fields and buttons in a group
// box, as on the line and parabola pages.

#include <QString>
#include <initializer_list>

#include "geometry/line_tools.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Dialogs;

// A field with its caption before it, a button (no caption), or a caption
// alone (no widget).
struct FrameItem {
  QString caption;
  QWidget* widget = nullptr;
};

// Fields share the row's width; buttons and captions keep their own.
QGroupBox* calculatorFrame(const char* name, const QString& title,
                           std::initializer_list<std::initializer_list<FrameItem>> rows);

QLineEdit* namedField(const QString& name, const QString& text = QString());
QLabel* namedLabel(const char* name, const QString& text);
QPushButton* namedButton(const char* name, const QString& caption);

// Writes the result into the field, or shows the refusal and leaves the field as it was.
void showOutcome(Dialogs& dialogs, const Outcome<QString>& outcome, QLineEdit* result);
