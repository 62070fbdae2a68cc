#include "calculation/boundary_values.hpp"

#include <cmath>
#include <vector>

#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel {
namespace {

// MinWetBulb steps down by 0.1 K; saturated air at -273 °C holds nothing, so the search
// ends within (tdb + 273) / 0.1 steps for any tdb the first field accepts. The bound only
// matters for a residual that is not a number.
constexpr int kMaxMinWetBulbSteps = 20000;
// The search by halving stays above this temperature [°C], well inside the saturation fits.
constexpr double kLowestSearchedTemperature = -100;

}  // namespace

double MaxDryBulb(InputPair pair, double p) {
  const double ts = SatTemperature(p);
  return pair == InputPair::DryBulbHumidity ? 0.9 * ts : ts;
}

double MinWetBulbByWalk(double tdb, double p) {
  const double hdry = Enthalpy(tdb, 0);
  double tw = tdb;
  for (int step = 0; step < kMaxMinWetBulbSteps; ++step) {
    const double xs = SaturatedAbsHumidity(tw, p);
    const double hs = Enthalpy(tw, xs);
    if (hdry - hs >= 0) {
      return tw;
    }
    tw = tw - 0.1;  // a running subtraction, as the panel has always stepped
  }
  return tw;
}

double MinWetBulb(double tdb, double p) {
  // The walk's steps are cheap to take and dear to test. Below a temperature at which
  // saturated air holds a finite, positive amount of water, it holds less at every lower
  // step, and its enthalpy falls by at least about 0.1 kJ/kg per 0.1 K step, far more than
  // the rounding of any one evaluation: the test "dry air at tdb is no poorer" is false up to
  // the walk's answer and true from there on. So the first step that passes is found by
  // doubling, then halving, over the same sequence of steps.
  const double hdry = Enthalpy(tdb, 0);
  const auto reached = [hdry, p](double tw) { return hdry - Enthalpy(tw, SaturatedAbsHumidity(tw, p)) >= 0; };
  if (reached(tdb)) return tdb;
  const double xs = SaturatedAbsHumidity(tdb, p);
  if (!(std::isfinite(xs) && xs > 0)) return MinWetBulbByWalk(tdb, p);

  std::vector<double> steps{tdb};
  const auto step = [&steps](std::size_t k) {
    while (steps.size() <= k) steps.push_back(steps.back() - 0.1);
    return steps[k];
  };
  std::size_t before = 0, at = 1;  // step `before` has not passed
  while (!reached(step(at))) {
    before = at;
    at *= 2;
    // Far below the fits' range the fall of the saturated enthalpy is not established: walk.
    if (at >= kMaxMinWetBulbSteps || step(at) < kLowestSearchedTemperature) return MinWetBulbByWalk(tdb, p);
  }
  while (at - before > 1) {
    const std::size_t middle = before + (at - before) / 2;
    (reached(step(middle)) ? at : before) = middle;
  }
  return step(at);
}

EnthalpyRange DryBulbEnthalpyRange(double tdb, double p) {
  return {Enthalpy(tdb, 0), Enthalpy(tdb, AbsHumidity(tdb, 95, p))};
}

EnthalpyRange SaturatedEnthalpyRange(double tdb, double p) {
  return {Enthalpy(tdb, 0), Enthalpy(tdb, SaturatedAbsHumidity(tdb, p))};
}

EnthalpyRange AbsHumidityEnthalpyRange(double x, double p, double tdbmaxShown) {
  const double hmax = Enthalpy(tdbmaxShown, x);
  const double pv = p * (x / kRoundedMolarMassRatio) / (x / kRoundedMolarMassRatio + 1);
  const double tdp = DewPointOrDry(x == 0, pv);
  return {Enthalpy(tdp, x), hmax};
}

double MaxAbsHumidity(double tdb, double p) { return SaturatedAbsHumidity(tdb, p); }

}  // namespace vaporel
