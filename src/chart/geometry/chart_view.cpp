#include "chart/geometry/chart_view.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

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

ChartView FitView(double p, std::span<const ChartPoint> points) {
  constexpr double kLeastTemperatureMargin = 2, kLeastHumidityMargin = 0.001, kSpreadMargin = 0.1;
  constexpr double kNone = std::numeric_limits<double>::infinity();
  double tLow = kNone, tHigh = -kNone, xLow = kNone, xHigh = -kNone;
  for (const ChartPoint& point : points) {
    if (!std::isfinite(point.t) || !std::isfinite(point.x)) continue;
    tLow = std::min(tLow, point.t);
    tHigh = std::max(tHigh, point.t);
    xLow = std::min(xLow, point.x);
    xHigh = std::max(xHigh, point.x);
  }
  if (!(tLow <= tHigh)) return ViewFor(p, points);
  const double tMargin = std::max(kLeastTemperatureMargin, (tHigh - tLow) * kSpreadMargin);
  const double xMargin = std::max(kLeastHumidityMargin, (xHigh - xLow) * kSpreadMargin);
  return DrawableView(p, {tLow - tMargin, tHigh + tMargin, xLow - xMargin, xHigh + xMargin});
}

ChartView DrawableView(double p, ChartView view) {
  constexpr double kLowest = -100, kLeastSpan = 1, kMostSpan = 400, kLeastHumidity = 0.0005, kMostHumidity = 1;
  const auto spanned = [](double& low, double& high, double least, double most) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) high = low + least;
    const double middle = low + (high - low) / 2;
    const double span = std::clamp(high - low, least, most);
    low = middle - span / 2;
    high = middle + span / 2;
  };
  const auto bounded = [](double& low, double& high, double floor, double ceiling) {
    if (low < floor) {
      high += floor - low;
      low = floor;
    }
    if (high > ceiling) {
      low = std::max(floor, low - (high - ceiling));
      high = ceiling;
    }
  };
  if (!std::isfinite(view.tMin)) view = ChartView{};
  spanned(view.tMin, view.tMax, kLeastSpan, kMostSpan);
  spanned(view.xMin, view.xMax, kLeastHumidity, kMostHumidity);
  const double boiling = SatTemperature(p);
  bounded(view.tMin, view.tMax, kLowest, std::isfinite(boiling) ? std::max(boiling, kLowest + kLeastSpan) : 100);
  bounded(view.xMin, view.xMax, 0, kMostHumidity);
  return view;
}

}  // namespace vaporel
