#pragma once
// What the tables, the JSON and the hover texts show of a solved project, each figure under
// one key with one unit: a state's thirteen results (a value the user gave comes back as given)
// and a process's loads, per hour with an air flow and per kg of dry air without one, under
// keys of their own so that no key ever changes its unit.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "numbers/numbers.hpp"
#include "process/process_drawing.hpp"
#include "project/solve_project.hpp"

namespace vaporel {

struct LoadFigure {
  std::string_view key;      // "total", "total_per_kg", ...
  std::string_view column;   // the text tables' column: "total", "flow", ...
  Quantity quantity;         // the value is in SI; ToUnits gives it in the units shown
  double value = 0;          // NaN where there is none (the SHR of a process without heat)
  std::string_view pattern;  // as the tables show it
};

// The thirteen results of a state of the project in `units`; the values the file gave (the
// pressure, a state's two), when shown in the file's own units, exactly as the file gave them.
std::array<double, 13> StateFigures(const SolvedProject& project, const SolvedState& state, UnitSystem units);
// A state's specific volume ("v", m³ per kg of dry air) and, where an air flow reaches it, its
// volume flow ("volume_flow", m³/h of humid air).
std::vector<LoadFigure> VolumeFigures(const SolvedState& state);
// The project's pressure in `units`, as the file gave it where it can.
double PressureFigure(const SolvedProject& project, UnitSystem units);

// A process's loads: the dry-air flow (with an air flow), total, sensible and latent heat, the
// sensible heat ratio, the water, and for a coil its apparatus dew point, bypass factor and
// condensate heat.
std::vector<LoadFigure> LoadFigures(const SolvedProcess& process);

// The solved project as the chart draws it.
process::ProcessDrawing DrawingOf(const SolvedProject& project);

// A table as the text output and the window show it: a header and rows of texts.
struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// "state", the thirteen symbols, v and (where a state has a flow) its volume flow; with
// `unitRow`, a second header row of their units.
TextTable StatesTable(const SolvedProject& project, const Numbers& numbers, UnitSystem units, bool unitRow);
// One row a process. A column's unit stands in its head when every row shares it, else in each
// cell ("12.345 kW" under "total" beside "3.210 kJ/kg").
TextTable ProcessesTable(const SolvedProject& project, const Numbers& numbers, UnitSystem units);

}  // namespace vaporel
