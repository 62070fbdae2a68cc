#include "weather/epw_reader.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calculation/formulation_state.hpp"
#include "properties/standard_atmosphere.hpp"
#include "weather/field_number.hpp"
#include "weather/weather_stream.hpp"

namespace vaporel {
namespace {

// What an EPW file writes for a value it does not have.
constexpr double kMissingTemperature = 99.9;
constexpr double kMissingHumidity = 999;
constexpr double kMissingPressure = 999999;
constexpr double kPascalsPerBar = 1e5;

// The fields of one line, split at commas outside double quotes, each trimmed of blanks and
// of its quotes.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] == '"') quoted = !quoted;
    if (i < line.size() && (line[i] != ',' || quoted)) continue;
    std::string_view field = line.substr(start, i - start);
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
    fields.push_back(field);
    start = i + 1;
  }
  return fields;
}

std::optional<double> At(const std::vector<std::string_view>& fields, std::size_t index) {
  return index < fields.size() ? FieldNumber(fields[index]) : std::nullopt;
}

WeatherLocation LocationOf(const std::vector<std::string_view>& f) {
  WeatherLocation location;
  const auto text = [&](std::size_t i) { return i < f.size() ? std::string(f[i]) : std::string(); };
  location.name = text(1);
  location.region = text(2);
  location.country = text(3);
  location.latitude = At(f, 6);
  location.longitude = At(f, 7);
  location.timeZone = At(f, 8);
  location.elevation = At(f, 9);
  return location;
}

// The sizing-conditions line as the Handbook's tables lay it out: after "Heating", the month
// and the 99.6 % and 99 % dry bulbs; after "Cooling", the month, the daily range, then the
// 0.4, 1 and 2 % dry bulbs each with its mean coincident wet bulb, the evaporation wet bulbs
// (six), the wind (two), the 0.4 % dew point, its humidity ratio and mean coincident dry bulb,
// the 1 and 2 % (six) and the 0.4 % enthalpy with its mean coincident dry bulb.
std::optional<DesignConditions> DesignOf(const std::vector<std::string_view>& f) {
  const auto find = [&](std::string_view word) {
    return static_cast<std::size_t>(std::find(f.begin(), f.end(), word) - f.begin());
  };
  const std::size_t h = find("Heating"), c = find("Cooling");
  if (h >= f.size() && c >= f.size()) return std::nullopt;
  DesignConditions d;
  if (h < f.size()) {
    d.heatingDb996 = At(f, h + 2);
    d.heatingDb99 = At(f, h + 3);
  }
  if (c < f.size()) {
    d.coolingDb04 = At(f, c + 3);
    d.coolingMcwb04 = At(f, c + 4);
    d.coolingDb1 = At(f, c + 5);
    d.coolingMcwb1 = At(f, c + 6);
    d.coolingDb2 = At(f, c + 7);
    d.coolingMcwb2 = At(f, c + 8);
    d.dewPoint04 = At(f, c + 17);
    d.dewPointMcdb04 = At(f, c + 19);
    d.enthalpy04 = At(f, c + 26);
    d.enthalpyMcdb04 = At(f, c + 27);
  }
  return d;
}

// One hourly row: year, month, day, hour, minute, the flags, then dry bulb, dew point, RH and
// station pressure [Pa].
WeatherHour HourOf(const std::vector<std::string_view>& f, int line, std::optional<double> elevation,
                   const Formulation& formulation) {
  WeatherHour hour;
  hour.line = line;
  // A date's field as a whole number; 0 where it is none a date could hold.
  const auto whole = [&](std::size_t index) {
    const auto value = At(f, index);
    return value && *value >= 0 && *value <= 9999 ? static_cast<int>(*value) : 0;
  };
  hour.month = whole(1);
  hour.day = whole(2);
  hour.hour = whole(3);
  const auto tdb = At(f, 6), tdp = At(f, 7), rh = At(f, 8), pressure = At(f, 9);
  if (!tdb || *tdb >= kMissingTemperature) {
    hour.refusal = "the dry bulb is missing";
    return hour;
  }
  double p = 0;
  if (pressure && *pressure < kMissingPressure) {
    p = *pressure / kPascalsPerBar;
  } else if (elevation) {
    p = StandardAtmospherePressure(*elevation);
  } else {
    hour.refusal = "the pressure is missing, and the file gives no elevation";
    return hour;
  }
  Resolution resolution;
  if (tdp && *tdp < kMissingTemperature) {
    resolution = ResolveIn(formulation, p, {Property::Tdb, *tdb}, {Property::Tdp, *tdp});
  } else if (rh && *rh < kMissingHumidity) {
    resolution = ResolveIn(formulation, p, {Property::Tdb, *tdb}, {Property::RH, *rh});
  } else {
    hour.refusal = "the dew point and the relative humidity are missing";
    return hour;
  }
  if (const auto* refused = std::get_if<Refusal>(&resolution)) {
    hour.refusal = refused->message;
  } else {
    hour.state = std::get<AirState>(resolution);
  }
  return hour;
}

// An hourly row begins with its year (however the date is written) and its month.
bool IsDataRow(const std::vector<std::string_view>& f) {
  return f.size() >= 10 && !f[0].empty() && f[0][0] >= '0' && f[0][0] <= '9' && FieldNumber(f[1]);
}

}  // namespace

WeatherLocation EpwLocation(std::string_view firstLine) { return LocationOf(Fields(firstLine)); }

void ReadEpwLine(std::string_view line, int number, std::optional<double> elevation, const Formulation& formulation,
                 WeatherYear& year) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.empty()) return;
  if (fields.front() == "DESIGN CONDITIONS") {
    // The last such line that carries conditions (a file read in pieces keeps the same).
    if (auto design = DesignOf(fields)) year.fileDesign = design;
  } else if (IsDataRow(fields)) {
    year.hours.push_back(HourOf(fields, number, elevation, formulation));
  }
}

std::variant<WeatherYear, std::string> ReadEpw(std::string_view text) {
  const std::string_view bare = text.starts_with("\xef\xbb\xbf") ? text.substr(3) : text;
  if (!bare.starts_with("LOCATION,")) return std::string("line 1: an EPW file begins with \"LOCATION,\"");
  return ReadWeather(text, UnitSystem::SI, std::nullopt);
}

}  // namespace vaporel
