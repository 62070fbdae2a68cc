#include "batch/weather_mode.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "batch/json_output.hpp"
#include "weather/weather_drawing.hpp"
#include "weather/weather_stream.hpp"

namespace vaporel {
namespace {

constexpr int kUnreadable = 2;

// The sizing conditions under their JSON keys, each with its quantity.
struct DesignFigure {
  std::string_view key;
  std::optional<double> DesignConditions::*field;
  Quantity quantity;
};
constexpr std::array<DesignFigure, 12> kDesignFigures = {{
    {"heating_db_99_6", &DesignConditions::heatingDb996, Quantity::Temperature},
    {"heating_db_99", &DesignConditions::heatingDb99, Quantity::Temperature},
    {"cooling_db_0_4", &DesignConditions::coolingDb04, Quantity::Temperature},
    {"cooling_mcwb_0_4", &DesignConditions::coolingMcwb04, Quantity::Temperature},
    {"cooling_db_1", &DesignConditions::coolingDb1, Quantity::Temperature},
    {"cooling_mcwb_1", &DesignConditions::coolingMcwb1, Quantity::Temperature},
    {"cooling_db_2", &DesignConditions::coolingDb2, Quantity::Temperature},
    {"cooling_mcwb_2", &DesignConditions::coolingMcwb2, Quantity::Temperature},
    {"dew_point_0_4", &DesignConditions::dewPoint04, Quantity::Temperature},
    {"dew_point_mcdb_0_4", &DesignConditions::dewPointMcdb04, Quantity::Temperature},
    {"enthalpy_0_4", &DesignConditions::enthalpy04, Quantity::Enthalpy},
    {"enthalpy_mcdb_0_4", &DesignConditions::enthalpyMcdb04, Quantity::Temperature},
}};

// What the computed wet bulbs are, in the formulation the hours were resolved in.
std::string WetBulbsOf(const Formulation& formulation) {
  return formulation.id() == FormulationId::Ashrae
             ? "ashrae, the thermodynamic wet bulb of the Handbook's psychrometric equation"
             : "design, the temperature of saturated air of the hour's enthalpy";
}

Json DesignJson(const std::optional<DesignConditions>& conditions, UnitSystem units) {
  if (!conditions) return nullptr;
  Json out = Json::object();
  for (const DesignFigure& f : kDesignFigures) {
    const auto& value = (*conditions).*f.field;
    out[std::string(f.key)] = value ? JsonNumber(ToUnits(f.quantity, units, *value)) : Json(nullptr);
  }
  return out;
}

}  // namespace

std::string WeatherText(const std::string& file, const WeatherYear& year, const WeatherSummary& summary,
                        UnitSystem units, const Numbers& numbers, const Formulation& formulation) {
  const std::string where = LocationText(year.location);
  std::string out = file + (where.empty() ? "" : ": " + where) + "\n";
  out += "hours " + std::to_string(summary.hours) + ", accepted " + std::to_string(summary.accepted) + ", refused " +
         std::to_string(summary.refused) + "\n";
  for (const RefusedHour& hour : summary.refusals)
    out += "  line " + std::to_string(hour.line) + ": " + hour.cause + "\n";
  for (const ZoneHours& z : summary.zones) {
    out += "zone " + z.zone + ": inside " + std::to_string(z.inside) + ", cool " + std::to_string(z.cool) + ", heat " +
           std::to_string(z.heat) + ", humidify " + std::to_string(z.humidify) + ", dehumidify " +
           std::to_string(z.dehumidify) + "\n";
  }
  // Three columns: the key with its unit, then the file's value and the computed one.
  constexpr std::size_t kKeyWidth = 28, kValueWidth = 10;
  const auto right = [](const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 1, ' ') + text;
  };
  std::string head = "sizing conditions";
  head.resize(kKeyWidth, ' ');
  out += head + right("file", kValueWidth) + right("computed", kValueWidth) + "\n";
  out += "  (computed wet bulbs: " + WetBulbsOf(formulation) + ")\n";
  for (const DesignFigure& f : kDesignFigures) {
    const auto shown = [&](const std::optional<DesignConditions>& d) {
      const auto& value = d ? (*d).*f.field : std::nullopt;
      return value ? numbers.format(ToUnits(f.quantity, units, *value), "0.0") : std::string("-");
    };
    std::string key = std::string(f.key) + " [" + std::string(UnitName(f.quantity, units)) + "]";
    key.resize(std::max(key.size(), kKeyWidth), ' ');
    out += key + right(shown(year.fileDesign), kValueWidth) + right(shown(summary.computed), kValueWidth) + "\n";
  }
  return out;
}

