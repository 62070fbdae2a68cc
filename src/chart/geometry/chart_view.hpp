#pragma once
// What a chart shows: a point of humid air as the chart places it, and the window of
// dry-bulb temperature and absolute humidity the chart is drawn over.

#include <span>

namespace vaporel {

struct ChartPoint {
  double t = 0;  // dry-bulb temperature [°C]
  double x = 0;  // absolute humidity [kg/kg]
};

struct ChartView {
  double tMin = -10, tMax = 50;   // [°C]
  double xMin = 0, xMax = 0.030;  // [kg/kg]
};

// The default view grown to hold every finite point with a margin (on round values), its
// top temperature stopped at the boiling temperature of p [bar], its top humidity lowered
// to just above saturation where saturated air holds less (high pressures).
ChartView ViewFor(double p, std::span<const ChartPoint> points);

}  // namespace vaporel
