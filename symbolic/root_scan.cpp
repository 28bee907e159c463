#include "symbolic/root_scan.h"

#include <algorithm>
#include <cmath>

namespace symbolic {
namespace {

constexpr int kSamples = 50000;
// A zero found by bisection: |f| there at most this share of |f| at the ends
// of its grid cell (a pole keeps growing instead).
constexpr double kZeroShare = 1e-6;
// A touching zero: |f| at the minimum at most this share of its neighbours'
// and at most this absolute value, which leaves rounding noise room.
constexpr double kTouchShare = 1e-6;
constexpr double kTouchLevel = 1e-10;

int signOf(double v) {
  return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

class Scanner {
 public:
  Scanner(const std::function<double(double)>& f, size_t limit) : function_(f), limit_(limit) {}

  RootScan run(double lower, double upper) {
    std::vector<double> xs(kSamples + 1), fs(kSamples + 1);
    for (int i = 0; i <= kSamples; ++i) {
      xs[i] = i == kSamples ? upper : lower + (upper - lower) * i / kSamples;
      fs[i] = f_(xs[i]);
      if (fs[i] == 0) add(xs[i]);
    }
    for (int i = 0; i < kSamples && !full(); ++i) {
      if (signOf(fs[i]) * signOf(fs[i + 1]) < 0) crossing(xs[i], fs[i], xs[i + 1], fs[i + 1]);
    }
    // A sample that is zero hides a second zero right beside it from the sign test.
    for (int i = 0; i < kSamples && !full(); ++i) {
      if ((fs[i] == 0) == (fs[i + 1] == 0) || std::isnan(fs[i]) || std::isnan(fs[i + 1])) continue;
      nearest(xs[i], fs[i], xs[i + 1], fs[i + 1], signOf(fs[i] + fs[i + 1]), false);
    }
    for (int i = 1; i < kSamples && !full(); ++i) {
      const double a = std::fabs(fs[i - 1]), m = std::fabs(fs[i]), b = std::fabs(fs[i + 1]);
      const int s = signOf(fs[i]);
      if (s == 0 || signOf(fs[i - 1]) != s || signOf(fs[i + 1]) != s) continue;
      if (m <= a && m <= b && (m < a || m < b)) {
        nearest(xs[i - 1], fs[i - 1], xs[i + 1], fs[i + 1], s, true);
      }
    }
    std::sort(roots_.begin(), roots_.end());
    std::vector<double> distinct;
    for (double r : roots_) {
      if (distinct.empty() || r - distinct.back() > 1e-10 * (1 + std::fabs(r)))
        distinct.push_back(r);
    }
    RootScan result;
    result.tooMany = distinct.size() > limit_;
    result.roots = std::move(distinct);
    return result;
  }

 private:
  const std::function<double(double)>& function_;
  size_t limit_;

  // Infinities are no values either.
  double f_(double x) const {
    const double v = function_(x);
    return std::isfinite(v) ? v : NAN;
  }
  std::vector<double> roots_;

  bool full() const { return roots_.size() > 4 * limit_ + 8; }
  void add(double x) { roots_.push_back(x); }

  // f(a) and f(b) of opposite signs: bisection to neighbouring doubles.
  void crossing(double a, double fa, double b, double fb) {
    const double scale = std::max(std::fabs(fa), std::fabs(fb));
    for (int step = 0; step < 200; ++step) {
      const double m = a + (b - a) / 2;
      if (m <= a || m >= b) break;
      const double fm = f_(m);
      if (fm == 0) return add(m);
      if (std::isnan(fm)) return;  // a gap in the domain, not a zero
      if (signOf(fm) == signOf(fa)) {
        a = m;
        fa = fm;
      } else {
        b = m;
        fb = fm;
      }
    }
    const double smaller = std::min(std::fabs(fa), std::fabs(fb));
    if (smaller <= kZeroShare * scale) add(std::fabs(fa) <= std::fabs(fb) ? a : b);
  }

  // Golden-section search for the minimum of s*f between a and b, where f
  // has sign s at both ends (or is zero at one) and is nearer to zero in
  // between. A touching zero is only looked for between two nonzero ends.
  void nearest(double a, double fa, double b, double fb, int s, bool touching) {
    const double scale = std::max(std::fabs(fa), std::fabs(fb));
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = s * f_(c), fd = s * f_(d);
    for (int step = 0; step < 200 && c < d; ++step) {
      for (auto [x, v] : {std::pair{c, fc}, std::pair{d, fd}}) {
        // cos(x)-1 is 0 all around 0; beside a zero sample that is its own plateau.
        if (v == 0) return touching ? add(polish(x)) : void();
        if (v < 0) {  // it crosses zero twice between the samples
          crossing(a, fa, x, s * v);
          crossing(x, s * v, b, fb);
          return;
        }
      }
      if (std::isnan(fc) || std::isnan(fd)) return;
      if (fc < fd) {
        b = d;
        fb = s * fd;
        d = c;
        fd = fc;
        c = b - ratio * (b - a);
        fc = s * f_(c);
      } else {
        a = c;
        fa = s * fc;
        c = d;
        fc = fd;
        d = a + ratio * (b - a);
        fd = s * f_(d);
      }
    }
    const double x = fc < fd ? c : d, least = std::min(fc, fd);
    if (touching && least <= kTouchShare * scale && least <= kTouchLevel) add(polish(x));
  }

  // Near a touching zero f is flat; where rounding noise stops the search
  // early, the sign change of the central difference places it better. Its
  // error grows with the square of the step, so two steps are extrapolated.
  double polish(double x) {
    const double h = 1e-6 * (1 + std::fabs(x));
    const double coarse = slopeZero(x, h), fine = slopeZero(x, h / 2);
    if (std::isnan(coarse) || std::isnan(fine)) return x;
    return fine + (fine - coarse) / 3;
  }

  double slopeZero(double x, double h) {
    const double w = 1e-6 * (1 + std::fabs(x));
    auto slope = [&](double t) { return f_(t + h) - f_(t - h); };
    double a = x - w, b = x + w, sa = slope(a), sb = slope(b);
    if (!(signOf(sa) * signOf(sb) < 0)) return NAN;
    for (int step = 0; step < 100; ++step) {
      const double m = a + (b - a) / 2;
      if (m <= a || m >= b) break;
      const double sm = slope(m);
      if (std::isnan(sm)) return NAN;
      if (signOf(sm) == signOf(sa)) {
        a = m;
        sa = sm;
      } else {
        b = m;
      }
    }
    return a + (b - a) / 2;
  }
};

}  // namespace

RootScan scanRoots(const std::function<double(double)>& f, double lower, double upper,
                   size_t limit) {
  return Scanner(f, limit).run(lower, upper);
}

}  // namespace symbolic
