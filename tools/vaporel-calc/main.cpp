// vaporel-calc: the headless twin of the main window for engineers who script.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "batch/batch.hpp"
#include "batch/chart_mode.hpp"
#include "batch/command_line.hpp"
#include "batch/csv.hpp"
#include "batch/project_mode.hpp"
#include "batch/report_mode.hpp"
#include "batch/weather_mode.hpp"
#include "batch/zone_option.hpp"
#include "calculation/input_pair.hpp"
#include "calculation/result_texts.hpp"
#include "properties/constants.hpp"
#include "properties/standard_atmosphere.hpp"
#include "report/report_location.hpp"

namespace {

using namespace vaporel;

constexpr long kMaxJobs = 256;
constexpr int kUsageStatus = 2;

// What the options ask for, checked: the number format, the chart, the threads.
struct Request {
  Numbers numbers{'.'};
  std::optional<UnitSystem> units;  // as asked; a project's own otherwise
  std::optional<Zone> zone;
  std::vector<Zone> zones;  // --weather's: every --zone, and every zone of --zones-from
  std::optional<HoursOfDay> hours;
  std::optional<double> sitePressure;  // [bar], --weather's from --altitude
  std::optional<ChartRequest> chart;
  const Formulation* formulation = &DesignFormulation();
  bool json = false;
  int jobs = 1;
  std::vector<std::string> state;  // PAIR P FIRST SECOND, P from --altitude where given
};

UnitSystem Units(const Request& request) { return request.units.value_or(UnitSystem::SI); }

// Bad usage: the problem, the usage lines and a pointer to --help on stderr.
int Usage(const std::string& problem) {
  std::fprintf(stderr, "vaporel-calc: %s\n%s", problem.c_str(), ShortUsage().c_str());
  return kUsageStatus;
}

// What is wrong with an option that belongs to one mode only, if anything.
std::optional<std::string> MisplacedOption(const CalcOptions& options) {
  if (options.zone && !options.csv && !options.weather) {
    return "--zone is for --csv and --weather (a project has its own zones)";
  }
  if ((options.zonesFrom || options.hours) && !options.weather) return "--zones-from and --hours are for --weather";
  if (options.csv && options.report) return "--report writes one state and cannot be combined with --csv";
  if (options.report && options.units == "ip") return "--report writes the window's report, in SI: not with --units ip";
  if (options.altitude && (options.csv || options.project) && !options.weather) {
    return "--altitude is for one state (a project has its own altitude)";
  }
  return std::nullopt;
}

// What is wrong with --weather and its files, if anything.
std::optional<std::string> WeatherProblem(const CalcOptions& options) {
  if (options.hours && !HoursOfDayNamed(*options.hours)) {
    return "--hours must be FROM-TO, whole hours of 0 to 24 with FROM before TO (8-18)";
  }
  if (options.csv || options.project || options.report || options.precise) {
    return "--weather takes weather files, --zone, --zones-from, --hours, --altitude, --units, --json and --chart";
  }
  if (options.positional.empty()) return "--weather needs the weather files";
  if (options.chart && options.positional.size() > 1) return "--chart draws one weather file's year: give one file";
  return std::nullopt;
}

// What is wrong with the mode asked for and its arguments, if anything.
std::optional<std::string> ModeProblem(const CalcOptions& options) {
  if (auto misplaced = MisplacedOption(options)) return misplaced;
  if (options.zones) {
    if (options.csv || options.project || options.report || options.chart || !options.positional.empty()) {
      return "--zones lists the known zones and takes no other mode";
    }
    return std::nullopt;
  }
  if (options.weather) return WeatherProblem(options);
  if (options.project) {
    if (options.project->empty()) return "--project needs the project file";
    if (options.csv || options.report || options.precise || !options.positional.empty()) {
      return "--project takes no PAIR P FIRST SECOND, --csv, --report or --precise";
    }
    return std::nullopt;
  }
  if (options.csv && !options.positional.empty())
    return "--csv reads its rows from stdin and takes no PAIR P FIRST SECOND";
  if (options.csv) return std::nullopt;
  if (options.altitude && options.positional.size() != 3) return "expected PAIR FIRST SECOND with --altitude";
  if (!options.altitude && options.positional.size() != 4) return "expected PAIR P FIRST SECOND";
  const std::string& pair = options.positional[0];
  if (PairNamed(pair)) {
    if (options.report) return "--report writes the window's pairs: give PAIR as 1 to 5";
    return std::nullopt;
  }
  if (pair.size() != 1 || pair[0] < '1' || pair[0] > '5') {
    return "PAIR must be 1 to 5, or two of tdb, twb, tdp, x, h and RH joined by + (e.g. tdp+RH)";
  }
  return std::nullopt;
}

// --altitude Z (in feet with --units ip): the standard atmosphere's pressure as P would be
// typed, in the units of FIRST and SECOND; or, with no pressure, the problem.
struct AltitudePressure {
  std::string p;
  std::string problem;
};
AltitudePressure PressureAtAltitude(const std::string& altitude, UnitSystem units, const Numbers& numbers) {
  const auto z = numbers.parse(altitude);
  const double p = z ? StandardAtmospherePressure(FromUnits(Quantity::Altitude, units, *z)) : 0;
  if (p > 0) return {ShortestText(ToUnits(Quantity::Pressure, units, p), numbers), {}};
  return {{},
          units == UnitSystem::IP ? "--altitude must be a number of feet below 145439"
                                  : "--altitude must be a number of metres below 44330"};
}

// --jobs N, or one thread per core; the problem with N, if any.
std::optional<std::string> ReadJobs(const CalcOptions& options, int& jobs) {
  jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (!options.jobs) return std::nullopt;
  if (!options.csv && !options.weather) return "--jobs is for --csv and --weather";
  char* end = nullptr;
  const long n = std::strtol(options.jobs->c_str(), &end, 10);
  if (options.jobs->empty() || *end != '\0' || n < 1 || n > kMaxJobs) return "--jobs must be 1 to 256";
  jobs = static_cast<int>(n);
  return std::nullopt;
}

// Every --zone and the zones of --zones-from; the problem with one, if any.
std::optional<std::string> ReadZoneOptions(const CalcOptions& options, Request& request) {
  for (const std::string& named : options.zoneList) {
    auto zone = ZoneNamedOrRead(named);
    if (const auto* problem = std::get_if<std::string>(&zone)) return *problem;
    request.zones.push_back(std::get<Zone>(std::move(zone)));
  }
  if (!request.zones.empty()) request.zone = request.zones.back();  // the other modes take the last
  if (options.zonesFrom) {
    auto zones = ZonesOfFile(*options.zonesFrom);
    if (const auto* problem = std::get_if<std::string>(&zones)) return *problem;
    for (Zone& zone : std::get<std::vector<Zone>>(zones)) request.zones.push_back(std::move(zone));
  }
  return std::nullopt;
}

// --chart, --chart-style and --chart-as; the problem with them, if any.
std::optional<std::string> ReadChartOptions(const CalcOptions& options, Request& request) {
  if (options.chart) {
    auto made = MakeChartRequest(*options.chart, options.chartStyle.value_or("psychrometric"));
    if (!made.request) return made.problem;
    request.chart = std::move(made.request);
  } else if (options.chartStyle || options.chartAs) {
    return std::string(options.chartStyle ? "--chart-style needs --chart" : "--chart-as needs --chart");
  }
  if (options.chartAs) {
    const auto as = ChartAsNamed(*options.chartAs);
    if (!as) return "--chart-as must be line, points or density, not " + *options.chartAs;
    if (!options.csv) return std::string("--chart-as is for --csv");
    request.chart->as = *as;
  }
  return std::nullopt;
}

// --formulation; the problem with it, if any.
std::optional<std::string> ReadFormulation(const CalcOptions& options, Request& request) {
  if (!options.formulation) return std::nullopt;
  request.formulation = FormulationNamed(*options.formulation);
  if (request.formulation == nullptr) return "--formulation must be design or ashrae, not " + *options.formulation;
  if (request.formulation->id() == FormulationId::Design) return std::nullopt;
  if (options.report) return std::string("--report writes the window's report, in the program's own formulation");
  if (options.zones || (request.chart && !options.weather && !options.project)) {
    return std::string("--formulation ashrae is for one state, --csv, --project and --weather (charts of these two)");
  }
  return std::nullopt;
}

std::variant<Request, std::string> Check(const CalcOptions& options) {
  Request request;
  if (options.locale) {
    const auto named = Numbers::forLocaleName(*options.locale);
    if (!named) return "unknown locale " + *options.locale;
    request.numbers = *named;
  }
  if (auto problem = ReadChartOptions(options, request)) return *problem;
  if (auto problem = ReadJobs(options, request.jobs)) return *problem;
  if (options.units) {
    request.units = UnitSystemNamed(*options.units);
    if (!request.units) return "--units must be si or ip, not " + *options.units;
  }
  if (auto problem = ModeProblem(options)) return *problem;
  if (auto problem = ReadFormulation(options, request)) return *problem;
  if (auto problem = ReadZoneOptions(options, request)) return *problem;
  if (options.hours) request.hours = HoursOfDayNamed(*options.hours);
  request.state = options.positional;
  request.json = options.json;
  if (options.altitude) {
    const AltitudePressure at = PressureAtAltitude(*options.altitude, Units(request), request.numbers);
    if (at.p.empty()) return at.problem;
    if (options.weather) {
      request.sitePressure = FromUnits(Quantity::Pressure, Units(request), *request.numbers.parse(at.p));
    } else {
      request.state.insert(request.state.begin() + 1, at.p);
    }
  }
  if (request.chart) {
    request.chart->units = request.units.value_or(UnitSystem::SI);
    if (request.zone) request.chart->zones = {*request.zone};
    if (options.weather) request.chart->zones = request.zones;
  }
  return request;
}

// --csv: the rows of stdin, then the chart of the accepted ones.
int RunCsv(const Request& request) {
  ProcessLine line;
  long inside = 0;
  AcceptedState collect;
  if (request.chart || request.zone) {
    collect = [&](const AirState& state) {
      if (request.chart) line.add(state);
      if (request.zone && InZone(*request.zone, state)) ++inside;
    };
  }
  const long rows = RunCsvInParallel(
      stdin, stdout, CsvFormat{request.numbers, Units(request), request.zone, request.json, request.formulation},
      request.jobs, collect);
  if (request.zone) {
    std::fprintf(stderr, "vaporel-calc: %ld of %ld %s inside zone %s\n", inside, rows,
                 rows == 1 ? "row lies" : "rows lie", request.zone->name.c_str());
  }
  if (!request.chart) return 0;
  if (line.elsewhere() > 0) {
    const bool one = line.elsewhere() == 1;
    std::fprintf(stderr, "vaporel-calc: %ld %s at another pressure than %g bar %s not plotted\n", line.elsewhere(),
                 one ? "row" : "rows", line.pressure(), one ? "is" : "are");
  }
  const double p = line.empty() ? kStandardPressure : line.pressure();
  return WriteBatchChart(*request.chart, p, line.points(), request.numbers) ? 0 : 1;
}

// One state: checked and resolved, its report and chart written, its results printed.
int RunState(const CalcOptions& options, const Request& request) {
  const auto named = PairNamed(request.state[0]);
  const InputPair pair = named ? InputPair::None : InputPairFromNumber(request.state[0][0] - '0');
  const std::string& p = request.state[1];
  const std::string& first = request.state[2];
  const std::string& second = request.state[3];
  const UnitSystem units = Units(request);
  const BatchResult result =
      *CalculateFromRow(request.state[0], p, first, second, request.numbers, units, *request.formulation);
  if (result.refusal) {
    std::fprintf(stderr, "%s\n", result.refusal->c_str());
    return 1;
  }
  if (options.report) {
    if (options.report->empty()) return Usage("--report needs the workbook to write");
    const auto captions = InputCaptions(pair);
    const ReportContent content{{std::string(captions[0]), std::string(captions[1])},
                                {p, first, second},
                                DisplayTexts(result, request.numbers)};
    if (!WriteBatchReport(*options.report, content, request.numbers.decimalSeparator(), ProgramFolder())) return 1;
  }
  if (request.chart &&
      !WriteBatchChart(*request.chart, result.state.p, {{result.state.tdb, result.state.x}}, request.numbers)) {
    return 1;
  }
  std::string out;
  if (options.json) {
    out = StateJson(result, units);
  } else {
    const auto texts =
        options.precise ? PreciseTexts(result, request.numbers, units) : DisplayTexts(result, request.numbers, units);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      out += std::string(kResultFields[i].symbol) + '\t' + texts[i];
      // SI lines stay as they always were; IP ones name their unit.
      if (units != UnitSystem::SI) out += '\t' + std::string(UnitName(kResultFields[i].quantity, units));
      out += '\n';
    }
    if (result.ashrae) out += "formulation\tashrae\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

int Run(int argc, char** argv) {
  const auto parsed = ParseCommandLine(argc, argv);
  if (const auto* problem = std::get_if<UsageProblem>(&parsed)) return Usage(problem->problem);
  const CalcOptions& options = std::get<CalcOptions>(parsed);
  if (options.help) {
    std::fputs(HelpText(), stdout);
    return 0;
  }
  if (options.version) {
    std::puts("vaporel-calc " VAPOREL_VERSION);
    return 0;
  }
  const auto checked = Check(options);
  if (const auto* problem = std::get_if<std::string>(&checked)) return Usage(*problem);
  const Request& request = std::get<Request>(checked);
  if (options.project) {
    return RunProject(*options.project, options.json, request.chart, request.numbers, request.units,
                      options.formulation ? request.formulation : nullptr);
  }
  if (options.zones) {
    std::fputs(ZoneList(Units(request), request.numbers).c_str(), stdout);
    return 0;
  }
  if (options.weather) {
    return RunWeather(options.positional, request.zones, request.hours, request.sitePressure, options.json,
                      Units(request), request.numbers, request.jobs, request.chart ? &*request.chart : nullptr,
                      *request.formulation);
  }
  return options.csv ? RunCsv(request) : RunState(options, request);
}

}  // namespace

// No failure ends the program by an abort: one that escaped every check is named, exit 1.
int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vaporel-calc: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "vaporel-calc: unknown failure\n");
  }
  return 1;
}
