#include "calculation/boundary_values.hpp"

#include "calculation/shared_relations.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"

namespace vaporel {
namespace {

// MinWetBulb steps down by 0.1 K; saturated air at -273 °C holds nothing, so the search
// ends within (tdb + 273) / 0.1 steps for any tdb the first field accepts. The bound only
// matters for a residual that is not a number.
constexpr int kMaxMinWetBulbSteps = 20000;

}  // namespace

double MaxDryBulb(InputPair pair, double p) {
  const double ts = SatTemperature(p);
  return pair == InputPair::DryBulbHumidity ? 0.9 * ts : ts;
}

double MinWetBulb(double tdb, double p) {
  const double hdry = Enthalpy(tdb, 0);
  double tw = tdb;
  for (int step = 0; step < kMaxMinWetBulbSteps; ++step) {
    const double xs = AbsHumidity(tw, 100, p);
    const double hs = Enthalpy(tw, xs);
    if (hdry - hs >= 0) {
      return tw;
    }
    tw = tw - 0.1;  // a running subtraction, as the panel has always stepped
  }
  return tw;
}

EnthalpyRange DryBulbEnthalpyRange(double tdb, double p) {
  return {Enthalpy(tdb, 0), Enthalpy(tdb, AbsHumidity(tdb, 95, p))};
}

EnthalpyRange SaturatedEnthalpyRange(double tdb, double p) {
  return {Enthalpy(tdb, 0), Enthalpy(tdb, AbsHumidity(tdb, 100, p))};
}

EnthalpyRange AbsHumidityEnthalpyRange(double x, double p, double tdbmaxShown) {
  const double hmax = Enthalpy(tdbmaxShown, x);
  const double pv = p * (x / kRoundedMolarMassRatio) / (x / kRoundedMolarMassRatio + 1);
  const double tdp = DewPointOrDry(x == 0, pv);
  return {Enthalpy(tdp, x), hmax};
}

double MaxAbsHumidity(double tdb, double p) { return AbsHumidity(tdb, 100, p); }

}  // namespace vaporel
