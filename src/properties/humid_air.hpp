#pragma once
// Humidity ratio and enthalpy of humid air, per kg of dry air.

namespace vaporel {

// Absolute humidity x [kg water / kg dry air] at t [°C], relative humidity phi [%, 0..100]
// and absolute pressure p [bar]. Negative when (phi/100)·ps exceeds p.
double AbsHumidity(double t, double phi, double p);
// The same from the saturation pressure ps = SatPressure(t) [bar] already at hand.
double AbsHumidityAt(double ps, double phi, double p);

// Specific enthalpy h [kJ / kg dry air] at t [°C] and absolute humidity x [kg/kg].
double Enthalpy(double t, double x);

}  // namespace vaporel
