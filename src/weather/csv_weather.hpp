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

#include "calculation/any_pair.hpp"
#include "properties/formulation.hpp"
#include "units/units.hpp"
#include "weather/weather_year.hpp"

namespace vaporel {

// Where the header names the columns read.
struct CsvColumns {
  std::size_t tdb = 0, second = 0;
  Property property = Property::Tdp;
  std::optional<std::size_t> p, hour;
};

// The columns the header names, or why it names too few ("line 1: ...").
std::variant<CsvColumns, std::string> CsvColumnsOf(std::string_view header, bool sitePressure);
// One row after the header, numbered `number`: its hour appended to the year (a blank row: none).
void ReadCsvLine(std::string_view row, int number, const CsvColumns& columns, UnitSystem units,
                 std::optional<double> sitePressure, const Formulation& formulation, WeatherYear& year);

}  // namespace vaporel
