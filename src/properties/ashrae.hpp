#pragma once
// The psychrometric equations of the ASHRAE Handbook — Fundamentals (2017, SI, chapter 1),
// as ideal-gas relations of moist air: the saturation pressure of Hyland and Wexler over ice
// (eq. 5) and over water (eq. 6), the humidity ratio (eq. 20, 22), the specific volume (eq.
// 26) and density (eq. 28), the enthalpy (eq. 32), the thermodynamic wet bulb of the
// psychrometric equation (eq. 33 above freezing, eq. 35 below) and the dew point as the
// saturation pressure's inverse. Pressures in bar, temperatures in °C.

namespace vaporel::ashrae {

// Saturation pressure [bar] at t [°C], over ice below 0 °C and over water from 0 °C (eq. 5,
// 6, stated for −100 to 200 °C); with `slope`, its derivative d ps / d t [bar/K] there.
double SaturationPressure(double t, double* slope = nullptr);
inline constexpr double kLowest = -100, kHighest = 200;  // [°C] the range of eq. 5 and 6

// Humidity ratio W [kg/kg] of vapour at partial pressure pw in air at p (eq. 20, 22), and back.
double HumidityRatio(double pw, double p);
double VapourPressure(double w, double p);

// Enthalpy [kJ/kg dry air] at t and W (eq. 32); the dry bulb of W and h, eq. 32 read backwards.
double Enthalpy(double t, double w);
double DryBulb(double w, double h);
// The vapour's term of eq. 32 per kg of vapour, 2501 + 1.86 t; W at t of enthalpy h.
double VapourEnthalpy(double t);
double HumidityFromEnthalpy(double h, double t);

// Specific volume [m³/kg dry air] at t, W and p (eq. 26); density [kg/m³] of the moist air (eq. 28).
double SpecificVolume(double t, double w, double p);
double Density(double t, double w, double p);

// The humidity ratio of air at t and p whose thermodynamic wet bulb is twb: the psychrometric
// equation (eq. 33 for twb at or above 0 °C, eq. 35 below, over ice).
double HumidityFromWetBulb(double t, double twb, double p);
// The thermodynamic wet bulb [°C] of air at t, W and p: the root of the psychrometric equation
// in [−100 °C, t] by Newton's method on its exact derivative, kept inside a bracket that each
// step narrows (a bisection step where Newton's would leave it); one saturation pressure per
// step, at most 100 steps.
double WetBulb(double t, double w, double p);
// The dew point (frost point below 0 °C) [°C] of vapour at pw [bar] > 0: the saturation
// pressure's inverse by the same safeguarded Newton's method on ln ps.
double DewPoint(double pw);

}  // namespace vaporel::ashrae
