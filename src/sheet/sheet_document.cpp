#include "sheet/sheet_document.h"

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
