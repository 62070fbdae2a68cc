#include "chart/geometry/chart_view.hpp"

#include <algorithm>
#include <cmath>

#include "properties/humid_air.hpp"
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
  double richestPoint = 0;
  for (const ChartPoint& point : points) {
    if (!std::isfinite(point.t) || !std::isfinite(point.x)) continue;
    view.tMin = std::min(view.tMin, std::floor((point.t - kTemperatureMargin) / kTemperatureGrid) * kTemperatureGrid);
    view.tMax = std::max(view.tMax, std::ceil((point.t + kTemperatureMargin) / kTemperatureGrid) * kTemperatureGrid);
    richestPoint = std::max(richestPoint, std::ceil(point.x * kHumidityMargin / kHumidityGrid) * kHumidityGrid);
  }
  const double boiling = SatTemperature(p);
  if (std::isfinite(boiling) && boiling > view.tMin) view.tMax = std::min(view.tMax, boiling);
  // At high pressure saturated air holds little water: the view ends just above the
  // saturation curve instead of leaving most of the chart empty.
  const double saturatedTop = SaturatedAbsHumidity(view.tMax, p);
  if (std::isfinite(saturatedTop) && saturatedTop > 0) {
    view.xMax = std::min(view.xMax, std::ceil(saturatedTop / kHumidityGrid) * kHumidityGrid);
  }
  view.xMax = std::max(view.xMax, richestPoint);
  return view;
}

}  // namespace vaporel
