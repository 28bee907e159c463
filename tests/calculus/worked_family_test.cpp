// The worked solution of families: every point claimed for a family is put
// to the test at concrete values of the parameter, numerically and without
// the engine's algebra: f′ ≈ 0 by central differences, a minimum is lower
// than its neighbours, f″ changes its sign at a point of inflection, y = f(x),
// and the Ortskurve runs through the point.
#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>
#include <cmath>
#include <optional>
#include <vector>

#include "calculus/worked_solution.h"

namespace {

// The number of points of each kind at t = 2, t = −1 and t = 0, and the
// Ortskurven, all worked out by hand:
//   x³ − t·x:      f′ = 3x² − t; t > 0: HP(−√(t/3) | …), TP(√(t/3) | …), both on y = −2x³;
//                  WP(0 | 0) for t ≠ 0, SP(0 | 0) for t = 0.
//   x⁴ − 2t·x²:    t > 0: HP(0 | 0), TP(±√t | −t²) on y = −x⁴, WP(±√(t/3) | −5t²/9) on
//                  y = −5x⁴; t ≤ 0: TP(0 | 0), no WP (f″ = 12x² − 4t > 0).
//   t·x² − x³:     extrema at 0 and 2t/3 (y = 4t³/27, on y = x³/2), WP(t/3 | 2t³/27) on y = 2x³.
//   (x − t)·eˣ:    TP(t − 1 | −e^(t−1)) on y = −eˣ, WP(t − 2 | −2e^(t−2)) on y = −2eˣ.
//   ln(x) − t·x:   HP(1/t | −ln(t) − 1) for t > 0 on y = ln(x) − 1; f″ = −1/x² < 0: no WP.
//   (x² − t)/x:    f′ = 1 + t/x²; t < 0: HP(−√(−t) | −2√(−t)), TP(√(−t) | 2√(−t)) on y = 2x.
//   x/(x² + t):    f′ = (t − x²)/(x² + t)²; t > 0: HP(√t | 1/(2√t)), TP(−√t | …), both on
//                  y = 1/(2x); f″ = 2x·(x² − 3t)/(x² + t)³: WP(0 | 0) for t ≠ 0 and
//                  WP(±√(3t) | ±√(3t)/(4t)) for t > 0 on y = 3/(4x); t = 0 is 1/x.
//   √x − t·x:      f′ = 1/(2√x) − t; t > 0: HP(1/(4t²) | 1/(4t)) on y = √x/2.
//   t·sin(x):      in [−10; 10] the extrema at ±π/2, ±3π/2, ±5π/2 (three HP, three TP for
//                  t ≠ 0), WP at kπ; they do not move sideways: vertical Ortskurven.
//   t·x²:          TP(0 | 0) for t > 0, HP(0 | 0) for t < 0: nothing moves, no Ortskurve.
//   x² + t:        TP(0 | t): the Ortskurve is the y axis, x = 0.
struct Family {
  const char* term;
  const char* at2;  // "HP:1 TP:1 WP:1"
  const char* atMinus1;
  const char* at0;  // the case between: x³, x⁴, −x³, x, …
  // kind → y of the Ortskurve at x, by hand; empty: no Ortskurve of that kind
  QMap<QString, QString> loci;
};

const Family kFamilies[] = {
    {"x^3-t*x",
     "HP:1 TP:1 WP:1",
     "WP:1",
     "SP:1",
     {{"Hochpunkte", "-2x^3"}, {"Tiefpunkte", "-2x^3"}}},
    {"x^4-2t*x^2",
     "HP:1 TP:2 WP:2",
     "TP:1",
     "TP:1",
     {{"Tiefpunkte", "-x^4"}, {"Wendepunkte", "-5x^4"}}},
    {"t*x^2-x^3",
     "HP:1 TP:1 WP:1",
     "HP:1 TP:1 WP:1",
     "SP:1",
     {{"Hochpunkte", "x^3/2"}, {"Tiefpunkte", "x^3/2"}, {"Wendepunkte", "2x^3"}}},
    {"(x-t)*e^x",
     "TP:1 WP:1",
     "TP:1 WP:1",
     "TP:1 WP:1",
     {{"Tiefpunkte", "-e^x"}, {"Wendepunkte", "-2e^x"}}},
    {"ln(x)-t*x", "HP:1", "", "", {{"Hochpunkte", "ln(x)-1"}}},
    {"(x^2-t)/x", "", "HP:1 TP:1", "", {{"Hochpunkte", "2x"}, {"Tiefpunkte", "2x"}}},
    {"x/(x^2+t)",
     "HP:1 TP:1 WP:3",
     "WP:1",
     "",
     {{"Hochpunkte", "1/(2x)"}, {"Tiefpunkte", "1/(2x)"}, {"Wendepunkte", "3/(4x)"}}},
    {"sqrt(x)-t*x", "HP:1", "", "", {{"Hochpunkte", "sqrt(x)/2"}}},
    {"t*sin(x)", "HP:3 TP:3 WP:7", "HP:3 TP:3 WP:7", "", {{"Hochpunkte", ""}, {"Tiefpunkte", ""}}},
    {"t*x^2", "TP:1", "HP:1", "", {}},
    {"x^2+t", "TP:1", "TP:1", "TP:1", {{"Tiefpunkte", ""}}},
};

double valueOf(Engine& engine, const EngineTerm& term, double t, double x = 0) {
  const EngineTerm put = substitute(engine, term, "t", EngineTerm::number(t));
  return Funktionswert(engine, put, x).value.value_or(NAN);
}

QMap<QString, int> counts(const char* text) {
  QMap<QString, int> out;
  for (const QString& entry : QString::fromUtf8(text).split(' ', Qt::SkipEmptyParts))
    out[entry.section(QChar(':'), 0, 0)] = entry.section(QChar(':'), 1).toInt();
  return out;
}

// The points that exist at t, each checked numerically; their number by kind
// (N, Sy, HP, TP, WP, SP).
QMap<QString, int> checkedPoints(Engine& engine, const WorkedSolution& s, const EngineTerm& f,
                                 double t) {
  auto F = [&](double x) { return valueOf(engine, f, t, x); };
  QMap<QString, int> seen;
  for (const WorkedPoint& p : s.points) {
    if (!p.existsFor(t)) continue;
    SCOPED_TRACE(p.name.toStdString());
    const QString kind = p.name.startsWith('N') ? QString("N") : p.name.left(2);
    const double x = valueOf(engine, p.x, t), y = valueOf(engine, p.y, t);
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
    if (!std::isfinite(x) || !std::isfinite(y)) continue;
    EXPECT_NEAR(F(x), y, 1e-7 * (1 + std::abs(y)));
    const double h = 1e-3;
    const double slope = (F(x + h) - F(x - h)) / (2 * h);
    if (kind == "HP" || kind == "TP" || kind == "SP") {
      EXPECT_NEAR(slope, 0, 1e-4);
    }
    if (kind == "HP") {
      EXPECT_TRUE(F(x - h) < y && F(x + h) < y);
    }
    if (kind == "TP") {
      EXPECT_TRUE(F(x - h) > y && F(x + h) > y);
    }
    if (kind == "WP" || kind == "SP") {
      const double k = 1e-2;
      auto curvature = [&](double at) { return (F(at + k) - 2 * F(at) + F(at - k)) / (k * k); };
      EXPECT_LT(curvature(x - 4 * k) * curvature(x + 4 * k), 0);
    }
    if (kind == "N") {
      EXPECT_NEAR(y, 0, 1e-9);
    }
    if (kind == "Sy") {
      EXPECT_EQ(x, 0);
    }
    ++seen[kind];
  }
  return seen;
}

TEST(WorkedFamily, PointsHoldAtConcreteParameterValues) {
  Engine engine;
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(family.term);
    const EngineTerm f = EngineTerm::fromUser(family.term);
    const WorkedSolution s = Loesungsweg(engine, f);
    ASSERT_TRUE(s.failure.isEmpty()) << s.failure.toStdString();
    EXPECT_EQ(s.parameter, QChar('t'));
    for (const auto& [t, expected] : {std::pair{2.0, family.at2}, std::pair{-1.0, family.atMinus1},
                                      std::pair{0.0, family.at0}}) {
      SCOPED_TRACE(t);
      QMap<QString, int> seen = checkedPoints(engine, s, f, t);
      seen.remove("N");
      seen.remove("Sy");
      EXPECT_EQ(seen, counts(expected));
    }
    // The Ortskurven: the kinds by hand; every moving point of a kind lies on
    // the Ortskurve of its kind and on the curve by hand.
    QStringList kinds;
    for (const KindLocus& l : s.loci) {
      if (!kinds.contains(l.kind)) kinds << l.kind;
      EXPECT_EQ(l.locus.vertical, family.loci.value(l.kind).isEmpty()) << l.kind.toStdString();
    }
    kinds.sort();
    EXPECT_EQ(kinds, family.loci.keys());
    const QMap<QString, QString> plural = {
        {"HP", "Hochpunkte"}, {"TP", "Tiefpunkte"}, {"WP", "Wendepunkte"}, {"SP", "Sattelpunkte"}};
    for (double t : {2.0, -1.0, 0.5, 3.0, -3.0}) {
      for (const WorkedPoint& p : s.points) {
        const QString kind = plural.value(p.name.left(2));
        if (kind.isEmpty() || !p.existsFor(t)) continue;
        const double x = valueOf(engine, p.x, t), y = valueOf(engine, p.y, t);
        const bool moves = std::abs(valueOf(engine, p.x, t + 0.5) - x) > 1e-9 ||
                           std::abs(valueOf(engine, p.y, t + 0.5) - y) > 1e-9;
        if (!moves) continue;
        SCOPED_TRACE(p.name.toStdString() + " at t = " + std::to_string(t));
        ASSERT_TRUE(family.loci.contains(kind));
        const QString byHand = family.loci.value(kind);
        if (!byHand.isEmpty()) {
          EXPECT_NEAR(Funktionswert(engine, EngineTerm::fromUser(byHand), x).value.value_or(NAN), y,
                      1e-7 * (1 + std::abs(y)));
        }
        bool onOne = false;
        for (const KindLocus& l : s.loci) {
          if (l.kind != kind) continue;
          onOne = onOne ||
                  (l.locus.vertical
                       ? std::abs(approximateNumber(engine, l.locus.term).value_or(NAN) - x) < 1e-7
                       : std::abs(Funktionswert(engine, l.locus.term, x).value.value_or(NAN) - y) <
                             1e-7 * (1 + std::abs(y)));
        }
        EXPECT_TRUE(onOne);
      }
    }
  }
}

