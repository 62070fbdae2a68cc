// A year of weather (8 760 hours of Chicago O'Hare) read, every hour resolved, counted against
// a zone and its design conditions computed: target at most 100 ms on one core.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "weather/epw_reader.hpp"
#include "weather/weather_summary.hpp"

namespace vaporel {
namespace {

void ReadAndSummarizeAYear(benchmark::State& state) {
  std::ostringstream text;
  text << std::ifstream(VAPOREL_CHICAGO, std::ios::binary).rdbuf();
  const std::string epw = text.str();
  const Zone zone = *BuiltInZone("datacenter-recommended");
  for (auto _ : state) {
    const auto year = ReadEpw(epw);
    if (!std::holds_alternative<WeatherYear>(year)) {
      state.SkipWithError("Chicago's year cannot be read");
      break;
    }
    benchmark::DoNotOptimize(Summarize(std::get<WeatherYear>(year), std::span(&zone, 1)));
  }
  state.counters["hours"] = 8760;
}
BENCHMARK(ReadAndSummarizeAYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaporel

BENCHMARK_MAIN();
