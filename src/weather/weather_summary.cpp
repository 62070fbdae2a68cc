#include "weather/weather_summary.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vaporel {
namespace {

constexpr double kTemperatureBand = 0.25;  // [K] either side, for a mean coincident value
constexpr double kEnthalpyBand = 0.5;      // [kJ/kg] either side

// The value of `of` at rank ⌈fraction·N⌉ (1 the first) of the states sorted by it, highest first
// or lowest first.
std::optional<double> Ranked(std::vector<double> values, double fraction, bool highestFirst) {
  if (values.empty()) return std::nullopt;
  if (highestFirst) {
    std::sort(values.begin(), values.end(), std::greater<>());
  } else {
    std::sort(values.begin(), values.end());
  }
  const double rank = std::ceil(fraction * static_cast<double>(values.size()));
  const auto index = static_cast<std::size_t>(std::clamp(rank, 1.0, static_cast<double>(values.size()))) - 1;
  return values[index];
}

// The mean of `mean` over the states whose `by` lies within `band` of `at`.
template <class By, class Mean>
std::optional<double> Coincident(const std::vector<AirState>& states, std::optional<double> at, double band, By by,
                                 Mean mean) {
  if (!at) return std::nullopt;
  double sum = 0;
  int count = 0;
  for (const AirState& s : states) {
    if (std::fabs(by(s) - *at) <= band) {
      sum += mean(s);
      ++count;
    }
  }
  return count > 0 ? std::optional(sum / count) : std::nullopt;
}

DesignConditions Computed(const std::vector<AirState>& states) {
  std::vector<double> tdb, tdp, h;
  for (const AirState& s : states) {
    tdb.push_back(s.tdb);
    tdp.push_back(s.tdp);
    h.push_back(s.h);
  }
  const auto dryBulb = [](const AirState& s) { return s.tdb; };
  const auto wetBulb = [](const AirState& s) { return s.twb; };
  DesignConditions d;
  d.heatingDb996 = Ranked(tdb, 1 - 0.996, false);
  d.heatingDb99 = Ranked(tdb, 1 - 0.99, false);
  d.coolingDb04 = Ranked(tdb, 0.004, true);
  d.coolingDb1 = Ranked(tdb, 0.01, true);
  d.coolingDb2 = Ranked(tdb, 0.02, true);
  d.coolingMcwb04 = Coincident(states, d.coolingDb04, kTemperatureBand, dryBulb, wetBulb);
  d.coolingMcwb1 = Coincident(states, d.coolingDb1, kTemperatureBand, dryBulb, wetBulb);
  d.coolingMcwb2 = Coincident(states, d.coolingDb2, kTemperatureBand, dryBulb, wetBulb);
  d.dewPoint04 = Ranked(tdp, 0.004, true);
  d.dewPointMcdb04 = Coincident(
      states, d.dewPoint04, kTemperatureBand, [](const AirState& s) { return s.tdp; }, dryBulb);
  d.enthalpy04 = Ranked(h, 0.004, true);
  d.enthalpyMcdb04 = Coincident(
      states, d.enthalpy04, kEnthalpyBand, [](const AirState& s) { return s.h; }, dryBulb);
  return d;
}

// Where a state lies against a zone's bounds.
void Count(ZoneHours& hours, const Zone& zone, const AirState& state) {
  if (InZone(zone, state)) {
    ++hours.inside;
    return;
  }
  bool cool = false, heat = false, dry = false, wet = false;
  for (const ZoneBound& bound : zone.bounds) {
    const double value = ValueOf(bound.property, state);
    const bool above = bound.max && value > *bound.max, below = bound.min && value < *bound.min;
    if (bound.property == Property::Tdb) {
      cool = cool || above;
      heat = heat || below;
    } else {
      wet = wet || above;
      dry = dry || below;
    }
  }
  hours.cool += cool;
  hours.heat += heat;
  hours.dehumidify += wet;
  hours.humidify += dry;
}

}  // namespace

bool Counted(const WeatherHour& hour, std::optional<HoursOfDay> hoursOfDay) {
  return !hoursOfDay || (hour.hour - 1 >= hoursOfDay->from && hour.hour - 1 < hoursOfDay->to);
}

WeatherSummary Summarize(const WeatherYear& year, std::span<const Zone> zones, std::optional<HoursOfDay> hoursOfDay) {
  WeatherSummary summary;
  for (const Zone& zone : zones) summary.zones.push_back({zone.name});
  std::vector<AirState> states;
  states.reserve(year.hours.size());
  for (const WeatherHour& hour : year.hours) {
    if (!Counted(hour, hoursOfDay)) continue;
    ++summary.hours;
    if (!hour.state) {
      ++summary.refused;
      continue;
    }
    ++summary.accepted;
    states.push_back(*hour.state);
    for (std::size_t z = 0; z < zones.size(); ++z) Count(summary.zones[z], zones[z], *hour.state);
  }
  summary.computed = Computed(states);
  return summary;
}

}  // namespace vaporel
