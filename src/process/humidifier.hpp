#pragma once
// Humidifiers: adiabatic (spray or evaporative, along the line of constant enthalpy, which in
// this program is the line of constant wet bulb) and steam.

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

enum class HumidifierTarget { RelativeHumidity, AbsHumidity, DryBulb, Efficiency };

struct Target {
  HumidifierTarget kind = HumidifierTarget::RelativeHumidity;
  double value = 0;  // RH [%], x [kg/kg], tdb [°C] or the saturation efficiency (0, 1]
};

// A saturation efficiency the humidifier takes: above 0, at most 1 (saturation).
inline bool EfficiencyInRange(double efficiency) { return efficiency > 0 && efficiency <= 1; }

// Along constant enthalpy to a target RH, x or tdb, or by a saturation efficiency η:
// t_out = t_in − η·(t_in − twb_in).
Outcome AdiabaticHumidifier(const AirState& in, Target target, const Formulation& f = DesignFormulation());

// Steam at steamTemperature [°C] to a target RH or x: the enthalpy rises by Δx times the
// vapour's enthalpy at that temperature.
Outcome SteamHumidifier(const AirState& in, Target target, double steamTemperature,
                        const Formulation& f = DesignFormulation());

inline constexpr double kDefaultSteamTemperature = 100;  // [°C]

}  // namespace vaporel::process