// Every point at the values of t where something changes and between them,
// counted by hand:
//   x·eˣ − t·x:     zeros 0 and ln(t) (t > 0), one where they meet at t = 1;
//                   f″ = eˣ·(x + 2): WP at −2 (f′ = 0 there only for t = −1/e²).
//   x² − 2t·x + t:  zeros t ± √(t² − t): two for t < 0 or t > 1, one at 0 and 1.
//   x/(x² + t):     1/x at t = 0: no point at all.
//   1/(x − t):      the y intercept only for t ≠ 0.
//   ln(x + t):      the zero 1 − t always, the y intercept ln(t) only for t > 0.
TEST(WorkedFamily, PointsExistForTheRightValuesOfTheParameter) {
  const std::tuple<const char*, double, const char*> cases[] = {
      {"x*e^x-t*x", -1, "N:1 Sy:1 WP:1"},
      {"x*e^x-t*x", 0, "N:1 Sy:1 WP:1"},
      {"x*e^x-t*x", 0.5, "N:2 Sy:1 WP:1"},
      {"x*e^x-t*x", 1, "N:1 Sy:1 WP:1"},
      {"x*e^x-t*x", 2, "N:2 Sy:1 WP:1"},
      {"x^2-2t*x+t", -1, "N:2 Sy:1 TP:1"},
      {"x^2-2t*x+t", 0, "N:1 Sy:1 TP:1"},
      {"x^2-2t*x+t", 0.5, "Sy:1 TP:1"},
      {"x^2-2t*x+t", 1, "N:1 Sy:1 TP:1"},
      {"x^2-2t*x+t", 2, "N:2 Sy:1 TP:1"},
      {"x/(x^2+t)", 0, ""},
      {"x/(x^2+t)", 1, "N:1 Sy:1 HP:1 TP:1 WP:3"},
      {"x/(x^2+t)", -1, "N:1 Sy:1 WP:1"},
      {"1/(x-t)", 0, ""},
      {"1/(x-t)", 1, "Sy:1"},
      {"ln(x+t)", -1, "N:1"},
      {"ln(x+t)", 0, "N:1"},
      {"ln(x+t)", 1, "N:1 Sy:1"},
  };
  Engine engine;
  for (const auto& [term, t, expected] : cases) {
    SCOPED_TRACE(std::string(term) + " at t = " + std::to_string(t));
    const EngineTerm f = EngineTerm::fromUser(term);
    const WorkedSolution s = Loesungsweg(engine, f);
    ASSERT_TRUE(s.failure.isEmpty()) << s.failure.toStdString();
    EXPECT_EQ(checkedPoints(engine, s, f, t), counts(expected));
  }
}

