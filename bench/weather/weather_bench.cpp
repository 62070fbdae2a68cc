// A year of weather (8 760 hours of Chicago O'Hare) read, every hour resolved, counted against
// a zone and its sizing conditions computed: target at most 100 ms on one core. Thirty years of
// hourly CSV (262 800 rows, Chicago's year thirty times) read a block at a time on two threads:
// target at most 2 s, memory flat (the process's peak resident size is reported beside one
// year's).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "weather/epw_reader.hpp"
#include "weather/weather_stream.hpp"
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

// Chicago's hours as CSV rows (hour, tdb, tdp, p in bar), `years` times over.
std::string CsvYears(int years) {
  std::ostringstream text;
  text << std::ifstream(VAPOREL_CHICAGO, std::ios::binary).rdbuf();
  const auto read = ReadEpw(text.str());
  std::string csv = "hour,tdb,tdp,p\n";
  if (!std::holds_alternative<WeatherYear>(read)) return csv;
  for (int y = 0; y < years; ++y) {
    for (const WeatherHour& hour : std::get<WeatherYear>(read).hours) {
      char row[96];
      std::snprintf(row, sizeof row, "%d,%.1f,%.1f,%.5f\n", hour.hour, hour.state->tdb, hour.state->tdp, hour.state->p);
      csv += row;
    }
  }
  return csv;
}

void CountYearsOfCsvOnTwoThreads(benchmark::State& state) {
  const std::string csv = CsvYears(static_cast<int>(state.range(0)));
  const Zone zone = *BuiltInZone("datacenter-recommended");
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  for (auto _ : state) {
    std::size_t at = 0;
    const auto more = [&](std::string& text) {
      const std::size_t take = std::min(kBlock, csv.size() - at);
      text.append(csv, at, take);
      at += take;
      return take > 0;
    };
    HourCounter counter(std::span(&zone, 1));
    const auto read = CountWeather(more, UnitSystem::SI, std::nullopt, counter, 2);
    if (!std::holds_alternative<WeatherYear>(read)) {
      state.SkipWithError("the rows cannot be read");
      break;
    }
    benchmark::DoNotOptimize(counter.summary());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["hours"] = 8760.0 * static_cast<double>(state.range(0));
  state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(CountYearsOfCsvOnTwoThreads)->Arg(1)->Arg(30)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vaporel

BENCHMARK_MAIN();
