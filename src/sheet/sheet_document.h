#pragma once
// What a sheet holds besides its drawing: the function list as the entry
// field shows it, the view fields and the window of the last drawing, the
// appearance and the two canvas labels. A step of the history keeps one of
// these with its drawing.

#include <QString>
#include <QStringList>
#include <array>

#include "documents/conditions.h"
#include "plot/appearance.h"
#include "plot/parameter.h"
#include "plot/view_window.h"

// The entries, the one chosen (-1 for none) and the text in the entry field,
// which may differ from every entry.
struct FunctionList {
  QStringList terms;
  int current = -1;
  QString entry = QStringLiteral("x^2-2x");

  // Appends entries; the first one into an empty list is chosen. The field
  // shows `shown` afterwards.
  void append(const QStringList& more, const QString& shown);
  // The terms replace the list; the first is chosen, the field shows the last.
  void replace(const QStringList& all);
  // The field shows the entry chosen; false for an index outside the list.
  bool select(int index);
  // The entry field shows the chosen entry unchanged.
  bool showsChosen() const { return current != -1 && terms[current] == entry; }

  bool operator==(const FunctionList&) const = default;
};

struct SheetDocument {
  FunctionList list;
  // The texts of the six view fields as typed, and the window of the last
  // drawing of the coordinate system with its pixel frame.
  ViewTexts viewTexts = kDefaultViewTexts;
  ViewWindow view;
  PixelFrame frame;
  Appearance appearance;
  std::array<SheetLabel, 2> labels;
  // The values, ranges and steps of the families' parameters set so far.
  Parameters parameters;
  // The reconstruction task of the "Steckbrief" tab.
  SteckbriefTask steckbrief;

  // Those of the letters the list's terms hold, for the files.
  Parameters usedParameters() const;

  // The window of the last drawing as the six numbers of the graph file.
  std::array<float, 6> viewNumbers() const {
    return {view.xmin, view.xmax, view.ymin, view.ymax, view.xtic, view.ytic};
  }
};