// Lines as a pupil writes them, by hand; the points in them are checked
// numerically above. x/(x² + t) has gaps only for t < 0, so its domain stays a
// set; the integer of a periodic solution of a family in k is called n. The
// intervals and limits by hand: f′ = 4x·(x² − t) of x⁴ − 2t·x² changes its
// sign at −√t, 0, √t for t > 0; (x² − t)/x = x − t/x has a pole at 0 for
// t ≠ 0 and is x for t = 0.
TEST(WorkedFamily, LinesAsAPupilWritesThem) {
  const std::pair<const char*, std::vector<const char*>> cases[] = {
      {"x^4-2t*x^2",
       {"f′(x) = 4x³ − 4t·x", "x = 0 ∨ x = ±√t (für t > 0)",
        "für t > 0: f″(±√t) = 8t > 0 ⇒ TP(±√t | −t²), f″(0) = −4t < 0 ⇒ HP(0 | 0)",
        "für t < 0: f″(0) = −4t > 0 ⇒ TP(0 | 0)", "TP1(0 | 0) nur für t ≤ 0",
        "Ortskurve der Tiefpunkte: y = −x⁴ (x ≠ 0)",
        "für t ≤ 0: streng monoton fallend auf ]−∞; 0] und streng monoton steigend auf [0; ∞[",
        "für t > 0: streng monoton fallend auf ]−∞; −√t], streng monoton steigend auf [−√t; 0], "
        "streng monoton fallend auf [0; √t] und streng monoton steigend auf [√t; ∞[",
        "für t ≤ 0: linksgekrümmt auf ]−∞; ∞[", "f(x) → ∞ für x → ∞"}},
      {"ln(x)-t*x",
       {"für t > 0: f(x) → −∞ für x → ∞",
        "f(x) → −∞ für x → 0 von rechts ⇒ senkrechte Asymptote x = 0"}},
      {"x/(x^2+t)", {"D = {x ∈ ℝ | x² + t ≠ 0}", "Sy(0 | 0) nur für t ≠ 0"}},
      {"(x^2-t)/x",
       {"D = ℝ \\ {0}", "Ortskurve der Tiefpunkte: y = 2x (x > 0)",
        "für t > 0: f(x) → ∞ für x → 0 von links, f(x) → −∞ für x → 0 von rechts ⇒ Polstelle "
        "mit Vorzeichenwechsel, senkrechte Asymptote x = 0",
        "für t = 0 (f(x) = x): f″(x) = 0 für alle x: keine Krümmung"}},
      {"tan(x)+t", {"Die Intervalle lassen sich nicht allgemein in Abhängigkeit von t angeben."}},
      {"t*ln(x)/x", {"Ortskurve der Hochpunkte: x = e"}},
      {"k*sin(x)", {"allgemeine Lösung: x = π/2 + n·π, n ∈ ℤ", "im Intervall [−10; 10]:"}},
      {"sin(x)+t*x", {"Die Gleichung lässt sich nicht allgemein in Abhängigkeit von t lösen."}},
      // Members for which an equation holds at every x.
      {"t*x^2",
       {"keine Lösung (für t ≠ 0)", "für t = 0: f″(x) = 0 für alle x: kein Wendepunkt"}},
      {"t*x",
       {"keine Lösung (für t ≠ 0)",
        "für t = 0: f′(x) = 0 für alle x: kein Hoch- oder Tiefpunkt", "f″(x) = 0",
        "f″(x) = 0 für alle x: kein Wendepunkt"}},
  };
  Engine engine;
  for (const auto& [term, lines] : cases) {
    const QString text = plainText(Loesungsweg(engine, EngineTerm::fromUser(term)));
    for (const char* expected : lines)
      EXPECT_TRUE(text.contains(QStringLiteral("  ") + QString::fromUtf8(expected) + '\n'))
          << term << ": " << expected << "\n"
          << text.toStdString();
  }
}

