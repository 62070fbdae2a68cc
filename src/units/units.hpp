#pragma once
// The units a user reads and writes: SI as the engine computes (bar, °C, kJ/kg), or IP (psia,
// °F, Btu/lb with dry air at 0 °F and liquid water at 32 °F as zero). The engine stays SI;
// values are converted here, at the edges, and nowhere else.

#include <optional>
#include <string_view>

#include "calculation/any_pair.hpp"

namespace vaporel {

enum class UnitSystem { SI, IP };

// "si" or "ip".
std::optional<UnitSystem> UnitSystemNamed(std::string_view name);
std::string_view UnitSystemName(UnitSystem units);

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
};

// The value shown in `units` for a value in SI, and back.
double ToUnits(Quantity quantity, UnitSystem units, double si);
double FromUnits(Quantity quantity, UnitSystem units, double value);

// The unit's name as headers and axes write it, in ASCII ("oF", "Btu/lb", "kg/m3").
std::string_view UnitName(Quantity quantity, UnitSystem units);

// The quantity of a state property given as input (tdb: Temperature, RH: Percent, ...).
Quantity QuantityOf(Property property);

// The quantities of the thirteen results, in the order the result labels show them
// (p tdb twb tdp x ro h pv RH cp lam mi Pr).
extern const Quantity kResultQuantities[13];

}  // namespace vaporel
