#pragma once
// vaporel-calc --project FILE: the project's states and processes as two aligned tables, or
// as one JSON document (--json), and its chart (--chart OUT).

#include <optional>
#include <string>

#include "batch/chart_mode.hpp"
#include "numbers/numbers.hpp"
#include "project/solve_project.hpp"

namespace vaporel {

// Exit status: 0 done, 1 a refused state or process or a chart not written, 2 a file that
// cannot be read or is malformed. Messages go to stderr, results to stdout.
// Shown in `units` where given, else in the file's.
// `formulationAsked`, where given, replaces the file's formulation; one other than the program's
// own is named: a first line "formulation ashrae" over the tables, a JSON key, the chart's title.
int RunProject(const std::string& path, bool json, const std::optional<ChartRequest>& chart, const Numbers& numbers,
               std::optional<UnitSystem> units, const Formulation* formulationAsked = nullptr);

// The two tables: every state with its 13 results as the result labels show them, every
// process with its flow, powers, sensible heat ratio and water (a coil also its apparatus dew
// point, bypass factor and condensate heat).
std::string ProjectTables(const SolvedProject& project, const Numbers& numbers, UnitSystem units);

// The same as one JSON document, numbers shortest round-trip; with the zones each state lies
// in where the project has zones.
std::string ProjectJson(const SolvedProject& project, UnitSystem units, bool withZones);

}  // namespace vaporel
