#include "properties/wet_bulb.hpp"

#include <cmath>
#include <limits>

#include "properties/constants.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"

namespace vaporel {
namespace {

// Steps of the fixed-end iteration before it is given up. Ordinary states converge in a
// few dozen; states near the boiling point in hundreds. Beyond this bound the bracket is
// shrinking too slowly to finish within a millisecond and bisection takes over.
constexpr int kMaxFixedEndSteps = 1000;
// Bisection halves the bracket until it is narrower than this, far below any displayed
// digit; from 500 K that takes under 40 halvings (and avoids the slow powers of tiny
// temperatures when the sign change sits at 0 °C).
constexpr double kBracketResolution = 1e-9;  // [K]
constexpr int kMaxBisectionSteps = 200;

class Residual {
 public:
  Residual(double h, double p) : h_(h), p_(p) {}

  // Enthalpy of saturated air at T minus the enthalpy of the state [kJ/kg].
  double operator()(double T) {
    ++evaluations_;
    return Enthalpy(T, SaturatedAbsHumidity(T, p_)) - h_;
  }

  // The same, with saturated air at or above the boiling point (where the humidity ratio
  // is infinite, negative or undefined) counted as infinitely rich: the residual then
  // rises monotonically over the whole bracket and its sign change is the wet bulb.
  double bracketing(double T) {
    ++evaluations_;
    const double xs = SaturatedAbsHumidity(T, p_);
    if (!(xs >= 0) || std::isinf(xs)) {
      return std::numeric_limits<double>::infinity();
    }
    return Enthalpy(T, xs) - h_;
  }

  int evaluations() const { return evaluations_; }

 private:
  double h_;
  double p_;
  int evaluations_ = 0;
};

bool HoldsSignChange(double fa, double fb) {
  return std::isfinite(fa) && std::isfinite(fb) && fa <= 0 && fb >= 0 && fa < fb;
}

// The false-position iteration with both end values fixed at their starting residuals.
// Returns true with twb when it converges; false with the bracket it had reached when it
// stops making progress or runs out of steps.
bool FixedEnd(Residual& f, double& a, double& b, double fa, double fb, double tolerance, double& twb) {
  for (int step = 0; step < kMaxFixedEndSteps; ++step) {
    const double c = a - ((b - a) * fa) / (fb - fa);
    const double fc = f(c);
    if (!std::isfinite(fc)) {
      return false;
    }
    const double previousA = a;
    const double previousB = b;
    if (fc > 0) {
      b = c;
    } else {
      a = c;
    }
    if (std::abs(fc) < tolerance) {
      twb = c;
      return true;
    }
    // With fa and fb fixed the next step would repeat this one for ever.
    if (a == previousA && b == previousB) {
      return false;
    }
  }
  return false;
}

// Bisection on a bracket whose bracketing residual rises through zero from lo to hi.
double Bisect(Residual& f, double lo, double hi, double flo, double fhi, double tolerance) {
  for (int step = 0; step < kMaxBisectionSteps; ++step) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi) || hi - lo < kBracketResolution) {
      break;  // the sign change is located as closely as it needs to be
    }
    const double fm = f.bracketing(mid);
    if (std::abs(fm) < tolerance) {
      return mid;
    }
    if (fm > 0) {
      hi = mid;
      fhi = fm;
    } else {
      lo = mid;
      flo = fm;
    }
  }
  return std::abs(flo) <= std::abs(fhi) ? lo : hi;
}

// The robust finish: bisection on the fixed-end bracket if it still brackets the sign
// change, otherwise on the dry-air bracket [-273, tdb].
double Rescue(Residual& f, double a, double b, double tdb, double tolerance) {
  if (a < b) {
    const double fa = f.bracketing(a);
    const double fb = f.bracketing(b);
    if (fa <= 0 && fb > 0) {
      return Bisect(f, a, b, fa, fb, tolerance);
    }
  }
  const double lo = kDryAirDewPoint;
  const double flo = f.bracketing(lo);
  const double fhi = f.bracketing(tdb);
  if (!(fhi > 0)) {
    return tdb;  // saturated or richer than saturated at tdb: the wet bulb is the dry bulb
  }
  if (!(flo <= 0)) {
    return lo;  // poorer than dry air at -273 °C: no lower temperature is meaningful
  }
  return Bisect(f, lo, tdb, flo, fhi, tolerance);
}

// The iteration from the bracket [tdp, tdb], with the residual fb at tdb given.
WetBulbSolution Solve(Residual& f, double tdp, double tdb, double fb, double tolerance) {
  double a = tdp;
  double b = tdb;
  double fa = f(a);
  if (!HoldsSignChange(fa, fb)) {
    // The correlation's dew point can lie above the wet bulb or far outside its range:
    // start again from the bracket of perfectly dry air.
    a = kDryAirDewPoint;
    fa = f(a);
    if (!HoldsSignChange(fa, fb)) {
      return {Rescue(f, a, b, tdb, tolerance), f.evaluations()};
    }
  }
  double twb = 0;
  if (FixedEnd(f, a, b, fa, fb, tolerance, twb)) {
    return {twb, f.evaluations()};
  }
  return {Rescue(f, a, b, tdb, tolerance), f.evaluations()};
}

}  // namespace

WetBulbSolution SolveWetBulb(double tdp, double tdb, double h, double p, double tolerance) {
  Residual f(h, p);
  return Solve(f, tdp, tdb, f(tdb), tolerance);
}

WetBulbSolution SolveWetBulb(double tdp, double tdb, double h, double p, double tolerance, double saturatedAtTdb) {
  Residual f(h, p);
  return Solve(f, tdp, tdb, Enthalpy(tdb, saturatedAtTdb) - h, tolerance);
}

double WetBulb(double tdp, double tdb, double h, double p, double tolerance) {
  return SolveWetBulb(tdp, tdb, h, p, tolerance).twb;
}

double WetBulb(double tdp, double tdb, double h, double p, double tolerance, double saturatedAtTdb) {
  return SolveWetBulb(tdp, tdb, h, p, tolerance, saturatedAtTdb).twb;
}

}  // namespace vaporel
