#pragma once

namespace vaporel {

// A resolved state of humid air.
struct AirState {
  double p = 0;    // absolute pressure [bar]
  double tdb = 0;  // dry-bulb temperature [°C]
  double twb = 0;  // wet-bulb temperature [°C]
  double tdp = 0;  // dew-point temperature [°C] (frost point below 0 °C; -273 for dry air)
  double x = 0;    // absolute humidity [kg water / kg dry air]
  double ro = 0;   // density [kg/m³]
  double h = 0;    // specific enthalpy [kJ / kg dry air]
  double pv = 0;   // vapour partial pressure [bar]
  double RH = 0;   // relative humidity [%]
};

// Thermophysical properties of a state.
struct ThermoProps {
  double cp = 0;   // specific heat per kg dry air [kJ/(kg K)]
  double lam = 0;  // thermal conductivity [W/(m K)]
  double mi = 0;   // dynamic viscosity [Pa s]
  double Pr = 0;   // Prandtl number [-]
};

}  // namespace vaporel
