#pragma once
// A year of hours summed up: how many were read, accepted and refused; for each zone the
// hours inside it and, of those outside, what they need (an hour may need two): cooling above
// the zone's dry bulb, heating below it, dehumidifying above its other bounds (moisture),
// humidifying below them; and the sizing conditions computed from the hours.

#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calculation/zone.hpp"
#include "weather/weather_year.hpp"

namespace vaporel {

struct ZoneHours {
  std::string zone;
  int inside = 0, cool = 0, heat = 0, humidify = 0, dehumidify = 0;
};

// A refused hour: its line and why.
struct RefusedHour {
  int line = 0;
  std::string cause;
};

struct WeatherSummary {
  int hours = 0, accepted = 0, refused = 0;
  std::vector<RefusedHour> refusals;
  std::vector<ZoneHours> zones;
  DesignConditions computed;
};

// The hours of the day counted: those that begin at `from` o'clock up to the one that begins
// before `to` (8 to 18: 8:00 to 17:00, the rows an EPW file numbers 9 to 18).
struct HoursOfDay {
  int from = 0, to = 24;
};

// Whether an hour is one of those counted (an EPW row's hour is the one it ends: row 9 is the
// hour that begins at 8:00); every hour without `hoursOfDay`.
bool Counted(const WeatherHour& hour, std::optional<HoursOfDay> hoursOfDay);

// Zones in SI; with `hoursOfDay` only those hours count. A cooling, dew-point or enthalpy value of p % is the one at
// rank ⌈p/100·N⌉ of the N accepted hours from the highest; a heating value of q % the one at rank ⌈(1 − q/100)·N⌉ from
// the lowest; a mean coincident value is the mean over the hours within 0.25 K of the dry bulb (or dew point), or 0.5
// kJ/kg of the enthalpy.
WeatherSummary Summarize(const WeatherYear& year, std::span<const Zone> zones,
                         std::optional<HoursOfDay> hoursOfDay = std::nullopt);

// What an accepted hour leaves for the sizing conditions; and, where asked, where the chart
// draws it.
struct HourFigures {
  double tdb = 0, twb = 0, tdp = 0, h = 0;
};
struct HourPoint {
  double tdb = 0, x = 0, p = 0;
};

// The same counted hour by hour as a file is read, in its order, keeping of each hour only its
// four figures (32 bytes) for the ranks, and with `keepPoints` its point on the chart.
class HourCounter {
 public:
  explicit HourCounter(std::span<const Zone> zones, std::optional<HoursOfDay> hoursOfDay = std::nullopt,
                       bool keepPoints = false);
  void add(const WeatherHour& hour);
  WeatherSummary summary() const;
  const std::vector<HourPoint>& points() const { return points_; }

 private:
  std::vector<Zone> zones_;
  std::optional<HoursOfDay> hoursOfDay_;
  bool keepPoints_;
  WeatherSummary summary_;
  std::deque<HourFigures> figures_;  // in blocks: growing never copies them
  std::vector<HourPoint> points_;
};

}  // namespace vaporel
