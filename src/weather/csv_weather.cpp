#include "weather/csv_weather.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "calculation/any_pair.hpp"
#include "weather/epw_reader.hpp"
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

struct Columns {
  std::size_t tdb = 0, second = 0;
  Property property = Property::Tdp;
  std::optional<std::size_t> p, hour;
};

std::optional<std::size_t> Find(const std::vector<std::string_view>& header, std::string_view name) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == name) return i;
  }
  return std::nullopt;
}

std::variant<Columns, std::string> ColumnsOf(const std::vector<std::string_view>& header, bool sitePressure) {
  Columns c;
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

WeatherHour HourOf(const std::vector<std::string_view>& cells, const Columns& c, int line, UnitSystem units,
                   std::optional<double> sitePressure) {
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
  const Resolution r = ResolveAnyPair(bar, {Property::Tdb, FromUnits(Quantity::Temperature, units, *tdb)},
                                      {c.property, FromUnits(QuantityOf(c.property), units, *second)});
  if (const auto* refused = std::get_if<Refusal>(&r)) {
    hour.refusal = refused->message;
  } else {
    hour.state = std::get<AirState>(r);
  }
  return hour;
}

}  // namespace

std::variant<WeatherYear, std::string> ReadWeatherCsv(std::string_view text, UnitSystem units,
                                                      std::optional<double> sitePressure) {
  if (text.starts_with("\xef\xbb\xbf")) text.remove_prefix(3);
  std::size_t end = text.find('\n');
  const auto header = Split(text.substr(0, end));
  const auto columns = ColumnsOf(header, sitePressure.has_value());
  if (const auto* problem = std::get_if<std::string>(&columns)) return *problem;
  WeatherYear year;
  int line = 1;
  while (end != std::string_view::npos) {
    const std::size_t start = end + 1;
    end = text.find('\n', start);
    const std::string_view row = text.substr(start, end == std::string_view::npos ? end : end - start);
    ++line;
    if (row.empty() || row == "\r") continue;
    year.hours.push_back(HourOf(Split(row), std::get<Columns>(columns), line, units, sitePressure));
  }
  if (year.hours.empty()) return std::string("line ") + std::to_string(line) + ": the file has no rows";
  return year;
}

std::variant<WeatherYear, std::string> ReadWeather(std::string_view text, UnitSystem units,
                                                   std::optional<double> sitePressure) {
  const std::string_view bare = text.starts_with("\xef\xbb\xbf") ? text.substr(3) : text;
  if (bare.starts_with("LOCATION,")) return ReadEpw(text);
  return ReadWeatherCsv(text, units, sitePressure);
}

}  // namespace vaporel
