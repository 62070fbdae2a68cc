#include "weather/weather_summary.hpp"

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>

namespace vaporel {
namespace {

constexpr double kTemperatureBand = 0.25;  // [K] either side, for a mean coincident value
constexpr double kEnthalpyBand = 0.5;      // [kJ/kg] either side

// The value at rank ⌈fraction·N⌉ (1 the first) of the values sorted highest first or lowest
// first (the values are reordered).
std::optional<double> Ranked(std::vector<double>& values, double fraction, bool highestFirst) {
  if (values.empty()) return std::nullopt;
  const double rank = std::ceil(fraction * static_cast<double>(values.size()));
  const auto index = static_cast<std::size_t>(std::clamp(rank, 1.0, static_cast<double>(values.size()))) - 1;
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(index);
  if (highestFirst) {
    std::nth_element(values.begin(), at, values.end(), std::greater<>());
  } else {
    std::nth_element(values.begin(), at, values.end());
  }
  return *at;
}

// One figure of every hour, in a vector of its own.
template <class Of>
std::vector<double> Column(const std::deque<HourFigures>& states, Of of) {
  std::vector<double> column;
  column.reserve(states.size());
  for (const HourFigures& s : states) column.push_back(of(s));
  return column;
}

// The mean of `mean` over the hours whose `by` lies within `band` of `at`.
template <class By, class Mean>
std::optional<double> Coincident(const std::deque<HourFigures>& states, std::optional<double> at, double band, By by,
                                 Mean mean) {
  if (!at) return std::nullopt;
  double sum = 0;
  int count = 0;
  for (const HourFigures& s : states) {
    if (std::fabs(by(s) - *at) <= band) {
      sum += mean(s);
      ++count;
    }
  }
  return count > 0 ? std::optional(sum / count) : std::nullopt;
}

// One figure's column at a time, so that little beside the hours' figures is held.
DesignConditions Computed(const std::deque<HourFigures>& states) {
  const auto dryBulb = [](const HourFigures& s) { return s.tdb; };
  const auto wetBulb = [](const HourFigures& s) { return s.twb; };
  const auto dewPoint = [](const HourFigures& s) { return s.tdp; };
  const auto enthalpy = [](const HourFigures& s) { return s.h; };
  DesignConditions d;
  std::vector<double> tdb = Column(states, dryBulb);
  d.heatingDb996 = Ranked(tdb, 1 - 0.996, false);
  d.heatingDb99 = Ranked(tdb, 1 - 0.99, false);
  d.coolingDb04 = Ranked(tdb, 0.004, true);
  d.coolingDb1 = Ranked(tdb, 0.01, true);
  d.coolingDb2 = Ranked(tdb, 0.02, true);
  tdb = {};
  d.coolingMcwb04 = Coincident(states, d.coolingDb04, kTemperatureBand, dryBulb, wetBulb);
  d.coolingMcwb1 = Coincident(states, d.coolingDb1, kTemperatureBand, dryBulb, wetBulb);
  d.coolingMcwb2 = Coincident(states, d.coolingDb2, kTemperatureBand, dryBulb, wetBulb);
  {
    std::vector<double> tdp = Column(states, dewPoint);
    d.dewPoint04 = Ranked(tdp, 0.004, true);
  }
  d.dewPointMcdb04 = Coincident(states, d.dewPoint04, kTemperatureBand, dewPoint, dryBulb);
  {
    std::vector<double> h = Column(states, enthalpy);
    d.enthalpy04 = Ranked(h, 0.004, true);
  }
  d.enthalpyMcdb04 = Coincident(states, d.enthalpy04, kEnthalpyBand, enthalpy, dryBulb);
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

HourCounter::HourCounter(std::span<const Zone> zones, std::optional<HoursOfDay> hoursOfDay, bool keepPoints)
    : zones_(zones.begin(), zones.end()), hoursOfDay_(hoursOfDay), keepPoints_(keepPoints) {
  for (const Zone& zone : zones_) summary_.zones.push_back({zone.name});
}

void HourCounter::add(const WeatherHour& hour) {
  if (!Counted(hour, hoursOfDay_)) return;
  ++summary_.hours;
  if (!hour.state) {
    ++summary_.refused;
    summary_.refusals.push_back({hour.line, hour.refusal});
    return;
  }
  ++summary_.accepted;
  const AirState& s = *hour.state;
  figures_.push_back({s.tdb, s.twb, s.tdp, s.h});
  if (keepPoints_) points_.push_back({s.tdb, s.x, s.p});
  for (std::size_t z = 0; z < zones_.size(); ++z) Count(summary_.zones[z], zones_[z], s);
}

WeatherSummary HourCounter::summary() const {
  WeatherSummary summary = summary_;
  summary.computed = Computed(figures_);
  return summary;
}

WeatherSummary Summarize(const WeatherYear& year, std::span<const Zone> zones, std::optional<HoursOfDay> hoursOfDay) {
  HourCounter counter(zones, hoursOfDay);
  for (const WeatherHour& hour : year.hours) counter.add(hour);
  return counter.summary();
}

}  // namespace vaporel
