#include "calculus/family.h"

#include <cmath>

ParameterReading parameterOf(const EngineTerm& term) {
  ParameterReading reading;
  const QList<QChar> letters = parameterLetters(term);
  if (letters.size() == 1) {
    reading.letter = letters.front();
  } else if (letters.size() > 1) {
    QStringList names;
    for (QChar letter : letters) names << QString(letter);
    reading.message = QStringLiteral("Der Term enthält mehrere Parameter (%1); erlaubt ist einer.")
                          .arg(names.join(QStringLiteral(", ")));
  }
  return reading;
}

Locus Ortskurve(Engine& engine, const EngineTerm& x, const EngineTerm& y, QChar parameter,
                std::optional<double> sample) {
  Locus locus;
  if (!parameterLetters(x).contains(parameter)) {  // every point lies above the same x
    locus.vertical = true;
    const Rewritten simple = simplify(engine, x);
    locus.term = simple.failure.isEmpty() ? simple.term : x;
    return locus;
  }
  // x = x(t) solved for t, put into y(t).
  Solutions t = solveFor(engine, EngineTerm::asIs("x-(" + x.text() + ')'), parameter);
  const QByteArray name = QString(parameter).toLatin1();
  if (t.failure.isEmpty() && t.solutions.size() > 1 && sample) {
    // x at the sample, put into each solution: the one that gives the sample back.
    const EngineTerm xAt = substitute(engine, x, name.constData(), EngineTerm::number(*sample));
    const std::optional<double> xValue = approximateNumber(engine, xAt);
    QList<Solution> back;
    for (const Solution& one : t.solutions) {
      if (one.numeric() || !xValue) continue;
      const std::optional<double> tValue = Funktionswert(engine, one.exact, *xValue).value;
      if (tValue && std::abs(*tValue - *sample) < 1e-7 * (1 + std::abs(*sample))) back << one;
    }
    t.solutions = back;
  }
  if (!t.failure.isEmpty() || t.solutions.size() != 1 || t.solutions.front().numeric()) {
    locus.message = QStringLiteral("Der Parameter lässt sich nicht eliminieren.");
    return locus;
  }
  const EngineTerm put = substitute(engine, y, name.constData(),
                                    EngineTerm::asIs('(' + t.solutions.front().exact.text() + ')'));
  const Rewritten simple = simplify(engine, put);
  if (!simple.failure.isEmpty()) {
    locus.message = QStringLiteral("Der Parameter lässt sich nicht eliminieren.");
    return locus;
  }
  locus.term = simple.term;
  return locus;
}

RichText locusLine(const Locus& locus, const QString& kind) {
  RichText out = RichText::words(QStringLiteral("Ortskurve der ") + kind + QStringLiteral(": "));
  if (!locus.message.isEmpty()) return out + RichText::words(locus.message);
  return out + RichText::words(locus.vertical ? QStringLiteral("x = ") : QStringLiteral("y = ")) +
         schoolTerm(locus.term);
}
