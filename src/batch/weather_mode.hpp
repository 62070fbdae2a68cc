#pragma once
// vaporel-calc --weather FILE...: each hourly weather file (EPW or CSV) summed up (hours read, accepted and
// refused; the hours in each zone given and what the others need; the sizing conditions of
// the file's header and those computed from its hours), as text or as one JSON object a file
// (JSON Lines, --json).

#include <optional>
#include <string>
#include <vector>

#include "batch/chart_mode.hpp"
#include "calculation/zone.hpp"
#include "numbers/numbers.hpp"
#include "units/units.hpp"
#include "weather/weather_summary.hpp"

namespace vaporel {

// Exit status: 0 every file read, 2 a file that cannot be read or is no weather file (the
// others are still summed up). Zones in SI.
// `sitePressure` [bar]: for CSV files without a p column. Files are read on `jobs` threads,
// their summaries printed in the files' order.
// With `chart` (one file), its year is drawn too; a chart not written exits 1.
int RunWeather(const std::vector<std::string>& files, const std::vector<Zone>& zones,
               std::optional<HoursOfDay> hoursOfDay, std::optional<double> sitePressure, bool json, UnitSystem units,
               const Numbers& numbers, int jobs = 1, const ChartRequest* chart = nullptr,
               const Formulation& formulation = DesignFormulation());

// --hours FROM-TO: whole hours 0 to 24, FROM before TO; none when the text is not that.
std::optional<HoursOfDay> HoursOfDayNamed(const std::string& text);

// One file's summary as text, and as one line of JSON.
// Each says which formulation the wet bulbs follow (JSON "formulation": "design" or "ashrae").
std::string WeatherText(const std::string& file, const WeatherYear& year, const WeatherSummary& summary,
                        UnitSystem units, const Numbers& numbers, const Formulation& formulation = DesignFormulation());
std::string WeatherJson(const std::string& file, const WeatherYear& year, const WeatherSummary& summary,
                        UnitSystem units, const Formulation& formulation = DesignFormulation());

}  // namespace vaporel
