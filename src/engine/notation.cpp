#include "engine/notation.h"

QString komma2point(QString komma) {
  // Each pass converts one comma and rewrites the first "E" it sees. The rewrite wraps the rest of
  // the text in parentheses, so "1,5E-07" becomes "1.5* 10 ^(-07)". Once a pass finds no comma,
  // it is the last one; a text with several "E" therefore only gets as many rewritten as passes
  // run. The comma replacement keeps all positions, so the "E" found before it is still valid.
  for (;;) {
    const qsizetype comma = komma.indexOf(QLatin1Char(','));
    const qsizetype e = komma.indexOf(QLatin1Char('E'), 0, Qt::CaseSensitive);
    if (comma >= 0) komma[comma] = QLatin1Char('.');
    if (e >= 0) komma = komma.left(e) + QStringLiteral("* 10 ^(") + komma.mid(e + 1) + u')';
    if (comma < 0) return komma;
  }
}

QString point2komma(QString point) {
  point.replace(QLatin1Char('.'), QLatin1Char(','));
  return point;
}
