// The family's worked solution as text: the reasons of one cell, the lines
// of the cases and candidates, the points collected for the result, and the
// sections from the functions to the points of inflection.
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "calculus/worked_family.h"

namespace worked {

// ---------------------------------------------------------------- texts

// "f″(±√t) = 8t > 0 ⇒ TP(±√t | −t²), f″(0) = −4t < 0 ⇒ HP(0 | 0)": the
// points of one cell, a pair ±a with the same values written once.
RichText Family::reasons(int order, const CellOutcome& outcome, int side) {
  RichText out;
  if (outcome.everywhere) {
    return fName(order) + w(QStringLiteral(" = 0 für alle x: ")) +
           w(order == 1 ? QStringLiteral("kein Hoch- oder Tiefpunkt")
                        : QStringLiteral("kein Wendepunkt"));
  }
  if (outcome.found.isEmpty()) return w(QStringLiteral("keine Lösung"));
  QList<Found> found = outcome.found;
  if (side != 0) {  // |t| written without bars where t keeps its sign
    for (Found& one : found) {
      one.x = onSide(one.x, side);
      one.y = onSide(one.y, side);
      one.decider = onSide(one.decider, side);
    }
  }
  QList<bool> done(found.size(), false);
  bool first = true;
  for (qsizetype i = 0; i < found.size(); ++i) {
    if (done[i]) continue;
    const Found& one = found[i];
    const EngineTerm& x = one.shown.isEmpty() ? one.x : one.shown;
    RichText at = term(x);
    RichText decider = term(one.decider);
    for (qsizetype j = i + 1; j < found.size(); ++j) {
      const Found& other = found[j];
      if (done[j] || other.kind != one.kind || other.y.text() != one.y.text() || one.xValue == 0)
        continue;
      const EngineTerm& otherX = other.shown.isEmpty() ? other.x : other.shown;
      const bool sameDecider = other.decider.text() == one.decider.text();
      // At a point of inflection only f‴ ≠ 0 counts: ±8√3·√t.
      const bool oppositeDecider =
          order == 2 && !sameDecider &&
          isZero(simplified(
              EngineTerm::asIs('(' + one.decider.text() + ")+(" + other.decider.text() + ')')));
      if (!sameDecider && !oppositeDecider) continue;
      if (!isZero(simplified(EngineTerm::asIs('(' + x.text() + ")+(" + otherX.text() + ')'))))
        continue;
      done[j] = true;
      const bool firstPositive = one.xValue > 0;
      at = w(QStringLiteral("±")) + term(firstPositive ? x : otherX);
      if (oppositeDecider)
        decider = w(QStringLiteral("±")) + term(firstPositive ? one.decider : other.decider);
      break;
    }
    if (!first) out += w(QStringLiteral(", "));
    first = false;
    RichText reason =
        w(QStringLiteral("f") + kPrime[order + 1] + '(') + at + w(QStringLiteral(") = "));
    if (one.sign != 0) {
      reason += decider;
      reason += w(order == 2 ? QStringLiteral(" ≠ 0")
                             : (one.sign > 0 ? QStringLiteral(" > 0") : QStringLiteral(" < 0")));
    } else {
      const QString name = QStringLiteral("f") + kPrime[order];
      reason += w(QStringLiteral("0, "));
      reason +=
          w(one.change.isEmpty() ? QString(QStringLiteral("kein Vorzeichenwechsel von ") + name)
                                 : QString(QStringLiteral("Vorzeichenwechsel von ") + name +
                                           QStringLiteral(" ") + one.change));
    }
    if (one.kind.isEmpty()) {
      out += reason + w(order == 1 ? QStringLiteral(" ⇒ kein Extremum")
                                   : QStringLiteral(" ⇒ kein Wendepunkt"));
      continue;
    }
    out += reason + w(QStringLiteral(" ⇒ ") + one.kind + '(') + at + w(QStringLiteral(" | ")) +
           term(one.y) + w(QStringLiteral(")"));
    if (one.saddle) out += w(QStringLiteral(", Sattelpunkt, da auch f′ = 0"));
  }
  return out;
}

void Family::caseLines(int order, const Analysis& a) {
  const qsizetype n = a.cells.size();
  QList<RichText> texts;
  for (qsizetype i = 0; i < n; ++i) {
    int side = 0;
    if (!a.cells[i].point) {
      if (i > 0 && a.cells[i - 1].value >= 0) side = 1;
      if (i + 1 < n && a.cells[i + 1].value <= 0) side = -1;
    }
    texts << reasons(order, a.outcomes[i], side);
  }
  groupedLines(a.cells, texts);
}

void Family::groupedLines(const QList<Cell>& cells, const QList<RichText>& texts,
                          const QList<bool>& present, bool allLabel) {
  const qsizetype n = cells.size();
  auto has = [&](qsizetype i) { return present.isEmpty() || present[i]; };
  if (n == 1) {
    if (has(0)) line(texts.front());
    return;
  }
  QList<bool> written(n, false);
  for (qsizetype i = 0; i < n; ++i) {
    if (written[i] || !has(i)) continue;
    QList<bool> in(n, false);
    for (qsizetype k = i; k < n; ++k)
      if (has(k) && texts[k].plain == texts[i].plain) in[k] = written[k] = true;
    RichText label = setText(cells, in, false);
    if (label.isEmpty() && !allLabel) {
      line(texts[i]);
      continue;
    }
    if (label.isEmpty()) label = w(QStringLiteral("für alle ") + QString(t_));
    if (cells[i].point && std::count(in.begin(), in.end(), true) == 1) {
      const EngineTerm fc = withT(f_, cells[i].exact);
      label += w(QStringLiteral(" (f(x) = ")) + term(fc) + w(QStringLiteral(")"));
    }
    line(label + w(QStringLiteral(": ")) + texts[i]);
  }
}

// "x = 0 ∨ x = ±√t (für t > 0)": the candidates with the values of t for
// which they are solutions distinct from those before them.
void Family::candidateLine(int order, const Analysis& a) {
  if (!a.families.isEmpty()) {
    // The engine's integer is k; a family in k calls it n.
    static const QRegularExpression integer(QStringLiteral("\\bk\\b"));
    const QString n = t_ == QChar('k') ? QStringLiteral("n") : QStringLiteral("k");
    RichText general = w(QStringLiteral("allgemeine Lösung: "));
    for (qsizetype i = 0; i < a.families.size(); ++i)
      general += (i ? w(QStringLiteral(" oder ")) : RichText()) + w(QStringLiteral("x = ")) +
                 term(EngineTerm::asIs(QString(a.families[i].text()).replace(integer, n)));
    line(general + w(QStringLiteral(", ") + n + QStringLiteral(" ∈ ℤ")));
  }
  if (a.window)
    line(w((a.families.isEmpty() ? QStringLiteral("nicht exakt lösbar, numerisch im Intervall [")
                                 : QStringLiteral("im Intervall [")) +
           schoolNumber(from_) + QStringLiteral("; ") + schoolNumber(to_) + QStringLiteral("]:")));
  RichText out;
  QList<bool> used(a.candidates.size(), false);
  bool first = true;
  for (qsizetype i = 0; i < a.candidates.size(); ++i) {
    if (used[i]) continue;
    QList<bool> in(a.cells.size(), false);
    for (qsizetype k = 0; k < a.cells.size(); ++k)
      for (const Found& f : a.outcomes[k].found) in[k] = in[k] || f.index == i;
    if (std::none_of(in.begin(), in.end(), [](bool b) { return b; })) continue;
    RichText shown = term(a.candidates[i].x);
    for (qsizetype j = i + 1; j < a.candidates.size(); ++j) {
      if (used[j]) continue;
      if (!isZero(simplified(EngineTerm::asIs('(' + a.candidates[i].x.text() + ")+(" +
                                              a.candidates[j].x.text() + ')'))))
        continue;
      QList<bool> other(a.cells.size(), false);
      for (qsizetype k = 0; k < a.cells.size(); ++k)
        for (const Found& f : a.outcomes[k].found) other[k] = other[k] || f.index == j;
      bool together = true;
      for (qsizetype k = 0; k < a.cells.size(); ++k) {
        if (other[k] == in[k]) continue;
        // one of them only where the two meet
        together = together && a.cells[k].point &&
                   std::abs(value(a.candidates[i].x, a.cells[k].value) -
                            value(a.candidates[j].x, a.cells[k].value)) < 1e-9;
      }
      if (!together) continue;
      for (qsizetype k = 0; k < a.cells.size(); ++k) in[k] = in[k] || other[k];
      used[j] = true;
      double v = NAN;
      for (qsizetype k = 0; k < a.cells.size() && !std::isfinite(v); ++k)
        if (in[k] && !a.cells[k].point) v = value(a.candidates[i].x, a.cells[k].value);
      const bool iMinus = a.candidates[i].x.text().startsWith('-');
      const bool jMinus = a.candidates[j].x.text().startsWith('-');
      const bool positive = iMinus != jMinus ? !iMinus : (!std::isfinite(v) || v > 0);
      shown = w(QStringLiteral("±")) + term(positive ? a.candidates[i].x : a.candidates[j].x);
      break;
    }
    if (!first) out += w(QStringLiteral(" ∨ "));
    first = false;
    out += w(QStringLiteral("x = ")) + shown;
    const RichText where = setText(a.cells, in, false);
    if (!where.isEmpty()) out += w(QStringLiteral(" (")) + where + w(QStringLiteral(")"));
  }
  // Solutions that only a cut value of t has.
  for (qsizetype k = 0; k < a.cells.size(); ++k) {
    for (const Found& f : a.outcomes[k].found) {
      if (f.index >= 0) continue;
      if (!first) out += w(QStringLiteral(" ∨ "));
      first = false;
      out += w(QStringLiteral("x = ")) + term(f.x) +
             w(QStringLiteral(" (für ") + QString(t_) + QStringLiteral(" = ")) +
             term(a.cells[k].exact) + w(QStringLiteral(")"));
    }
  }
  // A member for which the equation holds at every x (f = x at t = 0 for
  // f″ = −2t/x³): "keine Lösung" only for the other values of t.
  QList<bool> solvable(a.cells.size(), true);
  for (qsizetype k = 0; k < a.cells.size(); ++k)
    solvable[k] = !(a.outcomes[k].everywhere && a.cells[k].point);
  const bool somewhere = solvable.contains(false);
  if (first && isZero(simplified(d_[order]))) {  // t·x: f″ = 0 for every t
    CellOutcome always;
    always.everywhere = true;
    line(order == 0 ? w(QStringLiteral("f(x) = 0 für alle x")) : reasons(order, always, 0));
    return;
  }
  if (first) {
    RichText none = w(QStringLiteral("keine Lösung"));
    const RichText where = somewhere ? setText(a.cells, solvable, false) : RichText();
    if (!where.isEmpty()) none += w(QStringLiteral(" (")) + where + w(QStringLiteral(")"));
    line(none);
  } else {
    line(out);
  }
  for (qsizetype k = 0; k < a.cells.size(); ++k) {
    if (solvable[k]) continue;
    const RichText at = w(QStringLiteral("für ") + QString(t_) + QStringLiteral(" = ")) +
                        term(a.cells[k].exact) + w(QStringLiteral(": "));
    if (order == 0) {
      line(at + w(QStringLiteral("f(x) = 0 für alle x")));
    } else if (first) {  // otherwise the case lines say it
      line(at + reasons(order, a.outcomes[k], 0));
    }
  }
}

void Family::collectPoints(const Analysis& a) {
  const qsizetype n = a.cells.size();
  QList<Listed> here;
  for (qsizetype k = 0; k < n; ++k) {
    for (const Found& f : a.outcomes[k].found) {
      if (f.kind.isEmpty()) continue;
      auto same = [&](const Listed& l) {
        if (l.kind != f.kind) return false;
        if (f.index >= 0) return l.x.text() == f.x.text() && l.order >= 0;
        return l.x.text() == f.x.text() && l.y.text() == f.y.text();
      };
      auto it = std::find_if(here.begin(), here.end(), same);
      if (it == here.end()) {
        Listed l;
        l.kind = f.kind;
        l.x = f.x;
        l.y = f.y;
        l.in = QList<bool>(n, false);
        l.order = f.index >= 0 ? 0 : -1;
        here << l;
        it = here.end() - 1;
      }
      it->in[k] = true;
      if (!a.cells[k].point && f.index >= 0) it->y = f.y;  // the generic term
    }
  }
  for (Listed& l : here) {
    qsizetype interval = -1;
    bool positive = true, negative = true;
    for (qsizetype k = 0; k < n; ++k) {
      if (!l.in[k]) continue;
      if (!a.cells[k].point) interval = k;
      const double lo =
          a.cells[k].point ? a.cells[k].value : (k > 0 ? a.cells[k - 1].value : -INFINITY);
      const double hi =
          a.cells[k].point ? a.cells[k].value : (k + 1 < n ? a.cells[k + 1].value : INFINITY);
      positive = positive && lo >= 0;
      negative = negative && hi <= 0;
    }
    if (interval < 0) {  // only at cut values: the point there
      for (qsizetype k = 0; k < n; ++k) {
        if (!l.in[k]) continue;
        for (const Found& f : a.outcomes[k].found)
          if (f.kind == l.kind && f.x.text() == l.x.text() && !f.shown.isEmpty()) l.x = f.shown;
        break;
      }
      continue;
    }
    if (positive || negative) {
      l.x = onSide(l.x, positive ? 1 : -1);
      l.y = onSide(l.y, positive ? 1 : -1);
    }
  }
  listed_ << here;
}

// A term with |t| on one side of 0: |t| = t for t > 0, −t for t < 0.
EngineTerm Family::onSide(const EngineTerm& term, int side) {
  const QString abs = QStringLiteral("abs(") + QString(t_) + ')';
  EngineTerm t = term;
  if (!t.text().contains(abs)) {
    if (!t.text().contains(QStringLiteral("sqrt"))) return term;
    const Rewritten f = factor(engine_, term);
    if (!f.failure.isEmpty() || !f.term.text().contains(abs)) return term;
    t = f.term;
  }
  const QString text = QString(t.text()).replace(
      abs, side > 0 ? QString(t_) : QStringLiteral("(-") + QString(t_) + ')');
  const Rewritten r = simplify(engine_, EngineTerm::asIs(text));
  return r.failure.isEmpty() ? r.term : term;
}

// ---------------------------------------------------------------- sections

void Family::functions() {
  section(QStringLiteral("Funktion und Ableitungen"));
  line(w(QStringLiteral("Funktionenschar mit dem Parameter ") + QString(t_) +
         QStringLiteral(" ∈ ℝ")));
  for (int order = 0; order <= 3; ++order)
    line(fName(order) + w(QStringLiteral(" = ")) + term(d_[order]));
}

void Family::domain() {
  section(QStringLiteral("Definitionsbereich"));
  const DomainConditions c = domainConditions(f_);
  QList<std::pair<EngineTerm, QString>> all;
  for (const EngineTerm& one : c.nonZero) all.push_back({one, QStringLiteral(" ≠ 0")});
  for (const EngineTerm& one : c.positive) all.push_back({one, QStringLiteral(" > 0")});
  for (const EngineTerm& one : c.nonNegative) all.push_back({one, QStringLiteral(" ≥ 0")});
  if (all.isEmpty()) {
    line(w(QStringLiteral("D = ℝ")));
    return;
  }
  for (const auto& [one, relation] : all)
    line(w(QStringLiteral("Bedingung: ")) + term(one) + w(relation));
  // One border each, solved for x without conditions of its own.
  RichText gaps, interval;
  int intervals = 0;
  bool plain = true;
  for (const auto& [one, relation] : all) {
    const Solutions s = solve(engine_, one);
    if (!s.failure.isEmpty() || s.general) {
      plain = false;
      break;
    }
    for (const Solution& b : s.solutions) {
      const DomainConditions own = conditions(b.exact);
      if (b.numeric() || !own.nonZero.isEmpty() || !own.positive.isEmpty() ||
          !own.nonNegative.isEmpty())
        plain = false;
    }
    if (!plain) break;
    if (relation == QStringLiteral(" ≠ 0")) {
      for (const Solution& b : s.solutions)
        gaps += (gaps.isEmpty() ? RichText() : w(QStringLiteral("; "))) + term(b.exact);
      continue;
    }
    if (s.solutions.size() != 1 || ++intervals > 1) {
      plain = false;
      break;
    }
    // The side where the condition holds, the same for t = 1 and t = −1.
    const EngineTerm border = s.solutions.front().exact;
    int side = 0;
    for (double tau : {1.0, -1.0, 2.0}) {
      const double b = value(border, tau);
      const double right = value(one, tau, b + 1), left = value(one, tau, b - 1);
      const int s2 = right > 0 && !(left > 0) ? 1 : (left > 0 && !(right > 0) ? -1 : 0);
      if (side == 0) side = s2;
      if (s2 != side) side = 2;
    }
    if (side != 1 && side != -1) {
      plain = false;
      break;
    }
    const bool closed = relation == QStringLiteral(" ≥ 0");
    interval = side > 0 ? w(closed ? QStringLiteral("[") : QStringLiteral("]")) + term(border) +
                              w(QStringLiteral("; ∞["))
                        : w(QStringLiteral("]−∞; ")) + term(border) +
                              w(closed ? QStringLiteral("]") : QStringLiteral("["));
  }
  if (!plain) {
    RichText text = w(QStringLiteral("D = {x ∈ ℝ | "));
    for (qsizetype i = 0; i < all.size(); ++i)
      text += (i ? w(QStringLiteral(" ∧ ")) : RichText()) + term(all[i].first) + w(all[i].second);
    line(text + w(QStringLiteral("}")));
    return;
  }
  RichText text =
      w(QStringLiteral("D = ")) + (interval.isEmpty() ? w(QStringLiteral("ℝ")) : interval);
  if (!gaps.isEmpty()) text += w(QStringLiteral(" \\ {")) + gaps + w(QStringLiteral("}"));
  line(text);
}

void Family::symmetry() {
  section(QStringLiteral("Symmetrie"));
  const EngineTerm mirrored = substitute(engine_, f_, "x", EngineTerm::asIs("(-x)"));
  auto vanishes = [&](const char* op) {
    const Rewritten r = simplify(
        engine_, EngineTerm::asIs('(' + mirrored.text() + ')' + op + '(' + f_.text() + ')'));
    return r.failure.isEmpty() && isZero(r.term);
  };
  const QString all = QStringLiteral(" für alle ") + QString(t_);
  if (vanishes("-")) {
    line(w(QStringLiteral("achsensymmetrisch zur y-Achse") + all +
           QStringLiteral(", da f(−x) = f(x)")));
  } else if (vanishes("+")) {
    line(w(QStringLiteral("punktsymmetrisch zum Ursprung") + all +
           QStringLiteral(", da f(−x) = −f(x)")));
  } else {
    line(w(QStringLiteral("keine Symmetrie zum Koordinatensystem") + all +
           QStringLiteral(" erkennbar")));
  }
}

void Family::yIntercept() {
  const EngineTerm zero = EngineTerm::asIs("0");
  const Rewritten y = exactValue(engine_, f_, zero);
  if (!y.failure.isEmpty() || y.term.isEmpty()) return;
  cuts_.clear();
  const DomainConditions c = domainConditions(f_);
  for (const QList<EngineTerm>* list : {&c.nonZero, &c.positive, &c.nonNegative})
    for (const EngineTerm& one : *list) cutsOf(at(one, zero));
  cutsOfConditions(y.term);
  const QList<Cell> all = cells();
  QList<bool> in;
  for (const Cell& cell : all) {
    const EngineTerm fc = cell.point ? putT(f_, cell.exact) : EngineTerm();
    in << std::isfinite(cell.point ? Funktionswert(engine_, fc, 0.0).value.value_or(NAN)
                                   : value(f_, cell.value, 0.0));
  }
  if (std::none_of(in.begin(), in.end(), [](bool b) { return b; })) return;
  section(QStringLiteral("Schnittpunkt mit der y-Achse"));
  RichText text = w(QStringLiteral("f(0) = ")) + term(y.term) + w(QStringLiteral(" ⇒ Sy(0 | ")) +
                  term(y.term) + w(QStringLiteral(")"));
  const RichText where = setText(all, in, true);
  if (!where.isEmpty()) text += w(QStringLiteral(" ")) + where;
  line(text);
  listed_ << Listed{QStringLiteral("Sy"), zero, y.term, in, all, 0};
}

void Family::zeros() {
  section(QStringLiteral("Nullstellen"));
  line(w(QStringLiteral("f(x) = 0")));
  const Rewritten factored = factor(engine_, f_);
  if (factored.failure.isEmpty() && factorsWithX(factored.term).size() > 1)
    line(w(QStringLiteral("Faktorisieren: ")) + term(factored.term) + w(QStringLiteral(" = 0")));
  cuts_.clear();
  Analysis a = analyse(0);
  if (!a.failure.isEmpty()) {
    line(w(a.failure));
    return;
  }
  kept_[0] = {a, cuts_, true};
  a.cells = cells();
  for (const Cell& cell : a.cells)
    a.outcomes << (cell.point ? atCut(0, a.candidates, cell)
                              : inInterval(0, a.candidates, cell.value));
  candidateLine(0, a);
  const qsizetype before = listed_.size();
  collectPoints(a);
  for (qsizetype i = before; i < listed_.size(); ++i) listed_[i].cells = a.cells;
}

void Family::extrema() {
  section(QStringLiteral("Extrempunkte"));
  line(w(QStringLiteral("notwendige Bedingung: f′(x) = 0")));
  line(isZero(d_[1]) ? fName(1) + w(QStringLiteral(" = 0"))
                     : fName(1) + w(QStringLiteral(" = ")) + term(d_[1]) + w(QStringLiteral(" = 0")));
  cuts_.clear();
  Analysis a = analyse(1);
  if (!a.failure.isEmpty()) {
    line(w(a.failure));
    return;
  }
  a.cells = cells();
  for (const Cell& cell : a.cells)
    a.outcomes << (cell.point ? atCut(1, a.candidates, cell)
                              : inInterval(1, a.candidates, cell.value));
  kept_[1] = {a, cuts_, true};
  candidateLine(1, a);
  if (a.candidates.isEmpty() &&
      std::none_of(a.outcomes.begin(), a.outcomes.end(),
                   [](const CellOutcome& o) { return !o.found.isEmpty(); }))
    return;
  line(w(QStringLiteral("hinreichende Bedingung: f′(x) = 0 und f″(x) ≠ 0")));
  caseLines(1, a);
  const qsizetype before = listed_.size();
  collectPoints(a);
  for (qsizetype i = before; i < listed_.size(); ++i) listed_[i].cells = a.cells;
}

void Family::inflections() {
  section(QStringLiteral("Wendepunkte"));
  line(w(QStringLiteral("notwendige Bedingung: f″(x) = 0")));
  line(isZero(d_[2]) ? fName(2) + w(QStringLiteral(" = 0"))
                     : fName(2) + w(QStringLiteral(" = ")) + term(d_[2]) + w(QStringLiteral(" = 0")));
  cuts_.clear();
  Analysis a = analyse(2);
  if (!a.failure.isEmpty()) {
    line(w(a.failure));
    return;
  }
  a.cells = cells();
  for (const Cell& cell : a.cells)
    a.outcomes << (cell.point ? atCut(2, a.candidates, cell)
                              : inInterval(2, a.candidates, cell.value));
  kept_[2] = {a, cuts_, true};
  candidateLine(2, a);
  if (std::none_of(a.outcomes.begin(), a.outcomes.end(),
                   [](const CellOutcome& o) { return !o.found.isEmpty(); }))
    return;
  line(w(QStringLiteral("hinreichende Bedingung: f″(x) = 0 und f‴(x) ≠ 0")));
  caseLines(2, a);
  const qsizetype before = listed_.size();
  collectPoints(a);
  for (qsizetype i = before; i < listed_.size(); ++i) listed_[i].cells = a.cells;
}

}  // namespace worked
