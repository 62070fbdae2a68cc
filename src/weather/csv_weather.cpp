#include "weather/csv_weather.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "calculation/formulation_state.hpp"
#include "weather/field_number.hpp"

namespace vaporel {
namespace {

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> cells;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] != ',') continue;
    std::string_view cell = line.substr(start, i - start);
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '"')) cell.remove_prefix(1);
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == '"' || cell.back() == '\r')) cell.remove_suffix(1);
    cells.push_back(cell);
    start = i + 1;
  }
  return cells;
}

// The second property a file may give beside the dry bulb, in the order looked for.
constexpr std::array<Property, 4> kSecond = {Property::Tdp, Property::RH, Property::Twb, Property::X};

std::optional<std::size_t> Find(const std::vector<std::string_view>& header, std::string_view name) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == name) return i;
  }
  return std::nullopt;
}

std::variant<CsvColumns, std::string> ColumnsOf(const std::vector<std::string_view>& header, bool sitePressure) {
  CsvColumns c;
  const auto tdb = Find(header, "tdb");
  if (!tdb) return std::string("line 1: neither an EPW file (its first line LOCATION,) nor CSV whose header names tdb");
  c.tdb = *tdb;
  const auto second = std::find_if(kSecond.begin(), kSecond.end(),
                                   [&](Property p) { return Find(header, PropertyName(p)).has_value(); });
  if (second == kSecond.end()) return std::string("line 1: the header names none of the columns tdp, RH, twb and x");
  c.property = *second;
  c.second = *Find(header, PropertyName(*second));
  c.p = Find(header, "p");
  c.hour = Find(header, "hour");
  if (!c.p && !sitePressure) return std::string("line 1: the header names no column p: give the site's --altitude");
  return c;
}

WeatherHour HourOf(const std::vector<std::string_view>& cells, const CsvColumns& c, int line, UnitSystem units,
                   std::optional<double> sitePressure, const Formulation& formulation) {
  WeatherHour hour;
  hour.line = line;
  const auto at = [&](std::size_t i) { return i < cells.size() ? FieldNumber(cells[i]) : std::nullopt; };
  if (c.hour) {
    const auto h = at(*c.hour);
    hour.hour = h && *h >= 0 && *h <= 24 ? static_cast<int>(*h) : 0;
  }
  const auto tdb = at(c.tdb), second = at(c.second);
  const auto p = c.p ? at(*c.p) : std::nullopt;
  if (!tdb || !second || (c.p && !p)) {
    hour.refusal = "a value is missing or not a number";
    return hour;
  }
  const double bar = p ? FromUnits(Quantity::Pressure, units, *p) : *sitePressure;
  const Resolution r = ResolveIn(formulation, bar, {Property::Tdb, FromUnits(Quantity::Temperature, units, *tdb)},
                                 {c.property, FromUnits(QuantityOf(c.property), units, *second)});
  if (const auto* refused = std::get_if<Refusal>(&r)) {
    hour.refusal = refused->message;
  } else {
    hour.state = std::get<AirState>(r);
  }
  return hour;
}

}  // namespace

std::variant<CsvColumns, std::string> CsvColumnsOf(std::string_view header, bool sitePressure) {
  return ColumnsOf(Split(header), sitePressure);
}

void ReadCsvLine(std::string_view row, int number, const CsvColumns& columns, UnitSystem units,
                 std::optional<double> sitePressure, const Formulation& formulation, WeatherYear& year) {
  if (row.empty() || row == "\r") return;
  year.hours.push_back(HourOf(Split(row), columns, number, units, sitePressure, formulation));
}

}  // namespace vaporel
