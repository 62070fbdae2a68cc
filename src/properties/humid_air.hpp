#pragma once
// Humidity ratio and enthalpy of humid air, per kg of dry air. Inline: the wet-bulb
// iteration evaluates them at every step, and with phi = 100 known the compiler folds the
// percentages away (the same IEEE operations, so the same bits).

#include "properties/constants.hpp"
#include "properties/saturation.hpp"

namespace vaporel {

// Absolute humidity x [kg water / kg dry air] from the saturation pressure ps = SatPressure(t)
// [bar], relative humidity phi [%, 0..100] and absolute pressure p [bar].
inline double AbsHumidityAt(double ps, double phi, double p) {
  const double numerator = ((kMolarMassRatio * phi) / 100) * ps;
  const double denominator = p - (phi / 100) * ps;
  return numerator / denominator;
}
// The same at t [°C]. Negative when (phi/100)·ps exceeds p.
inline double AbsHumidity(double t, double phi, double p) { return AbsHumidityAt(SatPressure(t), phi, p); }
// The absolute humidity of saturated air [kg/kg] at t [°C] and p [bar].
inline double SaturatedAbsHumidity(double t, double p) { return AbsHumidity(t, 100, p); }

// Specific enthalpy [kJ / kg vapour] of water vapour at t [°C].
inline double VapourEnthalpy(double t) { return kVaporisationHeat + (kVapourHeat + kVapourHeatSlope * t) * t; }

// Specific enthalpy h [kJ / kg dry air] at t [°C] and absolute humidity x [kg/kg].
inline double Enthalpy(double t, double x) {
  const double dryAir = (kDryAirHeat + kDryAirHeatSlope * t) * t;
  const double vapour = x * VapourEnthalpy(t);
  return dryAir + vapour;
}

}  // namespace vaporel
