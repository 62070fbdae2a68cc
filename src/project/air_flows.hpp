#pragma once
// The dry-air mass flows of a project's states: fixed at a state by a source (the [airflow]
// table, a space's supply, a mix by flows) and carried on through the processes' links in
// either direction (a mix by fractions splits it). A flow fixed twice must agree.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "project/project.hpp"
#include "project/project_error.hpp"

namespace vaporel {

// What fixed a flow, for a message: "[airflow]", "process 2 (mix ...)", and where it stands.
struct FlowSource {
  std::string name;
  std::optional<FilePosition> at;
};

class AirFlows {
 public:
  // processes in SI; `units` those the file's messages speak in.
  AirFlows(const std::vector<ProcessInput>& processes, UnitSystem units);

  // [kg/s of dry air] at a state, where a flow reaches it.
  std::optional<double> at(const std::string& state) const;

  // Fixes the flow at a state and carries it through every link; a flow already fixed there
  // (or reached from it) that differs by more than one part in 10⁹ is refused, naming both.
  std::optional<ProjectError> fix(const std::string& state, double mass, const FlowSource& source);

 private:
  struct Flow {
    double mass;
    FlowSource source;
  };
  void set(const std::string& state, double mass, const FlowSource& source);
  void carry(const ProcessInput& p);
  void link(const std::string& from, const std::string& into);

  const std::vector<ProcessInput>& processes_;
  UnitSystem units_;
  std::unordered_map<std::string, std::vector<std::size_t>> touching_;  // the processes each state takes part in
  std::unordered_map<std::string, Flow> flows_;
  std::vector<std::string> reached_;  // states given a flow, their processes still to carry it on
  std::optional<ProjectError> conflict_;
};

}  // namespace vaporel
