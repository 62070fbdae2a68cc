#pragma once
// An oracle for the wet-bulb temperature that shares no code with the program's iteration.

#include <cmath>

#include "properties/humid_air.hpp"

namespace vaporel::testing_support {

// Where the residual Enthalpy(T, AbsHumidity(T, 100, p)) - h changes sign on [-273, tdb],
// found by plain bisection; at and above the boiling point saturated air counts as
// infinitely rich (residual > 0).
inline double SignChange(double tdb, double h, double p) {
  double lo = -273;
  double hi = tdb;
  for (int i = 0; i < 200; ++i) {
    const double mid = lo + (hi - lo) / 2;
    const double xs = AbsHumidity(mid, 100, p);
    const bool positive = !(xs >= 0) || std::isinf(xs) || Enthalpy(mid, xs) - h > 0;
    (positive ? hi : lo) = mid;
  }
  return lo;
}

}  // namespace vaporel::testing_support