// ---------------------------------------------------------------- intervals

// A term or number as the worked solution writes it, read back as a pupil
// would type it: "−√(3t)/3" → "-sqrt(3t)/3".
QString typed(QString school) {
  school.replace("−", "-").replace("·", "*").replace("√(", "sqrt(");
  school.replace("²", "^2").replace("³", "^3").replace("⁴", "^4");
  static const QRegularExpression root(R"(√(\w+))");
  school.replace(root, "sqrt(\\1)");
  static const QRegularExpression timesPi(R"((\d)π)");
  school.replace(timesPi, "\\1*pi").replace("π", "pi");
  return school;
}

double schoolValue(Engine& engine, const QString& school, double t) {
  const QString text = school.trimmed();
  if (text == "∞") return INFINITY;
  if (text == "−∞") return -INFINITY;
  return valueOf(engine, EngineTerm::fromUser(typed(text)), t);
}

// Whether a line's label "für t < 0 oder t > 1", "für −1 < t ≤ 0",
// "für t ≠ 0 und t ≠ 1" or "für t = 0 (f(x) = x⁴)" holds at t.
bool labelHolds(Engine& engine, QString label, double t) {
  label.remove(QRegularExpression(R"( \(f\(x\) = .*\)$)"));
  if (label == "alle t") return true;
  auto holds = [&](double a, const QString& rel, double b) {
    if (rel == "<") return a < b - 1e-12;
    if (rel == "≤") return a <= b + 1e-12;
    if (rel == ">") return a > b + 1e-12;
    if (rel == "≥") return a >= b - 1e-12;
    if (rel == "=") return std::abs(a - b) < 1e-12;
    return std::abs(a - b) > 1e-12;  // ≠
  };
  static const QRegularExpression atom(R"(^(?:(.+?) (<|≤) )?t (<|≤|>|≥|=|≠) (.+)$)");
  for (const QString& alternative : label.split(" oder ")) {
    bool all = true;
    for (const QString& part : alternative.split(" und ")) {
      const QRegularExpressionMatch m = atom.match(part);
      EXPECT_TRUE(m.hasMatch()) << part.toStdString();
      if (!m.hasMatch()) return false;
      all = all && holds(t, m.captured(3), schoolValue(engine, m.captured(4), t));
      if (!m.captured(1).isEmpty())
        all = all && holds(schoolValue(engine, m.captured(1), t), m.captured(2), t);
    }
    if (all) return true;
  }
  return false;
}

