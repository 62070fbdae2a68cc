#include "chart/geometry/chart_view.hpp"

#include <algorithm>
#include <cmath>

#include "properties/saturation.hpp"

namespace vaporel {
namespace {

constexpr double kTemperatureMargin = 5;  // [K] beyond the outermost point
constexpr double kTemperatureGrid = 10;   // the view's ends are whole tens of degrees
constexpr double kHumidityGrid = 0.005;   // and whole steps of 5 g/kg
constexpr double kHumidityMargin = 1.1;   // 10 % above the richest point

}  // namespace

ChartView ViewFor(double p, std::span<const ChartPoint> points) {
  ChartView view;
  for (const ChartPoint& point : points) {
    if (!std::isfinite(point.t) || !std::isfinite(point.x)) continue;
    view.tMin = std::min(view.tMin, std::floor((point.t - kTemperatureMargin) / kTemperatureGrid) * kTemperatureGrid);
    view.tMax = std::max(view.tMax, std::ceil((point.t + kTemperatureMargin) / kTemperatureGrid) * kTemperatureGrid);
    view.xMax = std::max(view.xMax, std::ceil(point.x * kHumidityMargin / kHumidityGrid) * kHumidityGrid);
  }
  const double boiling = SatTemperature(p);
  if (std::isfinite(boiling) && boiling > view.tMin) view.tMax = std::min(view.tMax, boiling);
  return view;
}

}  // namespace vaporel
