#pragma once
// A state a process produces, resolved by the program's own resolutions and checked: finite,
// at 0.1 to 10 bar, below the boiling point.

#include "calculation/air_state.hpp"
#include "process/outcome.hpp"

namespace vaporel::process {

// From absolute humidity x [kg/kg] and enthalpy h [kJ/kg] (input pair 4).
Outcome FromAbsHumidityEnthalpy(double p, double x, double h);
// From dry bulb tdb [°C] and absolute humidity x [kg/kg] (input pair 5).
Outcome FromDryBulbAbsHumidity(double p, double tdb, double x);
// Saturated air of enthalpy h [kJ/kg].
Outcome SaturatedAtEnthalpy(double p, double h);

}  // namespace vaporel::process
