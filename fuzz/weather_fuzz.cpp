// Any bytes as a weather file (EPW, or CSV in SI or IP at a site's pressure): a year or a
// message naming its line, never a crash; every hour
// either a state or the cause it was refused for; the summary counts every hour once, and
// its JSON is one valid object. Read a few bytes at a time on three threads, the file gives
// the same message or the same counts, refusals and sizing conditions as read whole.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "batch/weather_mode.hpp"
#include "calculation/zone.hpp"
#include "weather/weather_stream.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto units = size % 2 == 0 ? vaporel::UnitSystem::SI : vaporel::UnitSystem::IP;
  const auto read = vaporel::ReadWeather(text, units, 1.01325);
  const vaporel::Zone zone = *vaporel::BuiltInZone("datacenter-a2");
  // In pieces of a few bytes (blocks end anywhere), then of 4 KB (a block's lines on threads).
  const auto inPieces = [&](std::size_t piece, vaporel::HourCounter& counter) {
    std::size_t at = 0;
    const auto more = [&](std::string& into) {
      const std::size_t take = std::min(piece, size - at);
      into.append(text.substr(at, take));
      at += take;
      return take > 0;
    };
    return vaporel::CountWeather(more, units, 1.01325, counter, 3);
  };
  vaporel::HourCounter counter(std::span(&zone, 1)), blocks(std::span(&zone, 1));
  const auto streamed = inPieces(1 + size % 13, counter);
  const auto inBlocks = inPieces(4096, blocks);
  if (streamed.index() != inBlocks.index()) std::abort();
  if (const auto* problem = std::get_if<std::string>(&read)) {
    if (problem->rfind("line ", 0) != 0) std::abort();
    const auto* same = std::get_if<std::string>(&streamed);
    if (same == nullptr || *same != *problem) std::abort();
    return 0;
  }
  if (!std::holds_alternative<vaporel::WeatherYear>(streamed)) std::abort();
  const vaporel::WeatherYear& year = std::get<vaporel::WeatherYear>(read);
  for (const vaporel::WeatherHour& hour : year.hours) {
    if (hour.state.has_value() == !hour.refusal.empty()) std::abort();
  }
  const vaporel::WeatherSummary summary = vaporel::Summarize(year, std::span(&zone, 1));
  if (summary.hours != static_cast<int>(year.hours.size()) || summary.accepted + summary.refused != summary.hours) {
    std::abort();
  }
  const std::string whole = vaporel::WeatherJson("fuzz.epw", year, summary, vaporel::UnitSystem::SI);
  if (vaporel::WeatherJson("fuzz.epw", std::get<vaporel::WeatherYear>(streamed), counter.summary(),
                           vaporel::UnitSystem::SI) != whole ||
      vaporel::WeatherJson("fuzz.epw", std::get<vaporel::WeatherYear>(inBlocks), blocks.summary(),
                           vaporel::UnitSystem::SI) != whole) {
    std::abort();
  }
  const std::string json = vaporel::WeatherJson("fuzz.epw", year, summary, vaporel::UnitSystem::IP);
  if (!nlohmann::json::accept(json)) std::abort();
  return 0;
}