// The lines of a section that hold at t, without their labels.
QStringList linesAt(Engine& engine, const WorkedSolution& s, const QString& heading, double t) {
  QStringList out;
  for (const WorkedSection& section : s.sections) {
    if (section.heading != heading) continue;
    for (const RichText& line : section.lines) {
      const QString text = line.plain;
      if (!text.startsWith("für ")) {
        out << text;
        continue;
      }
      const qsizetype colon = text.indexOf(": ");
      if (labelHolds(engine, text.mid(4, colon - 4), t)) out << text.mid(colon + 2);
    }
  }
  return out;
}

struct Claimed {
  int sign;  // of f′ (f″)
  double lo, hi;
  bool loClosed, hiClosed;
};

QList<Claimed> claimedAt(Engine& engine, const WorkedSolution& s, const QString& heading,
                         double t) {
  static const QRegularExpression interval(
      R"((steigend|fallend|linksgekrümmt|rechtsgekrümmt) auf ([\]\[])([^;]+); (.+?)([\]\[])(?=, | und |$))");
  QList<Claimed> out;
  for (const QString& text : linesAt(engine, s, heading, t)) {
    auto it = interval.globalMatch(text);
    while (it.hasNext()) {
      const QRegularExpressionMatch m = it.next();
      const QString kind = m.captured(1);
      out << Claimed{kind == "steigend" || kind == "linksgekrümmt" ? 1 : -1,
                     schoolValue(engine, m.captured(3), t), schoolValue(engine, m.captured(4), t),
                     m.captured(2) == "[", m.captured(5) == "]"};
    }
  }
  return out;
}

