#pragma once
// A project solved: every state resolved (the user's through the window's checks in the
// window's order, the others by their processes), the air flow carried through the processes,
// and every process's loads.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculation/air_state.hpp"
#include "process/loads.hpp"
#include "project/project.hpp"
#include "project/project_error.hpp"

namespace vaporel {

struct SolvedState {
  std::string name;
  AirState state;
  ThermoProps props;
  std::vector<std::string> zones;  // the project's zones the state lies in
  std::vector<Given> given;        // a state the file gives: its two values, in the file's units
  std::optional<double> massFlow;  // [kg/s of dry air], where an air flow reaches it
};

struct SolvedProcess {
  ProcessKind kind = ProcessKind::Heat;
  std::vector<std::string> from;
  std::string into;
  process::Loads loads;
  std::optional<process::CoilPoint> coil;
  std::optional<double> volumeFlow;         // [m³/h] of humid air entering (a space's: its supply)
  std::string exhaustInto;                  // a recovery's exhaust side
  std::optional<double> exhaustCondensate;  // a recovery's: [kg/h], or per kg of supply air
  std::vector<std::string> warnings;        // what the engineer should know of the result
};

struct SolvedProject {
  UnitSystem units = UnitSystem::SI;  // the file's, in which it is shown unless asked otherwise
  FormulationId formulation = FormulationId::Design;
  double pressure = 0;                  // [bar]
  std::optional<double> givenPressure;  // as the file gives it, in its units (not from an altitude)
  std::vector<SolvedState> states;      // the user's in the file's order, then each process's
  std::vector<SolvedProcess> processes;
};

// A state or process the program refuses, as a project error: 'state "NAME": message' at the
// key that causes it, or 'process N (KIND "FROM" into "INTO"): cause' at the process; its file
// is fileName. Processes run in file order; a process into a state already known must arrive
// there; an air flow fixed at one state by two sources that disagree is refused.
std::variant<SolvedProject, ProjectError> SolveProject(const Project& project, std::string_view fileName = {});

}  // namespace vaporel
