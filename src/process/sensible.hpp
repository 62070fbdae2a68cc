#pragma once
// Sensible heating and cooling: the absolute humidity stays.

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

// To the dry bulb tdb [°C]; cooling below the entering dew point is refused.
Outcome HeatToDryBulb(const AirState& in, double tdb, const Formulation& f = DesignFormulation());
// By the power kW [kW, negative cools] on massFlow [kg/s of dry air, > 0].
Outcome HeatByPower(const AirState& in, double kW, double massFlow, const Formulation& f = DesignFormulation());

}  // namespace vaporel::process
