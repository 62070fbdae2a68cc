#pragma once
// The status line of the chart window: the state under the mouse, resolved as the program
// resolves dry bulb and absolute humidity, in the display formats of the result labels.

#include <string>

#include "chart/geometry/chart_view.hpp"
#include "numbers/numbers.hpp"
#include "properties/formulation.hpp"
#include "units/units.hpp"

namespace vaporel {

// "tdb 20.00 oC   x 0.00725   RH 50.0 %   h 38.49 kJ/kg   twb 13.73 oC"; beyond saturation
// only tdb and x, with "beyond saturation".
// In IP the same values in °F, lb/lb and Btu/lb.
// In a formulation other than the program's own, the state is resolved in it.
std::string HoverText(ChartPoint point, double p, const Numbers& numbers, UnitSystem units = UnitSystem::SI,
                      const Formulation& formulation = DesignFormulation());

}  // namespace vaporel
