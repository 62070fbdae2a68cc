#pragma once
// The oblique coordinate of the Mollier h-x diagram: enthalpy less the heat of vaporisation
// carried by the vapour, so that the 0 °C isotherm is horizontal and lines of constant
// enthalpy run down to the right.

#include <optional>

#include "chart/geometry/chart_view.hpp"

namespace vaporel {

// Enthalpy(t, x) - r0 x [kJ/kg].
double MollierOrdinate(ChartPoint point);
// The dry-bulb temperature at which air of absolute humidity x has the ordinate y; nullopt
// when none below 1000 °C has.
std::optional<double> MollierTemperature(double x, double y);

}  // namespace vaporel
