// Specific heat, thermal conductivity, viscosity and Prandtl number of humid air: fits for
// dry air at tdb and for water vapour at the saturation temperature of its partial pressure,
// mixed by Wilke's rule (viscosity) and the Lindsay-Bromley rule (conductivity).
#include "calculation/thermophysical.hpp"

#include <cmath>

#include "calculation/resolve_state.hpp"
#include "properties/called_power.hpp"
#include "properties/certified_powers.hpp"
#include "properties/constants.hpp"
#include "properties/polynomial.hpp"
#include "properties/saturation.hpp"

namespace vaporel {
namespace {

// Dry air, in t [°C], highest power first.
constexpr Coefficients<6> kDryAirHeatFit = {4.54745e-15, -2.64671e-12, -1.24099e-9, 1.23082e-6, -8.57498e-5, 1.00653};
constexpr Coefficients<5> kDryAirConductivity = {-2.6142e-14, 2.85943e-12, -1.94021e-8, 7.83035e-5, 0.0243714};
constexpr Coefficients<6> kDryAirViscosity = {-9.1359e-19,  9.78776e-16, -3.0689e-13,
                                              -1.35537e-12, 5.02298e-8,  1.71531e-5};
// Water vapour, in ts [°C], highest power first, before their unit factors.
constexpr Coefficients<4> kVapourHeatFit = {9.95693e-5, 0.00461955, 0.784614, 1864.59};  // then / 1000
constexpr Coefficients<5> kVapourConductivity = {-3.1765e-10, 2.59524e-7, -3.23464e-5, 0.00769127,
                                                 1.74822};                     // then / 100
constexpr Coefficients<3> kVapourViscosity = {7.62281e-6, 0.0375325, 8.1587};  // then · 1e-6

constexpr double kWaterMolarMass = 18;          // [kg/kmol]
constexpr double kAirMolarMass = 29;            // [kg/kmol]
constexpr double kMoleRatioFactor = 1.61;       // vapour / air mole ratio per unit of x
constexpr double kSutherlandAir = 111;          // [K]
constexpr double kSutherlandVapour = 961;       // [K]
constexpr double kSutherlandCross = 239.40166;  // [K]

// The molar-mass ratios' roots, (18/29)^(1/4), (29/18)^(1/4), (18/29)^(3/4) and (29/18)^(3/4),
// rounded to the nearest double.
constexpr double kWaFourthRoot = 0x1.c673dd4620fe3p-1;
constexpr double kAwFourthRoot = 0x1.206ad58c4fa38p+0;
constexpr double kWaThreeFourths = 0x1.660909181c3dcp-1;
constexpr double kAwThreeFourths = 0x1.6e16395c0c5b0p+0;

double Square(double v) { return v * v; }

}  // namespace

ThermoProps ThermophysicalProperties(const AirState& state) {
  const double t = state.tdb;
  const double x = state.x;
  const PowerTable tPower = PowersAsPow(t, 5);
  const double cpa = SumFromHighestPower(kDryAirHeatFit, tPower);
  const double lama = SumFromHighestPower(kDryAirConductivity, tPower);
  const double mua = SumFromHighestPower(kDryAirViscosity, tPower);
  if (state.pv == 0) {
    // Dry air: no vapour to mix, and no logarithm of a zero pressure.
    return {cpa, lama, mua, ((mua * cpa) * 1000) / lama};
  }

  const double ts = SatTemperature(state.pv);
  // The conductivity fit takes ts^2 as pow gives it, the heat and viscosity fits as ts * ts.
  const PowerTable tsPower = PowersAsPow(ts, 4);
  const double cpv = SumFromHighestPower(kVapourHeatFit, WithProductSquare(tsPower)) / 1000;
  const double lamv = SumFromHighestPower(kVapourConductivity, tsPower) / 100;
  const double muv = SumFromHighestPower(kVapourViscosity, WithProductSquare(tsPower)) * 1e-6;

  ThermoProps props;
  props.cp = cpa + x * cpv;

  const double wa = kWaterMolarMass / kAirMolarMass;  // 18/29
  const double aw = kAirMolarMass / kWaterMolarMass;  // 29/18
  const double phiAv =
      Square(1 + CalledPower(mua / muv, 0.5) * kWaFourthRoot) / (2 * std::sqrt(2.0) * std::sqrt(1 + aw));
  const double phiVa =
      Square(1 + CalledPower(muv / mua, 0.5) * kAwFourthRoot) / (2 * std::sqrt(2.0) * std::sqrt(1 + wa));
  props.mi = mua / (1 + phiAv * kMoleRatioFactor * x) + muv / (1 + phiVa / (kMoleRatioFactor * x));

  const double T = t + kKelvinOffset;
  const double sAv = (mua / muv) * kWaThreeFourths * (1 + kSutherlandAir / T) / (1 + kSutherlandVapour / T);
  const double aAv = 0.25 * Square(1 + CalledPower(sAv, 0.5)) * (1 + kSutherlandCross / T) / (1 + kSutherlandAir / T);
  const double sVa = (muv / mua) * kAwThreeFourths * (1 + kSutherlandVapour / T) / (1 + kSutherlandAir / T);
  const double aVa =
      0.25 * Square(1 + CalledPower(sVa, 0.5)) * (1 + kSutherlandCross / T) / (1 + kSutherlandVapour / T);
  props.lam = lama / (1 + aAv * kMoleRatioFactor * x) + lamv / (1 + aVa / (kMoleRatioFactor * x));

  // The Prandtl number takes the specific heat per kg of humid air, hence / (1 + x).
  props.Pr = (((props.mi * props.cp) * 1000) / (1 + x)) / props.lam;
  return props;
}

}  // namespace vaporel
