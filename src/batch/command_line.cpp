#include "batch/command_line.hpp"

#include <CLI/CLI.hpp>
#include <iterator>

namespace vaporel {
namespace {

constexpr const char* kUsageLines =
    "Usage: vaporel-calc [--precise | --json] [--locale NAME] [--units si|ip] PAIR P FIRST SECOND\n"
    "       vaporel-calc [--precise] [--locale NAME] [--units si|ip] --altitude Z PAIR FIRST SECOND\n"
    "       vaporel-calc [--locale NAME] --report OUT.xls PAIR P FIRST SECOND\n"
    "       vaporel-calc [--locale NAME] [--units si|ip] --chart OUT [--chart-style STYLE] PAIR P FIRST SECOND\n"
    "       vaporel-calc [--locale NAME] [--units si|ip] --csv [--json] [--zone NAME|FILE] [--jobs N]\n"
    "                    [--chart OUT [--chart-style STYLE] [--chart-as line|points|density]] < rows.csv\n"
    "       vaporel-calc [--locale NAME] [--units si|ip] --project FILE [--json] [--chart OUT [--chart-style STYLE]]\n"
    "       vaporel-calc [--units si|ip] --zones\n"
    "       vaporel-calc [--units si|ip] --weather FILE... [--zone NAME|FILE]... [--zones-from FILE]\n"
    "                    [--hours FROM-TO] [--altitude Z] [--jobs N] [--json] [--chart OUT [--chart-style STYLE]]\n"
    "       vaporel-calc --formulation ashrae [--precise | --json] [--units si|ip] PAIR P FIRST SECOND\n"
    "       vaporel-calc --help | --version\n";

constexpr const char* kHelpBody =
    "\n"
    "Resolves one state of humid air as the main window does: the pressure, first and second\n"
    "field checks in that order, then Calculate. PAIR is the input pair:\n"
    "  1  Dry Bulb Temperature & Relative Humidity   FIRST tdb [oC]   SECOND RH [%]\n"
    "  2  Dry & Wet Bulb Temperature                  FIRST tdb [oC]   SECOND twb [oC]\n"
    "  3  Dry Bulb Temperature & Enthalpy             FIRST tdb [oC]   SECOND h [kJ/kg]\n"
    "  4  Absolute Humidity & Enthalpy                FIRST x [kg/kg]  SECOND h [kJ/kg]\n"
    "  5  Dry Bulb Temperature & Absolute Humidity    FIRST tdb [oC]   SECOND x [kg/kg]\n"
    "PAIR may also name any two of tdb, twb, tdp, x, h and RH joined by '+', FIRST and SECOND\n"
    "following the names; the window's pairs keep its checks (twb+h and tdp+x fix no state).\n"
    "  vaporel-calc tdp+RH 1.01325 12 60\n"
    "P is the absolute pressure [bar]. Numbers are written with a point unless --locale names\n"
    "a locale with another decimal separator (e.g. de_DE.UTF-8).\n"
    "\n"
    "One state: prints 13 lines 'symbol<TAB>text' (p tdb twb tdp x ro h pv RH cp lam mi Pr)\n"
    "as the result labels show them and exits 0; --precise prints shortest round-trip values.\n"
    "  vaporel-calc 1 1.01325 20 50\n"
    "--altitude Z gives the pressure of the standard atmosphere at Z metres above sea level\n"
    "instead of P (101.325 (1 - 2.25577e-5 Z)^5.2559 kPa); the p line shows it.\n"
    "  vaporel-calc --altitude 1500 1 25 40\n"
    "--units ip reads and writes every value in IP units: P [psia], temperatures [oF], x [lb/lb],\n"
    "h [Btu/lb, dry air at 0 oF and liquid water at 32 oF as zero], ro [lb/ft3], cp [Btu/(lb oF)],\n"
    "lam [Btu/(h ft oF)], mi [lb/(ft h)], the altitude [ft]; each line then names its unit.\n"
    "The program computes in SI and converts at its edges. --units si is the default.\n"
    "  vaporel-calc --units ip 1 14.696 77 50\n"
    "--json prints the 13 values as one JSON object instead, with \"units\" and the \"unit\" of\n"
    "each key; with --csv, one object a row (JSON Lines). --units takes si or ip in any case.\n"
    "  vaporel-calc --json 1 1.01325 20 50\n"
    "\n"
    "--report OUT.xls also writes the report workbook the window's \"Excel\" button writes for\n"
    "this state: OUT.xls is edited in place, or started from the program's template when it is\n"
    "missing (its folder must exist). A workbook that cannot be written prints the report's\n"
    "error message and then the file and the cause, and exits 1.\n"
    "  vaporel-calc --report summer.xls 1 1.01325 28 45\n"
    "\n"
    "--csv reads rows 'pair,p,first,second' (a header line allowed) from stdin and writes one\n"
    "row per input: the inputs, the 13 precise values and the refusal message (empty on\n"
    "success), under the header pair,p_in,first,second,p,tdb,...,Pr,message. A refused row never stops the batch. "
    "Under a comma locale the fields are\n"
    "separated by ';'. --jobs N resolves the rows on N threads (default: one per core); the\n"
    "output keeps the input's order. --zone NAME|FILE adds a column in_zone (1 inside, 0 not)\n"
    "and says on stderr how many rows lie inside: NAME is a zone the program knows (--zones\n"
    "lists them: datacenter-recommended and the allowable envelopes datacenter-a1 to a4), FILE\n"
    "defines one zone as a project does.\n"
    "  printf '1,1.01325,20,50\\n2,1.01325,25,18\\n' | vaporel-calc --csv\n"
    "  printf '1,1.01325,22,45\\n1,1.01325,30,70\\n' | vaporel-calc --csv --zone datacenter-recommended\n"
    "  vaporel-calc --zones\n"
    "\n"
    "--chart OUT also draws the psychrometric chart at P with the state as its point, as a PNG\n"
    "(1200 x 800), SVG or PDF (one A4 page) by OUT's extension, written whole or not at all;\n"
    "a refused state draws none. --chart-style mollier draws the h-x diagram instead of the\n"
    "default psychrometric chart. With --csv every accepted row becomes a point, joined in row\n"
    "order; rows at another pressure than the first accepted row's are not plotted, and their\n"
    "count is said on stderr. --chart-as points draws them unjoined, --chart-as density counts\n"
    "them in cells of 1 K x 0.5 g/kg (2 oF x 5 gr/lb in IP), coloured by the rows each holds.\n"
    "Drawing needs no display.\n"
    "  vaporel-calc --chart state.svg 1 1.01325 20 50\n"
    "  printf '5,1.01325,30,0.010\\n5,1.01325,20,0.010\\n' | vaporel-calc --csv --chart-style mollier --chart "
    "process.png\n"
    "\n"
    "--project FILE resolves a project: a TOML file with its units (si or ip), the pressure (or\n"
    "the altitude), named states (any two of tdb, twb, tdp, x, h and RH), processes in order\n"
    "(mix, heat, coil, humidify, each into a new state), an optional air flow and zones\n"
    "([zones.NAME] with tdb_min, RH_max, ...). It prints two tables in the file's units, or\n"
    "those of --units: every state with its 13 results, and every process with its dry-air\n"
    "flow, total, sensible and latent power [kW], sensible heat ratio and water [kg/h] (a coil\n"
    "also its apparatus dew point, bypass factor and condensate heat); without an air flow the\n"
    "same per kg of dry air. --json prints them as one JSON document, with each state's zones\n"
    "(the loads per kg under keys of their own: total_per_kg, ...); --chart OUT draws the\n"
    "states by name, the processes as arrows and the zones as tinted regions. A state or process refused exits 1, a "
    "malformed file 2, each with the file, line\n"
    "and column.\n"
    "  vaporel-calc --project summer-ahu.toml --chart summer.png\n"
    "\n"
    "\n"
    "--weather FILE... sums up hourly weather files: EPW, or CSV with a header naming tdb and one\n"
    "of tdp, RH, twb and x, with p (or the site's --altitude) and hour (1 to 24) where given. It\n"
    "prints the hours read, accepted and refused (each refused row with its line and cause), for\n"
    "each --zone (given again and again, or every zone of a project or zone file with\n"
    "--zones-from) the hours inside it and what the others need (cool, heat, humidify,\n"
    "dehumidify), and the sizing conditions of the file's header beside those computed from its\n"
    "hours. --hours 8-18 counts only the hours that begin from 8:00 to 17:00. --json prints one\n"
    "JSON object a file. Files are read on --jobs threads (default: one per core), in order.\n"
    "--chart OUT draws one file's year: its hours counted in cells of 1 K x 0.5 g/kg (2 oF x\n"
    "5 gr/lb in IP), coloured by the hours each holds, the zones with their hours inside, the\n"
    "0.4 % sizing points (filled: from the hours, hollow: from the header) and the 99.6 %\n"
    "heating dry bulb as a dashed line.\n"
    "  vaporel-calc --weather chicago.epw --zone datacenter-recommended\n"
    "  vaporel-calc --weather chicago.epw --zone datacenter-a1 --chart chicago.png\n"
    "\n"
    "--formulation ashrae resolves one state, --csv's rows, a project (replacing its own\n"
    "formulation = \"ashrae\" or \"design\") or --weather's hours in the ASHRAE Handbook's equations\n"
    "(2017, SI, chapter 1: Hyland and Wexler's saturation pressure, the thermodynamic wet bulb of\n"
    "the psychrometric equation) instead of the program's own correlations (design, the default\n"
    "and the window's); PAIR may be any two of tdb, twb, tdp, x, h and RH but tdp+x, 1 to 5 as\n"
    "their symbols, without the window's checks. Its output says so: a last line formulation\n"
    "ashrae, a key \"formulation\", a last CSV column. cp, lam, mi and Pr are the program's.\n"
    "  vaporel-calc --formulation ashrae --precise tdb+twb 1.01325 40 20\n"
    "\n"
    "Exit status: 0 done, 1 input refused or a file not written, 2 bad usage or a malformed project.\n"
    "The manual page vaporel-calc(1) says more.\n";

struct Flag {
  const char* names;
  bool CalcOptions::*field;
};
struct Valued {
  const char* name;
  std::optional<std::string> CalcOptions::*field;
  const char* needs;  // said when the value is missing
};

// Every option of vaporel-calc.
constexpr Flag kFlags[] = {
    {"--precise", &CalcOptions::precise}, {"--csv", &CalcOptions::csv},         {"--json", &CalcOptions::json},
    {"-h,--help", &CalcOptions::help},    {"--version", &CalcOptions::version}, {"--zones", &CalcOptions::zones},
    {"--weather", &CalcOptions::weather},
};
constexpr Valued kValued[] = {
    {"--locale", &CalcOptions::locale, "a locale name"},
    {"--report", &CalcOptions::report, "the workbook to write"},
    {"--chart", &CalcOptions::chart, "the file to write"},
    {"--chart-style", &CalcOptions::chartStyle, "a style"},
    {"--chart-as", &CalcOptions::chartAs, "line, points or density"},
    {"--formulation", &CalcOptions::formulation, "design or ashrae"},
    {"--jobs", &CalcOptions::jobs, "a number of threads"},
    {"--project", &CalcOptions::project, "the project file"},
    {"--altitude", &CalcOptions::altitude, "the altitude"},
    {"--units", &CalcOptions::units, "si or ip"},
    {"--zones-from", &CalcOptions::zonesFrom, "a project or zone file"},
    {"--hours", &CalcOptions::hours, "hours of the day, FROM-TO"},
};

// A value like "-.5" or "-,5" is a number of the program's syntax, but CLI11 would read
// it as a bundle of short options: it is hidden behind a mark no option starts with.
constexpr char kValueMark = '\x01';
bool LooksLikeANumber(const char* arg) { return arg[0] == '-' && (arg[1] == '.' || arg[1] == ','); }

// An option without its value: CLI11 begins the message with the option's name
// ("--chart: 1 required TEXT missing"), said as what the option needs.
UsageProblem MissingValue(const std::string& what) {
  for (const Valued& option : kValued) {
    if (what.rfind(std::string(option.name) + ":", 0) == 0) {
      return UsageProblem{std::string(option.name) + " needs " + option.needs};
    }
  }
  if (what.rfind("--zone:", 0) == 0) return UsageProblem{"--zone needs a zone's name or file"};
  return UsageProblem{what};
}

}  // namespace

std::variant<CalcOptions, UsageProblem> ParseCommandLine(int argc, const char* const* argv) {
  CalcOptions options;
  CLI::App app;
  app.set_help_flag();  // --help is an option of the table, answered with HelpText()
  app.allow_extras();   // an unknown option is named below, as before
  for (const Flag& flag : kFlags) app.add_flag(flag.names, options.*flag.field);
  std::vector<std::string> values(std::size(kValued));
  for (std::size_t i = 0; i < std::size(kValued); ++i) {
    app.add_option(kValued[i].name, values[i])->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
  // --zone may be given again and again: --weather counts each zone; the other modes take the last.
  app.add_option("--zone", options.zoneList)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_option("arguments", options.positional);

  std::vector<std::string> args;
  for (int i = argc - 1; i >= 1; --i) {
    args.push_back(LooksLikeANumber(argv[i]) ? kValueMark + std::string(argv[i]) : std::string(argv[i]));
  }
  try {
    app.parse(args);
  } catch (const CLI::ArgumentMismatch& e) {
    return MissingValue(e.what());
  } catch (const CLI::ParseError& e) {
    return UsageProblem{e.what()};
  }
  for (const std::string& extra : app.remaining()) {
    if (extra.rfind('-', 0) == 0) return UsageProblem{"unknown option " + extra};
    options.positional.push_back(extra);
  }
  const auto unmarked = [](std::string value) {
    if (!value.empty() && value[0] == kValueMark) value.erase(0, 1);
    return value;
  };
  for (std::string& value : options.positional) value = unmarked(value);
  for (std::size_t i = 0; i < std::size(kValued); ++i) {
    if (app.count(kValued[i].name) > 0) options.*kValued[i].field = unmarked(values[i]);
  }
  for (std::string& zone : options.zoneList) zone = unmarked(zone);
  if (!options.zoneList.empty()) options.zone = options.zoneList.back();
  return options;
}

const char* HelpText() {
  static const std::string text = std::string(kUsageLines) + kHelpBody;
  return text.c_str();
}

std::string ShortUsage() { return std::string(kUsageLines) + "Try 'vaporel-calc --help' for more.\n"; }

}  // namespace vaporel
