#include "plot/view_field_keys.h"

std::optional<QChar> filterViewFieldKey(QChar typed, const QString& fieldText) {
  if (typed == u'.') typed = u',';
  if (typed == u',' || typed == u'-') {
    if (fieldText.contains(typed)) return std::nullopt;
    return typed;
  }
  if (typed >= u'0' && typed <= u'9') return typed;
  return std::nullopt;
}
