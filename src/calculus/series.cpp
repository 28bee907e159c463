#include "calculus/series.h"

std::optional<QString> taylorSeries(Engine& engine, const EngineTerm& term,
                                    const QString& degreeText) {
  QString answer = taylorAnswer(engine, term, degreeText);
  if (answer.startsWith(QStringLiteral("Fehler"))) return std::nullopt;
  return answer;
}

QString fourierSeries(Engine& engine, const EngineTerm& term, const EngineTerm& t1,
                      const EngineTerm& t2, const QString& n) {
  return fourierAnswer(engine, term, t1, t2, n);
}