// f′ and f″ by differences of f, with t put in.
double derivativeAt(Engine& engine, const EngineTerm& f, double t, int order, double x) {
  auto F = [&](double at) { return valueOf(engine, f, t, at); };
  if (order == 1) {
    const double h = 1e-6 * (1 + std::abs(x));
    return (F(x + h) - F(x - h)) / (2 * h);
  }
  const double h = 1e-3 * (1 + std::abs(x));
  return (F(x + h) - 2 * F(x) + F(x - h)) / (h * h);
}

// The number of monotony and curvature intervals at t = 2, −1, 0, and at
// further values between the cut values, by hand:
//   x³ − t·x:    f′ = 3x² − t: three intervals for t > 0, one (steigend on ℝ) for t ≤ 0;
//                f″ = 6x: two for every t.
//   x⁴ − 2t·x²:  f′ = 4x·(x² − t): four for t > 0, two for t ≤ 0; f″ = 12x² − 4t: three
//                for t > 0, one (linksgekrümmt on ℝ) for t ≤ 0.
//   t·x² − x³:   f′ = x·(2t − 3x): three for t ≠ 0, one for t = 0; f″ = 2t − 6x: two.
//   (x² − t)/x:  f′ = 1 + t/x²: two pieces for t ≥ 0, split at ±√(−t) for t < 0: four;
//                f″ = −2t/x³: two for t ≠ 0, none for t = 0 (f(x) = x).
//   ln(x) − t·x: f′ = 1/x − t: two on ]0; ∞[ for t > 0, one for t ≤ 0; f″ = −1/x²: one.
//   √x − t·x:    f′ = 1/(2√x) − t: two on [0; ∞[ for t > 0, one for t ≤ 0; f″ < 0: one.
//   x/(x² + t):  f′ = (t − x²)/(x² + t)²: three for t > 0, three pieces for t < 0, two (1/x)
//                for t = 0; f″ = 2x·(x² − 3t)/(x² + t)³: four for t > 0 and t < 0, two for t = 0.
//   (t·x² + 1)/(x² + 1) = t − (t − 1)/(x² + 1): f′ = 2(t − 1)·x/(x² + 1)²: two for t ≠ 1,
//                f″ = 2(t − 1)·(1 − 3x²)/(x² + 1)³: three; t = 1 is f(x) = 1: none. f → t.
//   x³ + t·x² + x: f′ = 3x² + 2t·x + 1 has two zeros for |t| > √3: three, else one;
//                f″ = 6x + 2t: two.
//   t·x²:        two (one) for t ≠ 0, none for t = 0 (f(x) = 0).
//   t·sin(x):    in [−10; 10] split at ±π/2, ±3π/2, ±5π/2: seven; at 0, ±π, ±2π, ±3π: eight;
//                t = 0 is f(x) = 0: none.
struct Intervals {
  const char* term;
  std::vector<std::tuple<double, int, int>> counts;  // t, monotony, curvature
};

