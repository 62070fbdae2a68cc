#include <cmath>
#include <nlohmann/json.hpp>

#include "batch/project_mode.hpp"
#include "calculation/result_texts.hpp"

namespace vaporel {
namespace {

using Json = nlohmann::ordered_json;

// NaN (a sensible heat ratio without heat) is written as null.
Json Number(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }

Json ProcessObject(const SolvedProcess& p, UnitSystem units) {
  const process::Loads& l = p.loads;
  const Quantity power = l.massFlow ? Quantity::Power : Quantity::EnthalpyChange;
  const Quantity water = l.massFlow ? Quantity::WaterFlow : Quantity::HumidityRatio;
  const auto in = [units](Quantity q, double v) { return Number(ToUnits(q, units, v)); };
  Json out;
  out["kind"] = ProcessKey(p.kind);
  out["from"] = p.kind == ProcessKind::Mix ? Json(p.from) : Json(p.from.front());
  out["into"] = p.into;
  out["mass_flow"] = l.massFlow ? in(Quantity::MassFlow, *l.massFlow) : Json(nullptr);
  if (!l.massFlow) out["per_kg"] = true;
  out["total"] = in(power, l.total);
  out["sensible"] = in(power, l.sensible);
  out["latent"] = in(power, l.latent);
  out["shr"] = Number(l.shr);
  out["water"] = in(water, l.water);
  if (p.coil) {
    out["adp"] = in(Quantity::Temperature, p.coil->adp);
    out["bypass"] = Number(p.coil->bypass);
    out["condensate_heat"] = in(power, l.condensateHeat.value_or(0));
  }
  return out;
}

}  // namespace

std::string ProjectJson(const SolvedProject& project, UnitSystem units, bool withZones) {
  Json doc;
  // An SI document is the one it always was; an IP one says so first.
  if (units != UnitSystem::SI) doc["units"] = UnitSystemName(units);
  doc["pressure"] = ToUnits(Quantity::Pressure, units, project.pressure);
  Json& states = doc["states"] = Json::object();
  for (const SolvedState& s : project.states) {
    Json& state = states[s.name];
    const auto values = ResultValues(s.state, s.props);
    for (std::size_t i = 0; i < values.size(); ++i) {
      state[std::string(kResultFields[i].symbol)] = Number(ToUnits(kResultQuantities[i], units, values[i]));
    }
    if (withZones) state["zones"] = s.zones;
  }
  Json& processes = doc["processes"] = Json::array();
  for (const SolvedProcess& p : project.processes) processes.push_back(ProcessObject(p, units));
  return doc.dump(2) + '\n';
}

}  // namespace vaporel
