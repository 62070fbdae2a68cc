#pragma once
// The chart window's worksheet: a project built by hand, states pinned from the main window
// and processes between them, kept solved after every edit. Each edit is checked as the
// project file is checked (the same messages) and then solved; a refused edit changes nothing.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calculation/air_state.hpp"
#include "numbers/numbers.hpp"
#include "project/project.hpp"
#include "project/project_figures.hpp"
#include "project/solve_project.hpp"

namespace vaporel {

// Why an edit was refused; nullopt when it was made.
using EditRefusal = std::optional<std::string>;

class Worksheet {
 public:
  const Project& project() const { return project_; }
  const SolvedProject& solved() const { return solved_; }

  // The state the main window shows, pinned under the first free name of A, B, ... Z, A2, B2,
  // ...; the first state sets the project's pressure, a state at another pressure is refused.
  EditRefusal pin(const AirState& state);
  // A state renamed everywhere it is used.
  EditRefusal rename(const std::string& from, const std::string& to);
  // A state the user pinned; one a process uses or makes is refused, with the process named.
  EditRefusal remove(const std::string& name);
  EditRefusal addProcess(const ProcessInput& process);
  EditRefusal replaceProcess(std::size_t index, const ProcessInput& process);
  // The last process only: it makes the state the ones after it may use.
  EditRefusal removeProcess(std::size_t index);
  EditRefusal setAirFlow(const std::optional<AirFlowInput>& flow);
  // Every state and process resolved again in another formulation (the file says so).
  EditRefusal setFormulation(FormulationId formulation);
  // A project read from a file, in place of the worksheet.
  EditRefusal load(const Project& project);
  // Why the last edit was refused, with where its file gives the cause (a loaded project's).
  const std::optional<ProjectError>& lastError() const { return lastError_; }

  // The states with their 13 results as the result labels show them (each head with its unit;
  // with zones, the zones each state lies in); the processes with their dry-air flow and loads
  // (per kg of dry air without an air flow). In `units`, by default the project's.
  TextTable statesTable(const Numbers& numbers, std::optional<UnitSystem> units = std::nullopt) const;
  TextTable processesTable(const Numbers& numbers, std::optional<UnitSystem> units = std::nullopt) const;
  // Both, as tab-separated lines with a blank line between (a spreadsheet pastes them as cells).
  std::string tablesText(const Numbers& numbers, std::optional<UnitSystem> units = std::nullopt) const;

 private:
  // The candidate checked by the project's one check, then solved; kept when both accept it.
  EditRefusal apply(const Project& candidate);

  Project project_;
  SolvedProject solved_;
  std::optional<ProjectError> lastError_;
};

}  // namespace vaporel