std::string WeatherJson(const std::string& file, const WeatherYear& year, const WeatherSummary& summary,
                        UnitSystem units, const Formulation& formulation) {
  std::vector<std::pair<std::string_view, Quantity>> keys;
  keys.reserve(kDesignFigures.size());
  for (const DesignFigure& f : kDesignFigures) keys.emplace_back(f.key, f.quantity);
  Json doc = JsonDocument(units, keys);
  doc["file"] = file;
  doc["formulation"] = std::string(formulation.name());
  const WeatherLocation& l = year.location;
  Json location = {{"name", l.name}, {"region", l.region}, {"country", l.country}};
  const auto optional = [](const std::optional<double>& v) { return v ? JsonNumber(*v) : Json(nullptr); };
  location["latitude"] = optional(l.latitude);
  location["longitude"] = optional(l.longitude);
  location["time_zone"] = optional(l.timeZone);
  location["elevation"] = l.elevation ? JsonNumber(ToUnits(Quantity::Altitude, units, *l.elevation)) : Json(nullptr);
  doc["location"] = location;
  doc["hours"] = summary.hours;
  doc["accepted"] = summary.accepted;
  Json refused = Json::array();
  for (const RefusedHour& hour : summary.refusals) refused.push_back({{"line", hour.line}, {"cause", hour.cause}});
  doc["refused"] = refused;
  Json zones = Json::object();
  for (const ZoneHours& z : summary.zones) {
    zones[z.zone] = {{"inside", z.inside},
                     {"cool", z.cool},
                     {"heat", z.heat},
                     {"humidify", z.humidify},
                     {"dehumidify", z.dehumidify}};
  }
  doc["zones"] = zones;
  doc["design_conditions"] = {{"file", DesignJson(year.fileDesign, units)},
                              {"computed", DesignJson(summary.computed, units)}};
  std::string line = JsonText(doc, -1);
  return line;
}

std::optional<HoursOfDay> HoursOfDayNamed(const std::string& text) {
  int from = -1, to = -1;
  const char* end = text.data() + text.size();
  const auto [afterFrom, e1] = std::from_chars(text.data(), end, from);
  if (e1 != std::errc() || afterFrom == end || *afterFrom != '-') return std::nullopt;
  const auto [afterTo, e2] = std::from_chars(afterFrom + 1, end, to);
  if (e2 != std::errc() || afterTo != end || from < 0 || to > 24 || from >= to) return std::nullopt;
  return HoursOfDay{from, to};
}

namespace {

// One file summed up: what goes to stdout, or what is wrong with it; whether its chart, when
// asked for, was written.
struct FileSummary {
  std::string out, problem;
  bool charted = true;
};

// What every file is summed up with.
struct SumUpRequest {
  const std::vector<Zone>& zones;
  std::optional<HoursOfDay> hoursOfDay;
  std::optional<double> sitePressure;
  bool json;
  UnitSystem units;
  const Numbers& numbers;
  const ChartRequest* chart;
  int threads;  // for the rows of one file
  const Formulation& formulation;
};

constexpr std::size_t kBlock = std::size_t{1} << 20;  // bytes read at a time

// The file read a block at a time, each block's hours counted before the next is read: a
// record of any length in little memory.
FileSummary SumUp(const std::string& file, const SumUpRequest& r) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
  if (!in) return {{}, file + ": cannot be read (" + std::strerror(errno) + ")"};
  std::vector<char> buffer(kBlock);
  const auto more = [&](std::string& text) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in.get());
    text.append(buffer.data(), got);
    return got > 0;
  };
  HourCounter counter(r.zones, r.hoursOfDay, r.chart != nullptr);
  const auto read = CountWeather(more, r.units, r.sitePressure, counter, r.threads, r.formulation);
  if (std::ferror(in.get())) return {{}, file + ": cannot be read (" + std::strerror(errno) + ")"};
  if (const auto* problem = std::get_if<std::string>(&read)) return {{}, file + ":" + problem->substr(5)};
  const WeatherYear& year = std::get<WeatherYear>(read);
  const WeatherSummary summary = counter.summary();
  FileSummary done{r.json ? WeatherJson(file, year, summary, r.units, r.formulation)
                          : WeatherText(file, year, summary, r.units, r.numbers, r.formulation),
                   {}};
  if (r.chart) {
    std::vector<int> inside;
    for (const ZoneHours& z : summary.zones) inside.push_back(z.inside);
    done.charted = WriteWeatherChart(*r.chart, DrawingOf(counter.points(), summary, year.fileDesign, r.formulation),
                                     inside, r.numbers);
  }
  return done;
}

}  // namespace

int RunWeather(const std::vector<std::string>& files, const std::vector<Zone>& zones,
               std::optional<HoursOfDay> hoursOfDay, std::optional<double> sitePressure, bool json, UnitSystem units,
               const Numbers& numbers, int jobs, const ChartRequest* chart, const Formulation& formulation) {
  int status = 0;
  // The files in rounds of `jobs`, one thread a file, each round printed in the files' order
  // before the next begins: the output is the same on any number of threads, and only one
  // round's summaries are held at a time.
  const auto perRound = static_cast<std::size_t>(std::max(1, jobs));
  for (std::size_t first = 0; first < files.size(); first += perRound) {
    const std::size_t count = std::min(perRound, files.size() - first);
    std::vector<FileSummary> round(count);
    // Threads a round leaves over read the rows of its files.
    const SumUpRequest request{zones,      hoursOfDay, sitePressure, json,
                               units,      numbers,    chart,        std::max(1, jobs / static_cast<int>(count)),
                               formulation};
    {
      std::vector<std::jthread> threads;
      for (std::size_t i = 1; i < count; ++i) {
        threads.emplace_back([&, i] { round[i] = SumUp(files[first + i], request); });
      }
      // The first on this thread: a chart (one file only) is drawn on the program's main thread.
      round[0] = SumUp(files[first], request);
    }
    for (const FileSummary& summary : round) {
      if (!summary.problem.empty()) {
        std::fprintf(stderr, "vaporel-calc: %s\n", summary.problem.c_str());
        status = kUnreadable;
      }
      std::fwrite(summary.out.data(), 1, summary.out.size(), stdout);
      if (!summary.charted && status == 0) status = 1;
    }
  }
  return status;
}

}  // namespace vaporel
