#pragma once
// "Kopieren" for results: a context menu with that one entry, and Strg+C,
// both putting the widget's text on the clipboard.

#include <functional>

class QLineEdit;
class QListWidget;
class QString;
class QWidget;

void addCopyCommand(QWidget* widget, std::function<QString()> text);
// A read-only field: its selection, or the whole text when nothing is selected.
void addCopyCommand(QLineEdit* field);
// A list: its lines, one per item.
void addCopyCommand(QListWidget* list);
