#pragma once
// EnergyPlus weather files (recognised by their first line, "LOCATION,"): the location line,
// the sizing-conditions line where there is one, and the hourly rows. An hour's state is its
// dry bulb and dew point at the row's station pressure; without a dew point (99.9) its dry
// bulb and RH; without a pressure (999999) the standard atmosphere's at the file's
// elevation. An hour that cannot be resolved is kept as refused, with its line and cause.
// Latin-1 or UTF-8 header lines, quoted names with commas, leap years and CRLF are read.

#include <string>
#include <string_view>
#include <variant>

#include "properties/formulation.hpp"
#include "weather/weather_year.hpp"

namespace vaporel {

// The year, or why the text is no weather file at all ("line 1: ...").
std::variant<WeatherYear, std::string> ReadEpw(std::string_view text);

// The location of the first line ("LOCATION,..."); one later line, numbered `number`: an hour
// appended to the year, or its sizing conditions, or nothing (another header line).
WeatherLocation EpwLocation(std::string_view firstLine);
void ReadEpwLine(std::string_view line, int number, std::optional<double> elevation, const Formulation& formulation,
                 WeatherYear& year);

}  // namespace vaporel
