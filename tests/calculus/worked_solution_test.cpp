#include "calculus/worked_solution.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>

#include "calculus/curve_discussion.h"
#include "calculus/derivatives.h"

namespace {

struct Expected {
  QString name;
  double x, y;
};

// "N1(-1.7320508|0) HP1(-1|2)": the points worked out by hand.
QList<Expected> expected(const char* text) {
  QList<Expected> out;
  static const QRegularExpression point(R"((\w+)\(([-\d.e]+)\|([-\d.e]+)\))");
  for (auto it = point.globalMatch(QString::fromUtf8(text)); it.hasNext();) {
    const auto m = it.next();
    out.push_back({m.captured(1), m.captured(2).toDouble(), m.captured(3).toDouble()});
  }
  return out;
}

// Key points of school functions, worked out by hand (√3 = 1.7320508,
// 1/e = 0.3678794, …), in the order of the result: N, Sy, HP, TP, WP, SP.
const std::pair<const char*, const char*> kTable[] = {
    {"x^3-3x", "N1(-1.7320508|0) N2(0|0) N3(1.7320508|0) Sy(0|0) HP1(-1|2) TP1(1|-2) WP1(0|0)"},
    {"x^2-2x", "N1(0|0) N2(2|0) Sy(0|0) TP1(1|-1)"},
    {"x^4-5x^2+4",
     "N1(-2|0) N2(-1|0) N3(1|0) N4(2|0) Sy(0|4) HP1(0|4) TP1(-1.5811388|-2.25) "
     "TP2(1.5811388|-2.25) WP1(-0.9128709|0.5277778) WP2(0.9128709|0.5277778)"},
    {"x^4-6x^2+5",
     "N1(-2.2360680|0) N2(-1|0) N3(1|0) N4(2.2360680|0) Sy(0|5) HP1(0|5) TP1(-1.7320508|-4) "
     "TP2(1.7320508|-4) WP1(-1|0) WP2(1|0)"},
    {"x^4-2x^3", "N1(0|0) N2(2|0) Sy(0|0) TP1(1.5|-1.6875) WP1(1|-1) SP1(0|0)"},
    {"(x-1)^2*(x+2)", "N1(-2|0) N2(1|0) Sy(0|2) HP1(-1|4) TP1(1|0) WP1(0|2)"},
    {"x^3", "N1(0|0) Sy(0|0) SP1(0|0)"},
    {"x^4", "N1(0|0) Sy(0|0) TP1(0|0)"},
    {"(x-2)^3+1", "N1(1|0) Sy(0|-7) SP1(2|1)"},
    {"x^3+x", "N1(0|0) Sy(0|0) WP1(0|0)"},
    {"x^3-x^2",
     "N1(0|0) N2(1|0) Sy(0|0) HP1(0|0) TP1(0.6666667|-0.1481481) "
     "WP1(0.3333333|-0.0740741)"},
    {"x^3-6x^2+11x-6",
     "N1(1|0) N2(2|0) N3(3|0) Sy(0|-6) HP1(1.4226497|0.3849002) "
     "TP1(2.5773503|-0.3849002) WP1(2|0)"},
    {"x^3-3x^2+4", "N1(-1|0) N2(2|0) Sy(0|4) HP1(0|4) TP1(2|0) WP1(1|2)"},
    {"x^4-2x^2",
     "N1(-1.4142136|0) N2(0|0) N3(1.4142136|0) Sy(0|0) HP1(0|0) TP1(-1|-1) TP2(1|-1) "
     "WP1(-0.5773503|-0.5555556) WP2(0.5773503|-0.5555556)"},
    {"x^4-4x^3+4x^2",
     "N1(0|0) N2(2|0) Sy(0|0) HP1(1|1) TP1(0|0) TP2(2|0) "
     "WP1(0.4226497|0.4444444) WP2(1.5773503|0.4444444)"},
    {"x^2-2x-1", "N1(-0.4142136|0) N2(2.4142136|0) Sy(0|-1) TP1(1|-2)"},
    {"2x^2-8", "N1(-2|0) N2(2|0) Sy(0|-8) TP1(0|-8)"},
    {"-x^2+4x", "N1(0|0) N2(4|0) Sy(0|0) HP1(2|4)"},
    {"4-x^2", "N1(-2|0) N2(2|0) Sy(0|4) HP1(0|4)"},
    {"3x^2-6x+3", "N1(1|0) Sy(0|3) TP1(1|0)"},
    {"x^2+1", "Sy(0|1) TP1(0|1)"},
    {"x^5-x-1",
     "N1(1.1673040|0) Sy(0|-1) HP1(-0.6687403|-0.4650078) TP1(0.6687403|-1.5349922) "
     "WP1(0|-1)"},
    {"(x^2+4)/(x^2-4)", "Sy(0|-1) HP1(0|-1)"},
    {"(x^2+1)/(x-1)", "Sy(0|-1) HP1(-0.4142136|-0.8284271) TP1(2.4142136|4.8284271)"},
    {"(x^2-1)/(x-1)", "N1(-1|0) Sy(0|1)"},
    {"x/(x^2+1)",
     "N1(0|0) Sy(0|0) HP1(1|0.5) TP1(-1|-0.5) WP1(-1.7320508|-0.4330127) WP2(0|0) "
     "WP3(1.7320508|0.4330127)"},
    {"x+1/x", "HP1(-1|-2) TP1(1|2)"},
    {"1/x", ""},
    {"1/x^2", ""},
    {"x*e^x", "N1(0|0) Sy(0|0) TP1(-1|-0.3678794) WP1(-2|-0.2706706)"},
    {"x^2*e^(-x)",
     "N1(0|0) Sy(0|0) HP1(2|0.5413411) TP1(0|0) WP1(0.5857864|0.1910179) "
     "WP2(3.4142136|0.3835370)"},
    {"e^(-x^2)", "Sy(0|1) HP1(0|1) WP1(-0.7071068|0.6065307) WP2(0.7071068|0.6065307)"},
    {"e^x", "Sy(0|1)"},
    {"ln(x)", "N1(1|0)"},
    {"ln(x)/x", "N1(1|0) HP1(2.7182818|0.3678794) WP1(4.4816891|0.3346952)"},
    {"x*ln(x)", "N1(1|0) TP1(0.3678794|-0.3678794)"},
    {"x^2*ln(x)", "N1(1|0) TP1(0.6065307|-0.1839397) WP1(0.2231302|-0.0746806)"},
    {"sqrt(x)*(x-3)", "N1(0|0) N2(3|0) Sy(0|0) TP1(1|-2)"},
    {"ln(x^2-1)", "N1(-1.4142136|0) N2(1.4142136|0)"},
    {"x^3-3x^2+3x", "N1(0|0) Sy(0|0) SP1(1|1)"},
    {"e^x-2", "N1(0.6931472|0) Sy(0|-1)"},
    {"1/(x^2+1)", "Sy(0|1) HP1(0|1) WP1(-0.5773503|0.75) WP2(0.5773503|0.75)"},
    {"(x-1)/(x+1)", "N1(1|0) Sy(0|-1)"},
    // Periodic: the points in the default window [-10; 10].
    {"sin(x)",
     "N1(-9.424777961|0) N2(-6.283185307|0) N3(-3.141592654|0) N4(0|0) N5(3.141592654|0) "
     "N6(6.283185307|0) N7(9.424777961|0) Sy(0|0) HP1(-4.712388980|1) HP2(1.570796327|1) "
     "HP3(7.853981634|1) TP1(-7.853981634|-1) TP2(-1.570796327|-1) TP3(4.712388980|-1) "
     "WP1(-9.424777961|0) WP2(-6.283185307|0) WP3(-3.141592654|0) WP4(0|0) WP5(3.141592654|0) "
     "WP6(6.283185307|0) WP7(9.424777961|0)"},
    {"cos(2x)",
     "N1(-8.639379797|0) N2(-7.068583471|0) N3(-5.497787144|0) N4(-3.926990817|0)  "
     "N5(-2.356194490|0) N6(-0.785398163|0) N7(0.785398163|0) N8(2.356194490|0)  "
     "N9(3.926990817|0) N10(5.497787144|0) N11(7.068583471|0) N12(8.639379797|0)  "
     "Sy(0|1) HP1(-9.424777961|1) HP2(-6.283185307|1) HP3(-3.141592654|1) HP4(0|1)  "
     "HP5(3.141592654|1) HP6(6.283185307|1) HP7(9.424777961|1) TP1(-7.853981634|-1)  "
     "TP2(-4.712388980|-1) TP3(-1.570796327|-1) TP4(1.570796327|-1)  "
     "TP5(4.712388980|-1) TP6(7.853981634|-1) WP1(-8.639379797|0) WP2(-7.068583471|0)  "
     "WP3(-5.497787144|0) WP4(-3.926990817|0) WP5(-2.356194490|0) WP6(-0.785398163|0)  "
     "WP7(0.785398163|0) WP8(2.356194490|0) WP9(3.926990817|0) WP10(5.497787144|0)  "
     "WP11(7.068583471|0) WP12(8.639379797|0)"},
};

TEST(WorkedSolution, KeyPointsOfSchoolFunctionsAreExactAndAgreeWithTheirValues) {
  Engine engine;
  for (const auto& [term, points] : kTable) {
    SCOPED_TRACE(term);
    const WorkedSolution s = Loesungsweg(engine, EngineTerm::fromUser(term));
    ASSERT_TRUE(s.failure.isEmpty()) << s.failure.toStdString();
    const QList<Expected> want = expected(points);
    ASSERT_EQ(s.points.size(), want.size()) << plainText(s).toStdString();
    for (qsizetype i = 0; i < want.size(); ++i) {
      const WorkedPoint& p = s.points[i];
      EXPECT_EQ(p.name, want[i].name);
      EXPECT_NEAR(p.xValue, want[i].x, 1e-6) << p.name.toStdString();
      EXPECT_NEAR(p.yValue, want[i].y, 1e-6) << p.name.toStdString();
      // The exact coordinates stand for the same numbers.
      for (const auto& [exact, value] : {std::pair{p.x, p.xValue}, std::pair{p.y, p.yValue}}) {
        if (exact.isEmpty()) continue;
        EXPECT_NEAR(approximateNumber(engine, exact).value_or(NAN), value, 1e-9)
            << exact.text().toStdString();
      }
    }
    // Every point inside the view agrees with the numeric curve discussion.
    const EngineTerm f = EngineTerm::fromUser(term);
    const Derivatives d = formDerivatives(engine, f);
    const CurveDiscussion numeric = Kurvendiskussion(engine, {f, d.first, d.second}, -10, 10);
    for (const WorkedPoint& p : s.points) {
      if (p.name == QStringLiteral("Sy")) continue;
      const QString kind = p.name.startsWith(QStringLiteral("SP"))
                               ? QStringLiteral("WP")
                               : QString(p.name).remove(QRegularExpression("\\d+$"));
      const bool listed =
          std::any_of(numeric.points.begin(), numeric.points.end(), [&](const KeyPoint& k) {
            const bool sameKind =
                k.kind == kind || (kind == QStringLiteral("N") && k.kind == QStringLiteral("BP"));
            return sameKind && std::abs(k.x - p.xValue) < 1e-3;
          });
      // The scan needs a sign change of f″ (saddles), of f′ (x⁴ at 0) and f
      // on both sides (not at the border of the domain).
      const bool border = !Funktionswert(engine, f, p.xValue - 1e-3).value ||
                          !Funktionswert(engine, f, p.xValue + 1e-3).value;
      if (p.name.startsWith(QStringLiteral("SP")) || border ||
          (p.name == QStringLiteral("TP1") && QString(term) == "x^4"))
        continue;
      EXPECT_TRUE(listed) << p.name.toStdString() << " " << numeric.lines.join('\n').toStdString();
    }
  }
}

TEST(WorkedSolution, StepsReadAsAPupilWritesThem) {
  Engine engine;
  auto text = [&](const char* term, double from = -10, double to = 10) {
    return plainText(Loesungsweg(engine, EngineTerm::fromUser(term), from, to));
  };
  const std::pair<const char*, QStringList> cases[] = {
      {"x^4-6x^2+5",
       {"f′(x) = 4x³ − 12x", "achsensymmetrisch zur y-Achse, da f(−x) = f(x)",
        "Substitution z = x²: z² − 6z + 5 = 0", "= 3 ± 2\n", "x² = 5 ⇒ x = ±√5",
        "TP1(−√3 | −4) ≈ (−1,732 | −4)", "streng monoton fallend auf ]−∞; −√3]", "HP1(0 | 5)\n"}},
      {"x^3-3x",
       {"punktsymmetrisch zum Ursprung, da f(−x) = −f(x)", "Ausklammern: x·(x² − 3) = 0", "x² = 3",
        "linksgekrümmt auf ]0; ∞["}},
      {"x^2-2x-1",
       {"pq-Formel mit p = −2, q = −1:", "TP1(1 | −2)\n", "N2(1 + √2 | 0) ≈ (2,414 | 0)"}},
      {"2x^2+3x-2",
       {"abc-Formel mit a = 2, b = 3, c = −2:", "(−3 ± 5)/4", "N1(−2 | 0)",
        "N2(1/2 | 0) ≈ (0,5 | 0)"}},
      {"x^3-6x^2+11x-6",
       {"Nullstelle durch Probieren: x = 1",
        "Polynomdivision: (x³ − 6x² + 11x − 6) : (x − 1) = x² − 5x + 6"}},
      {"(x-1)^2*(x+2)", {"x = 1: doppelte Nullstelle: Berührpunkt"}},
      {"x^4-2x^3",
       {"f″(0) = 0, Vorzeichenwechsel von f′: keiner", "Sattelpunkt, da auch f′(0) = 0"}},
      {"x^4",
       {"Vorzeichenwechsel von f′: von − nach +",
        "kein Vorzeichenwechsel von f″ ⇒ kein Wendepunkt"}},
      {"x/(x^2-4)", {"f′(x) = −(x² + 4)/(x² − 4)²"}},
      {"(x^2+4)/(x^2-4)",
       {"f′(x) = −16x/(x² − 4)²", "D = ℝ \\ {−2; 2}", "x = 2: Polstelle mit Vorzeichenwechsel",
        "waagerechte Asymptote y = 1", "senkrechte Asymptote x = −2"}},
      {"1/x^2", {"x = 0: Polstelle ohne Vorzeichenwechsel", "keine besonderen Punkte"}},
      {"(x^2-1)/(x-1)", {"f′(x) = 1\n", "x = 1: hebbare Definitionslücke, Lücke (1 | 2)"}},
      {"x+1/x", {"schräge Asymptote y = x"}},
      {"e^(1/x)",
       {"von links: f(x) → 0, von rechts: f(x) → ∞", "senkrechte Asymptote x = 0 (von rechts)"}},
      {"ln(x)", {"D = ]0; ∞[", "für x → 0 von rechts: f(x) → −∞"}},
      {"sqrt(x)*(x-3)", {"D = [0; ∞[", "streng monoton fallend auf [0; 1]"}},
      {"x*e^x", {"eˣ > 0 für alle x, also keine Lösung", "TP1(−1 | −1/e) ≈ (−1 | −0,368)"}},
      {"x^5-x-1", {"nicht exakt lösbar, numerisch:", "N1 ≈ (1,167 | 0)"}},
      {"sin(50x)",
       {"allgemeine Lösung: x = k·π/50, k ∈ ℤ\n  im Intervall [−10; 10]:\n  mehr als 100 Lösungen "
        "im Intervall",
        "Die Intervalle lassen sich nicht angeben: mehr als 100 Lösungen"}},
      {"cos(x)",
       {"allgemeine Lösung: x = π/2 + k·π, k ∈ ℤ", "im Intervall [−4; 4]:", "HP1(0 | 1)",
        "TP2(π | −1) ≈ (3,142 | −1)"}},
  };
  for (const auto& [term, lines] : cases) {
    const QString all =
        text(term, QString(term) == "cos(x)" ? -4 : -10, QString(term) == "cos(x)" ? 4 : 10);
    for (const QString& line : lines)
      EXPECT_TRUE(all.contains(line)) << term << ": " << line.toStdString() << "\n"
                                      << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("sqrt"))) << term;
    if (QString(term) == "e^(1/x)") {
      EXPECT_FALSE(all.contains(QStringLiteral("Polstelle")));  // infinite from one side only
    }
  }
  EXPECT_EQ(Loesungsweg(engine, EngineTerm::fromUser("2y+1")).failure,
            QStringLiteral("Fehler bei der Eingabe des Funktionsterms!"));
}

TEST(WorkedSolution, HtmlKeepsEverySectionAndEscapesText) {
  Engine engine;
  const WorkedSolution s = Loesungsweg(engine, EngineTerm::fromUser("x^2-2x"));
  const QString html = htmlText(s);
  for (const WorkedSection& section : s.sections)
    EXPECT_TRUE(html.contains("<h3>" + section.heading + "</h3>"));
  EXPECT_TRUE(html.contains(QStringLiteral("x<sup>2</sup> − 2x")));
  EXPECT_EQ(s.sections.front().heading, QStringLiteral("Funktion und Ableitungen"));
  EXPECT_EQ(s.sections.back().heading, QStringLiteral("Ergebnis"));
}

}  // namespace
