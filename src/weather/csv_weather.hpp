#pragma once
// Hourly weather as CSV: a header naming its columns, `tdb` and one of `tdp`, `RH`, `twb` and
// `x`, with `p` for the pressure where the rows give it (else the site's pressure, from
// --altitude); an `hour` column (1 to 24, the hour a row ends, as in EPW files) where the rows
// give it. Other columns (a time stamp) are passed over. Values in `units`: °F, psia and lb/lb
// in IP. A row that cannot be resolved is kept as refused, with its line and cause.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "units/units.hpp"
#include "weather/weather_year.hpp"

namespace vaporel {

// The year, or why the header cannot be read ("line 1: ..."). `sitePressure` [bar] serves
// when there is no `p` column.
std::variant<WeatherYear, std::string> ReadWeatherCsv(std::string_view text, UnitSystem units,
                                                      std::optional<double> sitePressure);

// An EPW file (its first line "LOCATION,") or, else, a CSV file.
std::variant<WeatherYear, std::string> ReadWeather(std::string_view text, UnitSystem units,
                                                   std::optional<double> sitePressure);

}  // namespace vaporel
