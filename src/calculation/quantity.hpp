#pragma once
// The kinds of value the program shows; the units layer converts each between SI and IP.

namespace vaporel {

// Every kind of value the program shows, with its SI unit.
enum class Quantity {
  Pressure,        // bar (p and pv)
  Temperature,     // °C
  HumidityRatio,   // kg/kg
  Density,         // kg/m³
  Enthalpy,        // kJ/kg of dry air, a state's (the IP datum applies)
  EnthalpyChange,  // kJ/kg of dry air, a process's load per kg (no datum)
  Percent,         // RH, the same in both
  SpecificHeat,    // kJ/(kg K)
  Conductivity,    // W/(m K)
  Viscosity,       // Pa s
  Ratio,           // Pr, SHR, bypass factor, fractions: the same in both
  VolumeFlow,      // m³/h
  MassFlow,        // kg/s
  Power,           // kW
  WaterFlow,       // kg/h
  Altitude,        // m
  GrainsPerPound,  // kg/kg shown as gr/lb in IP (a chart axis)
  SpecificVolume,  // m³ per kg of dry air
};

}  // namespace vaporel
