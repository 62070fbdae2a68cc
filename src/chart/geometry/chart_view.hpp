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

// The smallest view that holds every finite point with a margin (a tenth of their spread, at
// least 2 K and 1 g/kg), made drawable.
ChartView FitView(double p, std::span<const ChartPoint> points);

// A view asked for (zoomed, panned) kept drawable: at least 1 K by 0.5 g/kg, at most 400 K by
// 1 kg/kg, within -100 °C and the boiling temperature of p [bar], at x >= 0.
ChartView DrawableView(double p, ChartView view);

}  // namespace vaporel
