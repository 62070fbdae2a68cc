#pragma once
// The one bounded bisection of the program's searches: a bracket halved until no double lies
// inside it, or after 200 halvings, converging on values, never on the clock.

namespace vaporel {

struct Bracket {
  double lo, hi;
  double middle() const { return lo + (hi - lo) / 2; }
};

// [lo, hi] narrowed around the first argument at which rising(arg) reaches target: an
// argument where rising is below target becomes lo, any other hi.
template <class F>
Bracket Narrow(F rising, double target, double lo, double hi) {
  constexpr int kHalvings = 200;
  for (int step = 0; step < kHalvings; ++step) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi)) break;
    (rising(mid) < target ? lo : hi) = mid;
  }
  return {lo, hi};
}

}  // namespace vaporel
