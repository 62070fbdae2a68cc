#include "window/worksheet/worksheet.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calculation/result_texts.hpp"
#include "project/project_check.hpp"

namespace vaporel {
namespace {

constexpr int kMostStates = 26 * 100;  // names A to Z, then A2 to Z99

bool Defines(const Project& project, const std::string& name) {
  const auto given =
      std::any_of(project.states.begin(), project.states.end(), [&](const StateInput& s) { return s.name == name; });
  return given || std::any_of(project.processes.begin(), project.processes.end(), [&](const ProcessInput& p) {
           const std::vector<std::string> made = p.made();
           return std::find(made.begin(), made.end(), name) != made.end();
         });
}

std::string NameAt(int index) {
  std::string name(1, static_cast<char>('A' + index % 26));
  if (index >= 26) name += std::to_string(index / 26 + 1);
  return name;
}

// The shortest text that reads back as the value.
std::string Typed(double value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string ProcessName(const ProcessInput& p, std::size_t index) {
  return "process " + std::to_string(index + 1) + " (" + std::string(ProcessKey(p.kind())) + ")";
}

std::string TabSeparated(const TextTable& table) {
  const auto line = [](const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) out += (i > 0 ? "\t" : "") + cells[i];
    return out + '\n';
  };
  std::string out = line(table.header);
  for (const auto& row : table.rows) out += line(row);
  return out;
}

void Rename(std::string& name, const std::string& from, const std::string& to) {
  if (name == from) name = to;
}

}  // namespace

EditRefusal Worksheet::apply(const Project& candidate) {
  if (auto error = CheckProject(candidate)) {
    lastError_ = std::move(error);
    return lastError_->cause;
  }
  auto solved = SolveProject(candidate);
  if (auto* error = std::get_if<ProjectError>(&solved)) {
    lastError_ = *error;
    return lastError_->cause;
  }
  project_ = candidate;
  solved_ = std::get<SolvedProject>(std::move(solved));
  lastError_.reset();
  return std::nullopt;
}

EditRefusal Worksheet::pin(const AirState& state) {
  Project candidate = project_;
  const UnitSystem units = candidate.units;  // the file's, in which the state is written
  if (candidate.states.empty() && candidate.processes.empty()) {
    candidate.pressure = ToUnits(Quantity::Pressure, units, state.p);
    candidate.altitude.reset();
  } else if (state.p != solved_.pressure) {
    return "The state is at " + Typed(state.p) + " bar, the worksheet at " + Typed(solved_.pressure) +
           " bar: a worksheet holds states at one pressure";
  }
  int index = 0;
  while (index < kMostStates && Defines(candidate, NameAt(index))) ++index;
  if (index == kMostStates) return std::string("The worksheet holds as many states as it can");
  // By dry bulb and absolute humidity, which the state keeps to the last digit.
  candidate.states.push_back(
      {NameAt(index), {Property::Tdb, ToUnits(Quantity::Temperature, units, state.tdb)}, {Property::X, state.x}, {}});
  return apply(candidate);
}

EditRefusal Worksheet::rename(const std::string& from, const std::string& to) {
  if (from == to) return std::nullopt;
  if (!Defines(project_, from)) return "There is no state \"" + from + "\"";
  if (to.empty()) return std::string("A state needs a name");
  if (Defines(project_, to)) return "The name \"" + to + "\" is already used";
  Project candidate = project_;
  for (StateInput& s : candidate.states) Rename(s.name, from, to);
  for (ProcessInput& p : candidate.processes) {
    p.renameFrom(from, to);
    Rename(p.into, from, to);
    if (auto* recover = std::get_if<RecoverFigures>(&p.figures)) Rename(recover->exhaustInto, from, to);
  }
  if (candidate.airflow) Rename(candidate.airflow->state, from, to);
  return apply(candidate);
}

EditRefusal Worksheet::remove(const std::string& name) {
  for (std::size_t i = 0; i < project_.processes.size(); ++i) {
    const ProcessInput& p = project_.processes[i];
    const bool uses = p.uses(name);
    const std::vector<std::string> made = p.made();
    if (uses || std::find(made.begin(), made.end(), name) != made.end()) {
      return "The state \"" + name + "\" is " + (uses ? "used" : "made") + " by " + ProcessName(p, i) +
             ": remove the process first";
    }
  }
  if (project_.airflow && project_.airflow->state == name) {
    return "The state \"" + name + "\" carries the air flow: set the air flow at another state first";
  }
  Project candidate = project_;
  std::erase_if(candidate.states, [&](const StateInput& s) { return s.name == name; });
  return apply(candidate);
}

EditRefusal Worksheet::addProcess(const ProcessInput& process) {
  Project candidate = project_;
  candidate.processes.push_back(process);
  return apply(candidate);
}

EditRefusal Worksheet::replaceProcess(std::size_t index, const ProcessInput& process) {
  if (index >= project_.processes.size()) return std::string("There is no such process");
  Project candidate = project_;
  candidate.processes[index] = process;
  candidate.processes[index].place = project_.processes[index].place;  // written back where it stands
  return apply(candidate);
}

EditRefusal Worksheet::removeProcess(std::size_t index) {
  if (index >= project_.processes.size()) return std::string("There is no such process");
  // The states it makes that were not known before it (a process may end on a known one).
  Project before = project_;
  before.processes.resize(index);
  std::vector<std::string> made;
  for (const std::string& name : project_.processes[index].made()) {
    if (!Defines(before, name)) made.push_back(name);
  }
  Project candidate = project_;
  for (const std::string& name : made) {
    for (std::size_t i = index + 1; i < project_.processes.size(); ++i) {
      const ProcessInput& p = project_.processes[i];
      if (p.uses(name)) {
        return "The state \"" + name + "\" is used by " + ProcessName(p, i) + ": remove that process first";
      }
    }
    if (candidate.airflow && candidate.airflow->state == name) candidate.airflow.reset();
  }
  candidate.processes.erase(candidate.processes.begin() + static_cast<std::ptrdiff_t>(index));
  return apply(candidate);
}

EditRefusal Worksheet::setAirFlow(const std::optional<AirFlowInput>& flow) {
  Project candidate = project_;
  candidate.airflow = flow;
  return apply(candidate);
}

EditRefusal Worksheet::setFormulation(FormulationId formulation) {
  Project candidate = project_;
  candidate.formulation = formulation;
  return apply(candidate);
}

EditRefusal Worksheet::load(const Project& project) { return apply(project); }

TextTable Worksheet::statesTable(const Numbers& numbers, std::optional<UnitSystem> units) const {
  TextTable table = StatesTable(solved_, numbers, units.value_or(solved_.units), true);
  // The units' row joined to the heads: "tdb [oC]".
  if (!table.rows.empty()) {
    for (std::size_t c = 1; c < table.header.size() && c < table.rows.front().size(); ++c) {
      if (table.rows.front()[c] != "[-]") table.header[c] += " " + table.rows.front()[c];
    }
    table.rows.erase(table.rows.begin());
  }
  if (project_.zones.empty()) return table;
  table.header.emplace_back("in zones");
  for (std::size_t r = 0; r < table.rows.size() && r < solved_.states.size(); ++r) {
    std::string zones;
    for (const std::string& zone : solved_.states[r].zones) zones += (zones.empty() ? "" : ", ") + zone;
    table.rows[r].push_back(zones.empty() ? "-" : zones);
  }
  return table;
}

TextTable Worksheet::processesTable(const Numbers& numbers, std::optional<UnitSystem> units) const {
  return ProcessesTable(solved_, numbers, units.value_or(solved_.units));
}

std::string Worksheet::tablesText(const Numbers& numbers, std::optional<UnitSystem> units) const {
  std::string out = TabSeparated(statesTable(numbers, units));
  if (!solved_.processes.empty()) out += '\n' + TabSeparated(processesTable(numbers, units));
  return out;
}

}  // namespace vaporel
