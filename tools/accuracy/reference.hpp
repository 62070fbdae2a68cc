#pragma once
// The reference formulation engineers use, from the published formulas (ASHRAE Handbook of
// Fundamentals, chapter 1): the saturation pressure of Hyland and Wexler over ice and over
// water, the humidity ratio and enthalpy of moist air, and the psychrometric equation of the
// wet bulb. For comparing the program's correlations only; the program never shows it.

namespace vaporel::reference {

// Saturation pressure [bar] at t [°C]: over ice below 0 °C, over water from 0 °C.
double SaturationPressure(double t);
// Enhancement factor of water vapour in air at t [°C] and p [bar]: how much more vapour air
// holds at saturation than the pure vapour pressure says (Buck 1981: over water from 0 °C,
// over ice below).
double EnhancementFactor(double t, double p);
// Humidity ratio [kg/kg] of vapour at partial pressure pw [bar] in air at p [bar].
double HumidityRatio(double pw, double p);
// Enthalpy [kJ/kg dry air] at t [°C] and humidity ratio w [kg/kg].
double Enthalpy(double t, double w);
// Dew point (frost point below 0 °C) [°C] of vapour at pw [bar], by inverting SaturationPressure.
double DewPoint(double pw);
// Thermodynamic wet-bulb temperature [°C] of air at t [°C], w [kg/kg] and p [bar]: the
// psychrometric equation (over ice below a wet bulb of 0 °C) solved by bisection.
double WetBulb(double t, double w, double p);

}  // namespace vaporel::reference
