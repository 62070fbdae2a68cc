#include "chart/geometry/zone_regions.hpp"

#include <algorithm>
#include <cmath>

#include "properties/humid_air.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel {
namespace {

constexpr int kSamples = 160;  // across the zone's span of dry bulb

// The absolute humidity at which the bounded property takes `value` at dry bulb t.
double HumidityWhere(Property property, double value, double t, double p, const Formulation& f) {
  switch (property) {
    case Property::X: return value;
    case Property::Tdp: return f.saturatedHumidity(value, p);
    case Property::RH: return f.humidityAt(t, value, p);
    case Property::H: return f.humidityFromEnthalpy(value, t);
    case Property::Twb:
      // The program's own wet bulb is where saturated air has the state's enthalpy; the
      // Handbook's is the psychrometric equation's.
      if (f.id() == FormulationId::Design) {
        return AbsHumidityFromEnthalpy(Enthalpy(value, SaturatedAbsHumidity(value, p)), t);
      }
      return f.humidityFromWetBulb(t, value, p);
    case Property::Tdb: break;
  }
  return NAN;
}

// The humidity range inside every bound at dry bulb t: [low, high], empty when low > high.
std::pair<double, double> RangeAt(const Zone& zone, double t, double p, const ChartView& view, const Formulation& f) {
  double low = std::max(view.xMin, 0.0);
  double high = std::min(view.xMax, f.saturatedHumidity(t, p));
  for (const ZoneBound& bound : zone.bounds) {
    if (bound.property == Property::Tdb) continue;
    if (bound.min) low = std::max(low, HumidityWhere(bound.property, *bound.min, t, p, f));
    if (bound.max) high = std::min(high, HumidityWhere(bound.property, *bound.max, t, p, f));
  }
  return {low, high};
}

}  // namespace

ChartZone ZoneRegions(const Zone& zone, double p, const ChartView& view, double top, const Formulation& f) {
  ChartZone chart{zone.name, {}, std::nullopt};
  double tLow = view.tMin, tHigh = top;
  for (const ZoneBound& bound : zone.bounds) {
    if (bound.property != Property::Tdb) continue;
    if (bound.min) tLow = std::max(tLow, *bound.min);
    if (bound.max) tHigh = std::min(tHigh, *bound.max);
  }
  if (!(tLow < tHigh)) return chart;
  std::vector<ChartPoint> upper, lower;
  const auto close = [&] {
    if (upper.size() >= 2) {
      ZoneOutline outline = upper;
      outline.insert(outline.end(), lower.rbegin(), lower.rend());
      chart.regions.push_back(std::move(outline));
    }
    upper.clear();
    lower.clear();
  };
  for (int i = 0; i <= kSamples; ++i) {
    const double t = tLow + (tHigh - tLow) * i / kSamples;
    const auto [low, high] = RangeAt(zone, t, p, view, f);
    // Every comparison with NaN is false: a range that is not finite ends the region.
    if (low <= high) {
      upper.push_back({t, high});
      lower.push_back({t, low});
    } else {
      close();
    }
  }
  close();
  return chart;
}

}  // namespace vaporel