const Intervals kIntervals[] = {
    {"x^3-t*x", {{2, 3, 2}, {-1, 1, 2}, {0, 1, 2}}},
    {"x^4-2t*x^2", {{2, 4, 3}, {-1, 2, 1}, {0, 2, 1}, {0.5, 4, 3}}},
    {"t*x^2-x^3", {{2, 3, 2}, {-1, 3, 2}, {0, 1, 2}}},
    {"(x^2-t)/x", {{2, 2, 2}, {-1, 4, 2}, {0, 2, 0}, {-3, 4, 2}}},
    {"ln(x)-t*x", {{2, 2, 1}, {-1, 1, 1}, {0, 1, 1}}},
    {"sqrt(x)-t*x", {{2, 2, 1}, {-1, 1, 1}, {0, 1, 1}}},
    {"x/(x^2+t)", {{2, 3, 4}, {-1, 3, 4}, {0, 2, 2}}},
    {"(t*x^2+1)/(x^2+1)", {{2, 2, 3}, {-1, 2, 3}, {0, 2, 3}, {1, 0, 0}, {0.5, 2, 3}}},
    {"x^3+t*x^2+x", {{2, 3, 2}, {-1, 1, 2}, {0, 1, 2}, {-2, 3, 2}}},
    {"t*x^2", {{2, 2, 1}, {-1, 2, 1}, {0, 0, 0}}},
    {"t*sin(x)", {{2, 7, 8}, {-1, 7, 8}, {0, 0, 0}}},
};

// Every interval claimed at t is checked by differences of f at interior
// points; every x in [−5; 5] where f′ (f″) is clearly not 0 lies in one.
TEST(WorkedFamily, MonotonyAndCurvatureHoldAtConcreteParameterValues) {
  Engine engine;
  for (const Intervals& family : kIntervals) {
    const EngineTerm f = EngineTerm::fromUser(family.term);
    const WorkedSolution s = Loesungsweg(engine, f);
    ASSERT_TRUE(s.failure.isEmpty()) << s.failure.toStdString();
    for (const auto& [t, monotony, curvature] : family.counts) {
      for (const int order : {1, 2}) {
        const QString heading = order == 1 ? "Monotonie" : "Krümmung";
        SCOPED_TRACE(std::string(family.term) + " at t = " + std::to_string(t) + ", " +
                     heading.toStdString() + "\n" + plainText(s).toStdString());
        const QList<Claimed> claimed = claimedAt(engine, s, heading, t);
        EXPECT_EQ(claimed.size(), order == 1 ? monotony : curvature);
        for (const Claimed& c : claimed) {
          ASSERT_TRUE(std::isfinite(c.lo) || c.lo < 0);
          ASSERT_TRUE(std::isfinite(c.hi) || c.hi > 0);
          EXPECT_LT(c.lo, c.hi);
          const double lo = std::isfinite(c.lo) ? c.lo : std::min(c.hi, 0.0) - 6;
          const double hi = std::isfinite(c.hi) ? c.hi : std::max(c.lo, 0.0) + 6;
          for (double q : {0.05, 0.3, 0.5, 0.7, 0.95}) {
            const double x = lo + q * (hi - lo);
            const double d = derivativeAt(engine, f, t, order, x);
            EXPECT_GT(c.sign * d, 0) << "x = " << x;
          }
          // A closed end belongs to the domain; curvature intervals are open.
          if (c.loClosed) {
            EXPECT_TRUE(std::isfinite(valueOf(engine, f, t, c.lo)));
          }
          if (c.hiClosed) {
            EXPECT_TRUE(std::isfinite(valueOf(engine, f, t, c.hi)));
          }
          if (order == 2) {
            EXPECT_FALSE(c.loClosed || c.hiClosed);
          }
        }
        for (double x = -4.95; x < 5; x += 0.1) {
          const double d = derivativeAt(engine, f, t, order, x);
          if (!std::isfinite(d) || std::abs(d) < 1e-3) continue;
          EXPECT_TRUE(std::any_of(claimed.begin(), claimed.end(),
                                  [&](const Claimed& c) { return c.lo <= x && x <= c.hi; }))
              << "x = " << x;
        }
      }
    }
  }
}

