// Any bytes as a weather file (EPW, or CSV in SI or IP at a site's pressure): a year or a
// message naming its line, never a crash; every hour
// either a state or the cause it was refused for; the summary counts every hour once, and
// its JSON is one valid object.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "batch/weather_mode.hpp"
#include "calculation/zone.hpp"
#include "weather/csv_weather.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto units = size % 2 == 0 ? vaporel::UnitSystem::SI : vaporel::UnitSystem::IP;
  const auto read = vaporel::ReadWeather(text, units, 1.01325);
  if (const auto* problem = std::get_if<std::string>(&read)) {
    if (problem->rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  const vaporel::WeatherYear& year = std::get<vaporel::WeatherYear>(read);
  for (const vaporel::WeatherHour& hour : year.hours) {
    if (hour.state.has_value() == !hour.refusal.empty()) std::abort();
  }
  const vaporel::Zone zone = *vaporel::BuiltInZone("datacenter-a2");
  const vaporel::WeatherSummary summary = vaporel::Summarize(year, std::span(&zone, 1));
  if (summary.hours != static_cast<int>(year.hours.size()) || summary.accepted + summary.refused != summary.hours) {
    std::abort();
  }
  const std::string json = vaporel::WeatherJson("fuzz.epw", year, summary, vaporel::UnitSystem::IP);
  if (!nlohmann::json::accept(json)) std::abort();
  return 0;
}
