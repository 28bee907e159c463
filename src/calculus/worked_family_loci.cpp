// The end of the family's worked solution: the points found with the values
// of t where they exist, and the Ortskurven of those that move with t.
#include <algorithm>
#include <cmath>

#include "calculus/worked_family.h"

namespace worked {
namespace {

// A range of x reached by a moving point, for the Ortskurve.
struct XRange {
  double lo = -INFINITY, hi = INFINITY;
  EngineTerm loExact, hiExact;
  bool loClosed = false, hiClosed = false;
};

QString kindPlural(const QString& kind) {
  if (kind == QStringLiteral("HP")) return QStringLiteral("Hochpunkte");
  if (kind == QStringLiteral("TP")) return QStringLiteral("Tiefpunkte");
  if (kind == QStringLiteral("WP")) return QStringLiteral("Wendepunkte");
  return QStringLiteral("Sattelpunkte");
}

}  // namespace

// ---------------------------------------------------------------- result

void Family::result() {
  section(QStringLiteral("Ergebnis"));
  const QString order[] = {"N", "Sy", "HP", "TP", "WP", "SP"};
  if (listed_.isEmpty()) line(w(QStringLiteral("keine besonderen Punkte")));
  for (const QString& kind : order) {
    int n = 0;
    for (const Listed& l : listed_) {
      if (l.kind != kind) continue;
      const QString name = kind == QStringLiteral("Sy") ? kind : kind + QString::number(++n);
      RichText text =
          w(name + '(') + term(l.x) + w(QStringLiteral(" | ")) + term(l.y) + w(QStringLiteral(")"));
      const RichText where = setText(l.cells, l.in, true);
      if (!where.isEmpty()) text += w(QStringLiteral(" ")) + where;
      line(text);
      WorkedPoint p{name, l.x, l.y, NAN, NAN, intervals(l.cells, l.in)};
      if (!hasT(l.x)) p.xValue = approximateNumber(engine_, l.x).value_or(NAN);
      if (!hasT(l.y)) p.yValue = approximateNumber(engine_, l.y).value_or(NAN);
      out_.points << p;
    }
  }
}

// ---------------------------------------------------------------- loci

void Family::loci() {
  struct Entry {
    QString kind;
    Locus locus;
    QList<XRange> ranges;
    bool rangesKnown = true;
  };
  QList<Entry> entries;
  for (const QString& kind :
       {QStringLiteral("HP"), QStringLiteral("TP"), QStringLiteral("WP"), QStringLiteral("SP")}) {
    for (const Listed& l : listed_) {
      if (l.kind != kind || (!hasT(l.x) && !hasT(l.y))) continue;
      std::optional<double> sample;
      for (qsizetype k = 0; k < l.in.size() && !sample; ++k)
        if (l.in[k] && !l.cells[k].point) sample = l.cells[k].value;
      Locus locus = Ortskurve(engine_, l.x, l.y, t_, sample);
      // The x the point reaches while it exists: x(t) on each run of cells,
      // monotone there, between its values or limits at the ends.
      QList<XRange> ranges;
      bool known = locus.message.isEmpty() && !locus.vertical;
      const EngineTerm inX = withT(l.x, EngineTerm::asIs("x"));
      for (qsizetype a = 0; known && a < l.in.size(); ++a) {
        if (!l.in[a]) continue;
        qsizetype b = a;
        while (b + 1 < l.in.size() && l.in[b + 1]) ++b;
        XRange r;
        auto end = [&](qsizetype cell, bool lower, double& v, EngineTerm& exact, bool& closed) {
          // lower: the cut before cell a (or a itself); upper: the cut after b.
          const bool atCut = l.cells[cell].point;
          const qsizetype cut = atCut ? cell : (lower ? cell - 1 : cell + 1);
          if (cut < 0 || cut >= l.cells.size()) {
            const Limit lim = limit(engine_, inX, EngineTerm::asIs(lower ? "-inf" : "inf"));
            if (lim.kind == Limit::Kind::Value) {
              exact = simplified(lim.value);
              v = approximateNumber(engine_, exact).value_or(NAN);
            } else {
              v = lim.kind == Limit::Kind::PlusInfinity    ? INFINITY
                  : lim.kind == Limit::Kind::MinusInfinity ? -INFINITY
                                                           : NAN;
            }
            closed = false;
            return;
          }
          const EngineTerm c = l.cells[cut].exact;
          closed = atCut;
          exact = withT(l.x, c);
          v = approximateNumber(engine_, exact).value_or(NAN);
          if (!std::isfinite(v) || atCut == false) {
            const Limit lim = limit(engine_, inX, c, lower ? Side::Right : Side::Left);
            if (lim.kind == Limit::Kind::Value) {
              exact = simplified(lim.value);
              v = approximateNumber(engine_, exact).value_or(NAN);
            } else {
              exact = {};
              v = lim.kind == Limit::Kind::PlusInfinity    ? INFINITY
                  : lim.kind == Limit::Kind::MinusInfinity ? -INFINITY
                                                           : NAN;
            }
          }
        };
        double v1 = NAN, v2 = NAN;
        EngineTerm e1, e2;
        bool c1 = false, c2 = false;
        end(a, true, v1, e1, c1);
        end(b, false, v2, e2, c2);
        if (std::isnan(v1) || std::isnan(v2)) {
          known = false;
          break;
        }
        // Monotone inside: samples between the ends of t.
        const double tLo = a == 0 ? l.cells[std::min<qsizetype>(1, l.cells.size() - 1)].value - 20
                                  : l.cells[l.cells[a].point ? a : a - 1].value;
        const double tHi = b == l.in.size() - 1 ? l.cells[std::max<qsizetype>(b - 1, 0)].value + 20
                                                : l.cells[l.cells[b].point ? b : b + 1].value;
        double previous = NAN;
        int direction = 0;
        for (int k = 1; k < 12 && known; ++k) {
          const double x = value(l.x, tLo + (tHi - tLo) * k / 12.0);
          if (!std::isfinite(x)) continue;
          if (std::isfinite(previous) && std::abs(x - previous) > 1e-12) {
            const int d = x > previous ? 1 : -1;
            if (direction != 0 && d != direction) known = false;
            direction = d;
          }
          previous = x;
        }
        if (v1 <= v2) {
          r = {v1, v2, e1, e2, c1, c2};
        } else {
          r = {v2, v1, e2, e1, c2, c1};
        }
        if (r.lo == r.hi && !(r.loClosed && r.hiClosed)) continue;
        ranges << r;
        a = b;
      }
      // On one side of the y axis |x| is x or −x: y = −2x²·|x| for x > 0 is y = −2x³.
      if (known && locus.message.isEmpty() && !ranges.isEmpty() &&
          locus.term.text().contains(QStringLiteral("abs(x)"))) {
        const bool right =
            std::all_of(ranges.begin(), ranges.end(), [](const XRange& r) { return r.lo >= 0; });
        const bool left =
            std::all_of(ranges.begin(), ranges.end(), [](const XRange& r) { return r.hi <= 0; });
        if (right || left) {
          QString text = locus.term.text();
          text.replace(QStringLiteral("abs(x)"),
                       right ? QStringLiteral("x") : QStringLiteral("(-x)"));
          locus.term = simplified(EngineTerm::asIs(text));
        }
      }
      auto same = [&](const Entry& e) {
        return e.kind == kind && e.locus.vertical == locus.vertical &&
               e.locus.term.text() == locus.term.text() && e.locus.message == locus.message;
      };
      auto it = std::find_if(entries.begin(), entries.end(), same);
      if (it == entries.end()) {
        entries << Entry{kind, locus, ranges, known};
      } else {
        it->ranges << ranges;
        it->rangesKnown = it->rangesKnown && known;
      }
    }
  }
  if (entries.isEmpty()) return;
  section(QStringLiteral("Ortskurven"));
  // Several vertical lines of one kind (the extrema of t·sin(x)) share a line.
  QStringList grouped;
  for (const Entry& e : entries) {
    if (!e.locus.vertical || grouped.contains(e.kind)) continue;
    QList<std::pair<double, EngineTerm>> lines;
    for (const Entry& other : entries)
      if (other.kind == e.kind && other.locus.vertical && other.locus.message.isEmpty())
        lines.push_back(
            {approximateNumber(engine_, other.locus.term).value_or(0), other.locus.term});
    if (lines.size() < 2) continue;
    grouped << e.kind;
    std::sort(lines.begin(), lines.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    RichText text =
        w(QStringLiteral("Ortskurven der ") + kindPlural(e.kind) + QStringLiteral(": "));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      text += (i ? w(QStringLiteral("; ")) : RichText()) + w(QStringLiteral("x = ")) +
              term(lines[i].second);
      Locus locus;
      locus.vertical = true;
      locus.term = lines[i].second;
      out_.loci << KindLocus{kindPlural(e.kind), locus};
    }
    line(text);
  }
  for (Entry& e : entries) {
    if (e.locus.vertical && grouped.contains(e.kind)) continue;
    RichText text = locusLine(e.locus, kindPlural(e.kind));
    if (e.locus.message.isEmpty()) out_.loci << KindLocus{kindPlural(e.kind), e.locus};
    if (e.rangesKnown && !e.locus.vertical && !e.ranges.isEmpty()) {
      std::sort(e.ranges.begin(), e.ranges.end(),
                [](const XRange& a, const XRange& b) { return a.lo < b.lo; });
      QList<XRange> merged;
      for (const XRange& r : e.ranges) {
        if (!merged.isEmpty() &&
            (r.lo < merged.back().hi ||
             (r.lo == merged.back().hi && (r.loClosed || merged.back().hiClosed)))) {
          if (r.hi > merged.back().hi || (r.hi == merged.back().hi && r.hiClosed)) {
            merged.back().hi = r.hi;
            merged.back().hiExact = r.hiExact;
            merged.back().hiClosed = r.hiClosed;
          }
        } else {
          merged << r;
        }
      }
      auto number = [&](const EngineTerm& exact, double v) {
        return exact.isEmpty() ? w(schoolNumber(v)) : term(exact);
      };
      RichText where;
      if (merged.size() == 1 && std::isinf(merged[0].lo) && std::isinf(merged[0].hi)) {
      } else if (merged.size() == 2 && std::isinf(merged[0].lo) && std::isinf(merged[1].hi) &&
                 merged[0].hi == merged[1].lo) {
        where = w(QStringLiteral("x ≠ ")) + number(merged[0].hiExact, merged[0].hi);
      } else if (merged.size() == 1) {
        const XRange& r = merged[0];
        if (std::isinf(r.lo)) {
          where = w(r.hiClosed ? QStringLiteral("x ≤ ") : QStringLiteral("x < ")) +
                  number(r.hiExact, r.hi);
        } else if (std::isinf(r.hi)) {
          where = w(r.loClosed ? QStringLiteral("x ≥ ") : QStringLiteral("x > ")) +
                  number(r.loExact, r.lo);
        } else if (r.lo == r.hi) {
          where = w(QStringLiteral("x = ")) + number(r.loExact, r.lo);
        } else {
          where = number(r.loExact, r.lo) +
                  w(r.loClosed ? QStringLiteral(" ≤ x") : QStringLiteral(" < x")) +
                  w(r.hiClosed ? QStringLiteral(" ≤ ") : QStringLiteral(" < ")) +
                  number(r.hiExact, r.hi);
        }
      } else {
        where = w(QStringLiteral("x ∈ "));
        for (qsizetype i = 0; i < merged.size(); ++i) {
          Interval piece;
          if (!std::isinf(merged[i].lo)) piece.lo = Place{merged[i].loExact, merged[i].lo};
          if (!std::isinf(merged[i].hi)) piece.hi = Place{merged[i].hiExact, merged[i].hi};
          piece.loClosed = merged[i].loClosed;
          piece.hiClosed = merged[i].hiClosed;
          where += (i ? w(QStringLiteral(" ∪ ")) : RichText()) + intervalText(piece);
        }
      }
      if (!where.isEmpty()) text += w(QStringLiteral(" (")) + where + w(QStringLiteral(")"));
    }
    line(text);
  }
}

}  // namespace worked
