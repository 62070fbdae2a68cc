#pragma once
// The relations every input pair resolves its state with.

#include "properties/constants.hpp"

namespace vaporel {

// Density of humid air [kg/m³] at x [kg/kg], p [bar] and tdb [°C].
double Density(double x, double p, double tdb);
// Vapour partial pressure pvd [bar] of air with absolute humidity x at p, for the dew point.
double VapourPressure(double x, double p);
// Relative humidity [%] of air with absolute humidity x at p, where ps = SatPressure(tdb).
double RelativeHumidity(double x, double p, double ps);
// Absolute humidity [kg/kg] of air with enthalpy h [kJ/kg] at tdb: Enthalpy read backwards.
double AbsHumidityFromEnthalpy(double h, double tdb);
// Dry-bulb temperature [°C] of air with absolute humidity x and enthalpy h: the larger root
// of Enthalpy(tdb, x) = h, a quadratic in tdb.
double DryBulbFromAbsHumidityEnthalpy(double x, double h);
// The lowest temperature [°C] the frost-point fit of DewPoint was made for.
inline constexpr double kLowestFitTemperature = -40;

// The dew point [°C]: -273 for perfectly dry air (the correlation is not evaluated), else
// DewPoint(pvd); for frost points below -40 °C, SatPressureInverse(pvd).
double DewPointOrDry(bool dry, double pvd);

}  // namespace vaporel
