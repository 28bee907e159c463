#pragma once
// "für t = 2" beside a calculator's term: which member of a family it works
// on. Hidden while the term has no parameter.

#include <QLabel>
#include <QStringList>

inline QLabel* parameterNote() {
  auto* note = new QLabel;
  note->setObjectName(QStringLiteral("lblParameterHinweis"));
  note->hide();
  return note;
}

inline void showNote(QLabel* note, const QString& text) {
  note->setText(text);
  note->setVisible(!text.isEmpty());
}

// "für t = 2" and "für a = 1" together: "für t = 2, a = 1".
inline QString joinedNotes(QStringList notes) {
  for (qsizetype i = 1; i < notes.size(); ++i) notes[i] = notes[i].mid(4);
  return notes.join(QStringLiteral(", "));
}
