#pragma once
// The zeros of a function on a closed interval, found numerically: for terms
// the algebra system cannot solve exactly, and to catch zeros it missed.
//
// The interval is sampled on a fine grid. A sign change between two samples
// is narrowed down by bisection to neighbouring doubles and kept if the
// function is small there (a pole where the sign changes, as 1/x at 0, is
// large there and no zero). Between three samples whose middle one is nearest
// to zero, the minimum of |f| is sought: where f reaches zero there without
// changing its sign it is a touching zero ((x-1)^2 at 1), where it crosses
// zero there are two zeros closer than the grid. Points without a real value
// (NaN) are no zeros and end no sign change.

#include <functional>
#include <vector>

namespace symbolic {

struct RootScan {
  std::vector<double> roots;  // ascending, distinct
  bool tooMany = false;       // more than the limit were found; roots is incomplete
};

RootScan scanRoots(const std::function<double(double)>& f, double lower, double upper,
                   size_t limit);

}  // namespace symbolic
