#pragma once
// A state a process produces, resolved in the formulation (the program's own by its own
// resolutions, bit for bit) and checked: finite, at 0.1 to 10 bar, below the boiling point.

#include "calculation/air_state.hpp"
#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

// From absolute humidity x [kg/kg] and enthalpy h [kJ/kg] (input pair 4).
Outcome FromAbsHumidityEnthalpy(double p, double x, double h, const Formulation& f = DesignFormulation());
// From dry bulb tdb [°C] and absolute humidity x [kg/kg] (input pair 5).
Outcome FromDryBulbAbsHumidity(double p, double tdb, double x, const Formulation& f = DesignFormulation());
// Saturated air of enthalpy h [kJ/kg].
Outcome SaturatedAtEnthalpy(double p, double h, const Formulation& f = DesignFormulation());

}  // namespace vaporel::process
