#pragma once
// What a process costs: heat and water, per dry-air mass flow or per kg of dry air.

#include <optional>

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

// The specific heat of the liquid condensate [kJ/(kg K)].
inline constexpr double kWaterSpecificHeat = 4.186;

// Powers in kW and water in kg/h for a mass flow; per kg of dry air (kJ/kg and kg/kg) when
// the project gives no air flow.
struct Loads {
  std::optional<double> massFlow;        // [kg/s of dry air]; none: per kg of dry air
  double total = 0;                      // heat added to the air
  double sensible = 0;                   // the part that changes the dry bulb at the entering x
  double latent = 0;                     // the rest
  double shr = 0;                        // sensible / total; NaN when total is 0
  double water = 0;                      // added to the air; negative when a coil removes it
  std::optional<double> condensateHeat;  // a coil's condensate, liquid at the apparatus dew point
};

// The loads of a process from in to out, with the coil's point for its condensate.
Loads ProcessLoads(const AirState& in, const Leaving& out, std::optional<double> massFlow,
                   const Formulation& f = DesignFormulation());

// A mixture adds no heat and no water.
Loads MixingLoads(std::optional<double> massFlow);

// The dry-air mass flow [kg/s] of a volume flow [m³/h] of humid air at a state.
double DryAirMassFlow(const AirState& at, double volumePerHour);

// The volume of humid air [m³] per kg of its dry air at a state: (1 + x) kg of humid air at
// its density.
double SpecificVolume(const AirState& at);

// The volume flow [m³/h] of humid air at a state for a dry-air mass flow [kg/s].
double VolumeFlow(const AirState& at, double massFlow);

// A flow per second [kg/s] as per hour [kg/h].
double PerHour(double perSecond);

}  // namespace vaporel::process
