#include "calculus/series.h"

#include "engine/engine.h"
#include "engine/notation.h"

QString taylorRequest(const QString& term, const QString& degree) {
  return QStringLiteral("TAYLOR(") + komma2point(term) + QStringLiteral(",x,0,") + degree +
         QStringLiteral(")");
}

QString fourierRequest(const QString& term, const QString& t1, const QString& t2,
                       const QString& n) {
  return QStringLiteral("FOURIER(") + komma2point(term) + QStringLiteral(", x,") + komma2point(t1) +
         QStringLiteral(",") + komma2point(t2) + QStringLiteral(",") + n + QStringLiteral(")");
}

std::optional<QString> taylorSeries(Engine& engine, const QString& term,
                                    const QString& degreeText) {
  QString answer = engine.request(taylorRequest(term, degreeText), Engine::kCapacity);
  if (answer.startsWith(QStringLiteral("Fehler"))) return std::nullopt;
  return answer;
}

QString fourierSeries(Engine& engine, const QString& term, const QString& t1, const QString& t2,
                      const QString& n) {
  QString coefficients = engine.request(fourierRequest(term, t1, t2, n), Engine::kFourierCapacity);
  QString series = engine.request(coefficients, Engine::kFourierCapacity);
  return engine.request(QStringLiteral("APPROX(") + series + QStringLiteral(")"),
                        Engine::kFourierCapacity);
}
