#include "sheet/sheet_document.h"

#include <algorithm>

#include "engine/school_notation.h"

void FunctionList::append(const QStringList& more, const QString& shown) {
  terms.append(more);
  if (current < 0 && !more.isEmpty()) current = 0;
  entry = shown;
}

void FunctionList::replace(const QStringList& all) {
  terms = all;
  current = terms.isEmpty() ? -1 : 0;
  entry = terms.isEmpty() ? QString() : terms.last();
}

bool FunctionList::select(int index) {
  if (index < 0 || index >= terms.size()) return false;
  current = index;
  entry = terms[index];
  return true;
}

Parameters SheetDocument::usedParameters() const {
  Parameters used;
  for (const QString& term : list.terms) {
    const QList<QChar> letters = parameterLetters(EngineTerm::fromUser(term));
    if (letters.size() != 1) continue;
    if (std::none_of(used.begin(), used.end(),
                     [&](const Parameter& p) { return p.letter == letters.front(); })) {
      used << parameterFor(parameters, letters.front());
    }
  }
  return used;
}