// The limits and asymptotes claimed for x → ±∞ and at the borders of the
// domain, checked by values of f far out and close to the border.
TEST(WorkedFamily, LimitsHoldAtConcreteParameterValues) {
  static const QRegularExpression claim(
      R"(f\(x\) → (−?∞|[^ ]+) für x → (−?∞|[^ ]+)(?: von (links|rechts))?)");
  Engine engine;
  for (const Intervals& family : kIntervals) {
    const EngineTerm f = EngineTerm::fromUser(family.term);
    const WorkedSolution s = Loesungsweg(engine, f);
    for (const auto& [t, monotony, curvature] : family.counts) {
      SCOPED_TRACE(std::string(family.term) + " at t = " + std::to_string(t));
      int atInfinity = 0;
      for (const QString& text :
           linesAt(engine, s, "Verhalten an den Rändern des Definitionsbereichs", t)) {
        if (text.contains("für x → ∞") || text.contains("für x → −∞")) ++atInfinity;
        auto it = claim.globalMatch(text);
        while (it.hasNext()) {
          const QRegularExpressionMatch m = it.next();
          SCOPED_TRACE(m.captured(0).toStdString());
          const double to = schoolValue(engine, m.captured(1), t);
          const double at = schoolValue(engine, m.captured(2), t);
          const int from = m.captured(3) == "links" ? -1 : 1;
          auto near = [&](double d) {
            if (std::isinf(at)) return (at > 0 ? 1 : -1) * 1e4 * d;
            return at + from * 1e-4 / d;
          };
          if (std::isinf(at)) {
            // An asymptote y = a(x) of the same line: f − a → 0 far out.
            static const QRegularExpression asymptote(R"(Asymptote y = (.+)$)");
            const QRegularExpressionMatch a = asymptote.match(text);
            if (a.hasMatch()) {
              const EngineTerm line = EngineTerm::fromUser(typed(a.captured(1)));
              const double x = near(4);
              EXPECT_NEAR(valueOf(engine, f, t, x), valueOf(engine, line, t, x), 1e-3)
                  << a.captured(1).toStdString();
            }
          }
          const double f1 = valueOf(engine, f, t, near(1)), f2 = valueOf(engine, f, t, near(4));
          if (std::isinf(to)) {
            EXPECT_GT((to > 0 ? 1 : -1) * f2, (to > 0 ? 1 : -1) * f1);
            EXPECT_GT((to > 0 ? 1 : -1) * f1, 1);
          } else {
            EXPECT_NEAR(f2, to, 1e-3 * (1 + std::abs(to)));
          }
        }
      }
      // ln(x) − t·x and √x − t·x are only defined for x ≥ 0.
      const bool right =
          QString(family.term).contains("ln") || QString(family.term).contains("sqrt");
      EXPECT_EQ(atInfinity, right ? 1 : 2);
    }
  }
}

TEST(WorkedFamily, TwoParametersAreRefusedAndPlainTermsStayPlain) {
  Engine engine;
  const WorkedSolution two = Loesungsweg(engine, EngineTerm::fromUser("a*x^2+b"));
  EXPECT_EQ(two.failure, "Der Term enthält mehrere Parameter (a, b); erlaubt ist einer.");
  const WorkedSolution plain = Loesungsweg(engine, EngineTerm::fromUser("x^2-2x"));
  EXPECT_TRUE(plain.parameter.isNull());
  EXPECT_TRUE(plain.loci.isEmpty());
}

TEST(WorkedFamily, UnsolvableEquationsAreSaidInGerman) {
  Engine engine;
  const WorkedSolution s = Loesungsweg(engine, EngineTerm::fromUser("sin(x)+t*x"));
  ASSERT_TRUE(s.failure.isEmpty());
  const QString text = plainText(s);
  EXPECT_TRUE(
      text.contains("Die Gleichung lässt sich nicht allgemein in Abhängigkeit von t lösen."));
  for (const WorkedPoint& p : s.points)
    EXPECT_FALSE(p.name.startsWith("HP")) << p.name.toStdString();
}

}  // namespace
