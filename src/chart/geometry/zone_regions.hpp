#pragma once
// A zone as the chart draws it: the region of the view inside all of its bounds, found per
// dry-bulb temperature from the program's own functions (the humidity at a dew point, at a
// relative humidity, on a line of constant enthalpy), below saturation.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calculation/zone.hpp"
#include "chart/geometry/chart_view.hpp"
#include "properties/formulation.hpp"

namespace vaporel {

// A closed outline: the upper edge from left to right, then the lower edge back.
using ZoneOutline = std::vector<ChartPoint>;

struct ChartZone {
  std::string name;
  std::vector<ZoneOutline> regions;  // none when the zone lies outside the view
  std::optional<long> count;         // the states inside it, for the legend, where counted
};

// The zone's regions at p [bar] within the view, up to `top` [°C] (the view's top or boiling).
ChartZone ZoneRegions(const Zone& zone, double p, const ChartView& view, double top,
                      const Formulation& formulation = DesignFormulation());

}  // namespace vaporel
