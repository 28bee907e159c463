#include "calculus/curve_discussion.h"

#include <cmath>
#include <cstdint>

#include "calculus/root_finders.h"
#include "engine/format_pattern.h"

namespace {

constexpr int kSteps = 1702;

QString shown(double value) {
  return formatPattern(value, QStringLiteral("0.0##"));
}

class Discussion {
 public:
  Discussion(Engine& engine, float xmin, float xmax, const DiscussionProgress& progress)
      : engine_(engine),
        xmin_(xmin),
        xmax_(xmax),
        dx_((xmax - xmin) / kSteps),
        progress_(progress) {}

  // Walks the window in steps of dx and calls `found` with every refined
  // sign change of g.
  template <typename Found>
  void scan(int number, const EngineTerm& g, Found found) {
    // A term that is no function of x has no sign changes: 3400 requests spared.
    if (Funktionswert(engine_, g, xmin_).termFaulty) return;
    std::int16_t step = 1;
    // The step count guards against a window so far from 0 that adding dx
    // no longer moves x in single precision.
    for (float x = xmin_; x <= xmax_ && step <= kSteps + 1; x += dx_, ++step) {
      if (progress_) progress_(number, step);
      float x1 = x, x2 = x1 + dx_;
      std::optional<double> v1 = Funktionswert(engine_, g, x1).value;
      std::optional<double> v2 = Funktionswert(engine_, g, x2).value;
      if (!v1 || !v2) continue;  // no values, no sign change to refine
      float y1 = static_cast<float>(*v1), y2 = static_cast<float>(*v2);
      if (!(y1 * y2 < 0)) continue;  // a product of exactly 0 is no sign change
      if (std::optional<float> xs = regulaFalsi(engine_, g, x1, y1, x2, y2)) found(*xs);
    }
  }

  std::optional<double> value(const EngineTerm& term, float x) {
    return Funktionswert(engine_, term, x).value;
  }

  // Appends a line with the next entry number, and its point.
  void add(const QString& kind, float x, std::optional<double> y = std::nullopt) {
    ++n_;
    const QString xText = shown(x), yText = y ? shown(*y) : QStringLiteral("0");
    // "N:" is padded to the width of the other kinds: "  N:  x(1)= ".
    QString line = QStringLiteral("  ") + QString(kind + u':').leftJustified(3) +
                   QStringLiteral(" x(%1)= ").arg(n_) + xText;
    if (y) line += QStringLiteral("  y(%1)= ").arg(n_) + yText;
    result_.lines << line;
    result_.points << KeyPoint{kind, x, y.value_or(0), kind + u'(' + xText + u'|' + yText + u')'};
  }

  CurveDiscussion result_;

 private:
  Engine& engine_;
  float xmin_, xmax_, dx_;
  const DiscussionProgress& progress_;
  std::int16_t n_ = 0;
};

}  // namespace

CurveDiscussion Kurvendiskussion(Engine& engine, const DiscussionTerms& terms, float xmin,
                                 float xmax, const DiscussionProgress& progress) {
  Discussion d(engine, xmin, xmax, progress);
  d.result_.lines << QStringLiteral("Nullstellen:");

  // Touching zeros: f' changes sign where f itself is (nearly) 0.
  d.scan(1, terms.f1, [&](float xs) {
    std::optional<double> v = d.value(terms.f, xs);
    if (v && std::fabs(*v) < 0.0001) d.add(QStringLiteral("BP"), xs);
  });
  d.scan(2, terms.f, [&](float xs) { d.add(QStringLiteral("N"), xs); });

  d.result_.lines << QString() << QStringLiteral("Extrema:");
  d.scan(3, terms.f1, [&](float xs) {
    std::optional<double> w = d.value(terms.f2, xs);
    std::optional<double> v = d.value(terms.f, xs);
    if (w && v) d.add(*w < 0 ? QStringLiteral("HP") : QStringLiteral("TP"), xs, v);
  });

  d.result_.lines << QString() << QStringLiteral("Wendepunkte:");
  d.scan(4, terms.f2, [&](float xs) {
    if (std::optional<double> v = d.value(terms.f, xs)) d.add(QStringLiteral("WP"), xs, v);
  });
  return d.result_;
}
