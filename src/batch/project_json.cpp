#include "batch/json_output.hpp"
#include "batch/project_mode.hpp"
#include "calculation/result_texts.hpp"
#include "project/project_figures.hpp"

namespace vaporel {

std::string ProjectJson(const SolvedProject& project, UnitSystem units, bool withZones) {
  auto keys = ResultKeys();
  keys.insert(keys.begin(), {"pressure", Quantity::Pressure});
  keys.emplace_back("v", Quantity::SpecificVolume);
  keys.emplace_back("volume_flow", Quantity::VolumeFlow);
  for (const SolvedProcess& p : project.processes) {
    for (const LoadFigure& f : LoadFigures(p)) keys.emplace_back(f.key, f.quantity);
  }
  Json doc = JsonDocument(units, keys);
  doc["pressure"] = PressureFigure(project, units);
  if (project.formulation != FormulationId::Design) doc["formulation"] = std::string(AshraeFormulation().name());
  Json& states = doc["states"] = Json::object();
  for (const SolvedState& s : project.states) {
    Json& state = states[s.name];
    const auto values = StateFigures(project, s, units);
    for (std::size_t i = 0; i < values.size(); ++i) state[std::string(kResultFields[i].symbol)] = JsonNumber(values[i]);
    for (const LoadFigure& f : VolumeFigures(s))
      state[std::string(f.key)] = JsonNumber(ToUnits(f.quantity, units, f.value));
    if (withZones) state["zones"] = s.zones;
  }
  Json& processes = doc["processes"] = Json::array();
  for (const SolvedProcess& p : project.processes) {
    Json process;
    process["kind"] = ProcessKey(p.kind);
    process["from"] = p.from;
    process["into"] = p.exhaustInto.empty() ? Json::array({p.into}) : Json::array({p.into, p.exhaustInto});
    for (const LoadFigure& f : LoadFigures(p))
      process[std::string(f.key)] = JsonNumber(ToUnits(f.quantity, units, f.value));
    if (!p.warnings.empty()) process["warnings"] = p.warnings;
    processes.push_back(std::move(process));
  }
  return JsonText(doc, 2);
}

}  // namespace vaporel
