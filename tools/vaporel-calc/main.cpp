// vaporel-calc: the headless twin of the main window for engineers who script.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch.hpp"
#include "batch/chart_mode.hpp"
#include "batch/csv.hpp"
#include "batch/report_mode.hpp"
#include "calculation/input_pair.hpp"
#include "calculation/result_texts.hpp"
#include "properties/constants.hpp"
#include "report/report_location.hpp"

namespace {

constexpr const char* kUsage =
    "Usage: vaporel-calc [--precise] [--locale NAME] PAIR P FIRST SECOND\n"
    "       vaporel-calc [--locale NAME] --report OUT.xls PAIR P FIRST SECOND\n"
    "       vaporel-calc [--locale NAME] --chart OUT [--chart-style STYLE] PAIR P FIRST SECOND\n"
    "       vaporel-calc [--locale NAME] --csv [--jobs N] [--chart OUT [--chart-style STYLE]] < rows.csv\n"
    "       vaporel-calc --help | --version\n"
    "\n"
    "Resolves one state of humid air as the main window does: the pressure, first and second\n"
    "field checks in that order, then Calculate. PAIR is the input pair:\n"
    "  1  Dry Bulb Temperature & Relative Humidity   FIRST tdb [oC]   SECOND RH [%]\n"
    "  2  Dry & Wet Bulb Temperature                  FIRST tdb [oC]   SECOND twb [oC]\n"
    "  3  Dry Bulb Temperature & Enthalpy             FIRST tdb [oC]   SECOND h [kJ/kg]\n"
    "  4  Absolute Humidity & Enthalpy                FIRST x [kg/kg]  SECOND h [kJ/kg]\n"
    "  5  Dry Bulb Temperature & Absolute Humidity    FIRST tdb [oC]   SECOND x [kg/kg]\n"
    "P is the absolute pressure [bar]. Numbers are written with a point unless --locale names\n"
    "a locale with another decimal separator (e.g. de_DE.UTF-8).\n"
    "\n"
    "One state: prints 13 lines 'symbol<TAB>text' (p tdb twb tdp x ro h pv RH cp lam mi Pr)\n"
    "as the result labels show them and exits 0; --precise prints shortest round-trip values.\n"
    "  vaporel-calc 1 1.01325 20 50\n"
    "\n"
    "--report OUT.xls also writes the report workbook the window's \"Excel\" button writes for\n"
    "this state: OUT.xls is edited in place, or started from the program's template when it is\n"
    "missing (its folder must exist). A workbook that cannot be written prints the report's\n"
    "error message and then the file and the cause, and exits 1.\n"
    "  vaporel-calc --report summer.xls 1 1.01325 28 45\n"
    "\n"
    "--csv reads rows 'pair,p,first,second' (a header line allowed) from stdin and writes one\n"
    "row per input: the inputs, the 13 precise values and the refusal message (empty on\n"
    "success). A refused row never stops the batch. Under a comma locale the fields are\n"
    "separated by ';'. --jobs N resolves the rows on N threads (default: one per core); the\n"
    "output keeps the input's order.\n"
    "  printf '1,1.01325,20,50\\n2,1.01325,25,18\\n' | vaporel-calc --csv\n"
    "\n"
    "--chart OUT also draws the psychrometric chart at P with the state as its point, as a PNG\n"
    "(1200 x 800), SVG or PDF (one A4 page) by OUT's extension, written whole or not at all;\n"
    "a refused state draws none. --chart-style mollier draws the h-x diagram instead of the\n"
    "default psychrometric chart. With --csv every accepted row becomes a point, joined in row\n"
    "order; rows at another pressure than the first accepted row's are not plotted, and their\n"
    "count is said on stderr. Drawing needs no display.\n"
    "  vaporel-calc --chart state.svg 1 1.01325 20 50\n"
    "  printf '5,1.01325,30,0.010\\n5,1.01325,20,0.010\\n' | vaporel-calc --csv --chart-style mollier --chart "
    "process.png\n"
    "\n"
    "Exit status: 0 done, 1 input refused or a file not written, 2 bad usage.\n"
    "The manual page vaporel-calc(1) says more.\n";

constexpr long kMaxJobs = 256;

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "vaporel-calc: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

int Run(int argc, char** argv) {
  bool precise = false;
  bool csv = false;
  std::optional<std::string> localeName;
  std::optional<std::string> reportPath;
  std::optional<std::string> chartPath;
  std::optional<std::string> chartStyle;
  std::optional<std::string> jobsText;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--precise") {
      precise = true;
    } else if (arg == "--csv") {
      csv = true;
    } else if (arg == "--locale") {
      if (i + 1 >= argc) return Usage("--locale needs a locale name");
      localeName = argv[++i];
    } else if (arg.rfind("--locale=", 0) == 0) {
      localeName = arg.substr(std::strlen("--locale="));
    } else if (arg == "--report") {
      if (i + 1 >= argc) return Usage("--report needs the workbook to write");
      reportPath = argv[++i];
    } else if (arg.rfind("--report=", 0) == 0) {
      reportPath = arg.substr(std::strlen("--report="));
    } else if (arg == "--jobs") {
      if (i + 1 >= argc) return Usage("--jobs needs a number of threads");
      jobsText = argv[++i];
    } else if (arg.rfind("--jobs=", 0) == 0) {
      jobsText = arg.substr(std::strlen("--jobs="));
    } else if (arg == "--chart" || arg == "--chart-style") {
      if (i + 1 >= argc)
        return Usage((arg + (arg == "--chart" ? " needs the file to write" : " needs a style")).c_str());
      (arg == "--chart" ? chartPath : chartStyle) = argv[++i];
    } else if (arg.rfind("--chart=", 0) == 0) {
      chartPath = arg.substr(std::strlen("--chart="));
    } else if (arg.rfind("--chart-style=", 0) == 0) {
      chartStyle = arg.substr(std::strlen("--chart-style="));
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--version") {
      std::puts("vaporel-calc " VAPOREL_VERSION);
      return 0;
    } else if (arg.rfind("--", 0) == 0) {
      return Usage(("unknown option " + arg).c_str());
    } else {
      positional.push_back(arg);
    }
  }

  vaporel::Numbers numbers('.');
  if (localeName) {
    const auto named = vaporel::Numbers::forLocaleName(*localeName);
    if (!named) return Usage(("unknown locale " + *localeName).c_str());
    numbers = *named;
  }

  std::optional<vaporel::ChartRequest> chart;
  if (chartPath) {
    auto made = vaporel::MakeChartRequest(*chartPath, chartStyle.value_or("psychrometric"));
    if (!made.request) return Usage(made.problem.c_str());
    chart = std::move(made.request);
  } else if (chartStyle) {
    return Usage("--chart-style needs --chart");
  }

  int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (jobsText) {
    if (!csv) return Usage("--jobs is for --csv");
    char* end = nullptr;
    const long n = std::strtol(jobsText->c_str(), &end, 10);
    if (jobsText->empty() || *end != '\0' || n < 1 || n > kMaxJobs) return Usage("--jobs must be 1 to 256");
    jobs = static_cast<int>(n);
  }

  if (csv) {
    if (!positional.empty()) return Usage("--csv reads its rows from stdin and takes no PAIR P FIRST SECOND");
    if (reportPath) return Usage("--report writes one state and cannot be combined with --csv");
    vaporel::ProcessLine line;
    vaporel::AcceptedState collect;
    if (chart) collect = [&line](const vaporel::AirState& state) { line.add(state); };
    vaporel::RunCsvInParallel(stdin, stdout, numbers, jobs, collect);
    if (!chart) return 0;
    if (line.elsewhere() > 0) {
      const bool one = line.elsewhere() == 1;
      std::fprintf(stderr, "vaporel-calc: %ld %s at another pressure than %g bar %s not plotted\n", line.elsewhere(),
                   one ? "row" : "rows", line.pressure(), one ? "is" : "are");
    }
    const double p = line.empty() ? vaporel::kStandardPressure : line.pressure();
    return vaporel::WriteBatchChart(*chart, p, line.points(), numbers) ? 0 : 1;
  }

  if (positional.size() != 4) return Usage("expected PAIR P FIRST SECOND");
  const std::string& pair = positional[0];
  if (pair.size() != 1 || pair[0] < '1' || pair[0] > '5') return Usage("PAIR must be 1 to 5");

  const vaporel::BatchResult result = vaporel::CalculateFromTexts(vaporel::InputPairFromNumber(pair[0] - '0'),
                                                                  positional[1], positional[2], positional[3], numbers);
  if (result.refusal) {
    std::fprintf(stderr, "%s\n", result.refusal->c_str());
    return 1;
  }
  if (reportPath) {
    if (reportPath->empty()) return Usage("--report needs the workbook to write");
    const auto captions = vaporel::InputCaptions(vaporel::InputPairFromNumber(pair[0] - '0'));
    const vaporel::ReportContent content{{std::string(captions[0]), std::string(captions[1])},
                                         {positional[1], positional[2], positional[3]},
                                         vaporel::DisplayTexts(result, numbers)};
    if (!vaporel::WriteBatchReport(*reportPath, content, numbers.decimalSeparator(), vaporel::ProgramFolder())) {
      return 1;
    }
  }
  if (chart && !vaporel::WriteBatchChart(*chart, result.state.p, {{result.state.tdb, result.state.x}}, numbers)) {
    return 1;
  }
  const auto texts = precise ? vaporel::PreciseTexts(result, numbers) : vaporel::DisplayTexts(result, numbers);
  std::string out;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    out += vaporel::kResultFields[i].symbol;
    out += '\t';
    out += texts[i];
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
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
