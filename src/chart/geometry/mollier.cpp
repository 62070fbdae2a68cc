#include "chart/geometry/mollier.hpp"

#include "properties/constants.hpp"
#include "properties/humid_air.hpp"

namespace vaporel {
namespace {

constexpr int kMaxHalvings = 200;

}  // namespace

double MollierOrdinate(ChartPoint point) { return Enthalpy(point.t, point.x) - kVaporisationHeat * point.x; }

std::optional<double> MollierTemperature(double x, double y) {
  // The ordinate rises with t across the range searched; halve until the doubles run out.
  double low = kDryAirDewPoint, high = 1000;
  if (!(MollierOrdinate({low, x}) <= y && MollierOrdinate({high, x}) >= y)) return std::nullopt;
  for (int i = 0; i < kMaxHalvings; ++i) {
    const double mid = low + (high - low) / 2;
    if (mid <= low || mid >= high) break;
    (MollierOrdinate({mid, x}) < y ? low : high) = mid;
  }
  return low + (high - low) / 2;
}

}  // namespace vaporel
