#pragma once
// vaporel-calc's command line: every option once, in one table, read by CLI11. Every
// form is accepted as before: "--opt V", "--opt=V", in any order, a later value
// replacing an earlier one; values that begin like an option ("-.5", "-,5") stay values.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vaporel {

struct CalcOptions {
  bool precise = false;
  bool csv = false;
  bool json = false;
  bool help = false;
  bool version = false;
  bool zones = false;
  bool weather = false;  // the positional arguments are weather files
  std::optional<std::string> locale;
  std::optional<std::string> report;
  std::optional<std::string> chart;
  std::optional<std::string> chartStyle;
  std::optional<std::string> chartAs;      // --csv's: line, points or density
  std::optional<std::string> formulation;  // "design" (the program's own) or "ashrae"
  std::optional<std::string> jobs;
  std::optional<std::string> project;
  std::optional<std::string> altitude;
  std::optional<std::string> units;
  std::optional<std::string> zone;       // the last --zone given
  std::vector<std::string> zoneList;     // every --zone given (--weather takes several)
  std::optional<std::string> zonesFrom;  // --zones-from FILE
  std::optional<std::string> hours;      // --hours FROM-TO
  std::vector<std::string> positional;   // PAIR P FIRST SECOND
};

// What is wrong with a command line, said as "vaporel-calc: <problem>".
struct UsageProblem {
  std::string problem;
};

std::variant<CalcOptions, UsageProblem> ParseCommandLine(int argc, const char* const* argv);

// --help: every mode, its options and one example each (kept as written, not generated).
const char* HelpText();
// After a usage problem: the usage lines and a pointer to --help.
std::string ShortUsage();

}  // namespace vaporel
