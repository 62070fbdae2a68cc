#include <cmath>
#include <nlohmann/json.hpp>

#include "batch/project_mode.hpp"
#include "calculation/result_texts.hpp"

namespace vaporel {
namespace {

using Json = nlohmann::ordered_json;

// NaN (a sensible heat ratio without heat) is written as null.
Json Number(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }

Json ProcessObject(const SolvedProcess& p) {
  const process::Loads& l = p.loads;
  Json out;
  out["kind"] = ProcessKey(p.kind);
  out["from"] = p.kind == ProcessKind::Mix ? Json(p.from) : Json(p.from.front());
  out["into"] = p.into;
  out["mass_flow"] = l.massFlow ? Json(*l.massFlow) : Json(nullptr);
  if (!l.massFlow) out["per_kg"] = true;
  out["total"] = Number(l.total);
  out["sensible"] = Number(l.sensible);
  out["latent"] = Number(l.latent);
  out["shr"] = Number(l.shr);
  out["water"] = Number(l.water);
  if (p.coil) {
    out["adp"] = Number(p.coil->adp);
    out["bypass"] = Number(p.coil->bypass);
    out["condensate_heat"] = Number(l.condensateHeat.value_or(0));
  }
  return out;
}

}  // namespace

std::string ProjectJson(const SolvedProject& project) {
  Json doc;
  doc["pressure"] = project.pressure;
  Json& states = doc["states"] = Json::object();
  for (const SolvedState& s : project.states) {
    Json& state = states[s.name];
    const auto values = ResultValues(s.state, s.props);
    for (std::size_t i = 0; i < values.size(); ++i) state[std::string(kResultFields[i].symbol)] = Number(values[i]);
  }
  Json& processes = doc["processes"] = Json::array();
  for (const SolvedProcess& p : project.processes) processes.push_back(ProcessObject(p));
  return doc.dump(2) + '\n';
}

}  // namespace vaporel
