#include "documents/conditions.h"

#include <optional>

QString escapedCondition(const QString& condition) {
  QString out;
  for (const QChar c : condition) {
    if (c == u'\\') {
      out += QStringLiteral("\\\\");
    } else if (c.unicode() > 0xFF || c.unicode() < 0x20 ||
               (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<QString> unescapedCondition(const QString& line) {
  QString out;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] != u'\\') {
      out += line[i];
      continue;
    }
    if (i + 1 < line.size() && line[i + 1] == u'\\') {
      out += u'\\';
      ++i;
      continue;
    }
    // \uXXXX: four hexadecimal digits after the u.
    if (i + 5 >= line.size() || line[i + 1] != u'u') return std::nullopt;
    bool ok = false;
    const ushort code = line.mid(i + 2, 4).toUShort(&ok, 16);
    if (!ok) return std::nullopt;
    out += QChar(code);
    i += 5;
  }
  return out;
}
