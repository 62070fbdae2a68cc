#include "project/project_check.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include "calculation/pressure_range.hpp"
#include "process/coil.hpp"
#include "process/humidifier.hpp"
#include "process/mixing.hpp"
#include "project/project_keys.hpp"
#include "properties/standard_atmosphere.hpp"

namespace vaporel {
namespace {

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// Where an entry's key stands, for a message about it: its value, one of its array's items, or
// the entry itself where the key is not in the file (an edit in the desktop).
std::optional<FilePosition> ValueOf(const EntryPlace& place, std::string_view key, std::size_t item = SIZE_MAX) {
  if (!place.inFile) return std::nullopt;
  const KeyPlace* k = place.key(key);
  if (!k) return place.at;
  if (item < k->items.size()) return k->items[item];
  return k->valueAt;
}
std::optional<FilePosition> EntryOf(const EntryPlace& place) {
  return place.inFile ? std::optional(place.at) : std::nullopt;
}

ProjectError Error(std::optional<FilePosition> at, std::string cause) { return {{}, at, std::move(cause)}; }

// Each kind's own rules; `arrives` when the process ends on a state already known, which may
// stand for a heater's or a coil's target.
std::optional<ProjectError> CheckFlows(const EntryPlace& place, const MixFigures& m, std::string_view key,
                                       const std::vector<double>& flows) {
  if (flows.size() != m.from.size() && flows.size() + 1 != m.from.size()) {
    return Error(
        ValueOf(place, key),
        "\"" + std::string(key) + "\" must give one flow per state mixed (or one less: the last takes the rest)");
  }
  for (std::size_t i = 0; i < flows.size(); ++i) {
    if (!(flows[i] > 0)) return Error(ValueOf(place, key, i), "a flow must be positive");
  }
  return std::nullopt;
}

std::optional<ProjectError> CheckFigures(const EntryPlace& place, const MixFigures& m, bool /*arrives*/) {
  const int given = !m.fractions.empty() + !m.flows.empty() + !m.massFlows.empty();
  if (given != 1) return Error(EntryOf(place), "a mix needs \"fractions\", \"flows\" or \"mass_flows\" (one of them)");
  if (!m.flows.empty()) return CheckFlows(place, m, "flows", m.flows);
  if (!m.massFlows.empty()) return CheckFlows(place, m, "mass_flows", m.massFlows);
  if (m.fractions.size() != m.from.size()) {
    return Error(ValueOf(place, "fractions"), "\"fractions\" must give one number per state mixed");
  }
  for (std::size_t i = 0; i < m.fractions.size(); ++i) {
    if (!(m.fractions[i] > 0)) return Error(ValueOf(place, "fractions", i), "a fraction must be positive");
  }
  if (!process::SumsToOne(m.fractions)) return Error(ValueOf(place, "fractions"), "the fractions must sum to 1");
  return std::nullopt;
}

std::optional<ProjectError> CheckFigures(const EntryPlace& place, const HeatFigures& h, bool arrives) {
  if (h.tdb && h.power) return Error(EntryOf(place), "a heater needs \"tdb\" or \"power\" (one of them)");
  if (!h.tdb && !h.power && !arrives) {
    return Error(EntryOf(place), "a heater needs \"tdb\" or \"power\", or \"into\" a state already known");
  }
  return std::nullopt;
}

std::optional<ProjectError> CheckFigures(const EntryPlace& place, const CoilFigures& c, bool arrives) {
  const bool byPoint = c.adp && c.bypass && !c.tdb && !c.RH && !c.x;
  const bool byLeaving = !c.adp && !c.bypass && (c.tdb ? c.RH.has_value() != c.x.has_value() : c.RH && c.x);
  const bool toKnown = arrives && !c.adp && !c.bypass && !c.tdb && !c.RH && !c.x;
  if (!byPoint && !byLeaving && !toKnown) {
    return Error(EntryOf(place),
                 "a coil needs \"adp\" and \"bypass\", or the leaving \"tdb\" with \"RH\" or \"x\", or \"x\" with "
                 "\"RH\", or \"into\" a state already known");
  }
  if (c.bypass && !process::BypassInRange(*c.bypass)) {
    return Error(ValueOf(place, "bypass"), "\"bypass\" must lie in [0, 1)");
  }
  return std::nullopt;
}

bool Effectiveness(std::optional<double> e) { return !e || (*e >= 0 && *e <= 1); }

std::optional<ProjectError> CheckFigures(const EntryPlace& place, const RecoverFigures& r, bool /*arrives*/) {
  if (!r.sensibleEffectiveness) return Error(EntryOf(place), "a recovery needs its \"sensible_effectiveness\"");
  if (!Effectiveness(r.sensibleEffectiveness)) {
    return Error(ValueOf(place, "sensible_effectiveness"), "\"sensible_effectiveness\" must lie in [0, 1]");
  }
  if (!Effectiveness(r.latentEffectiveness)) {
    return Error(ValueOf(place, "latent_effectiveness"), "\"latent_effectiveness\" must lie in [0, 1]");
  }
  if (!r.flows.empty() && !r.massFlows.empty()) {
    return Error(EntryOf(place), "a recovery takes \"flows\" or \"mass_flows\", not both");
  }
  const std::string_view key = r.flows.empty() ? "mass_flows" : "flows";
  const std::vector<double>& flows = r.flows.empty() ? r.massFlows : r.flows;
  if (flows.empty()) return std::nullopt;
  if (flows.size() != 2) {
    return Error(ValueOf(place, key),
                 "\"" + std::string(key) + "\" must give two flows: the supply side's and the exhaust side's");
  }
  for (std::size_t i = 0; i < flows.size(); ++i) {
    if (!(flows[i] > 0)) return Error(ValueOf(place, key, i), "a flow must be positive");
  }
  return std::nullopt;
}

std::optional<ProjectError> CheckFigures(const EntryPlace& place, const SpaceFigures& s, bool /*arrives*/) {
  if (!s.sensible || !s.latent) return Error(EntryOf(place), "a space needs its loads, \"sensible\" and \"latent\"");
  if (s.supplyTdb.has_value() + s.supplyMass.has_value() + s.supplyVolume.has_value() != 1) {
    return Error(EntryOf(place), "a space needs \"supply_tdb\", \"supply_mass\" or \"supply_volume\" (one of them)");
  }
  if (!(s.supplyMass.value_or(1) > 0)) return Error(ValueOf(place, "supply_mass"), "the supply flow must be positive");
  if (!(s.supplyVolume.value_or(1) > 0)) {
    return Error(ValueOf(place, "supply_volume"), "the supply flow must be positive");
  }
  return std::nullopt;
}

std::optional<ProjectError> CheckFigures(const EntryPlace& place, const HumidifyFigures& h, bool /*arrives*/) {
  if (h.method != "steam" && h.method != "adiabatic") {
    return Error(ValueOf(place, "method"), "\"method\" must be \"steam\" or \"adiabatic\"");
  }
  const int targets = h.RH.has_value() + h.x.has_value() + h.tdb.has_value() + h.efficiency.has_value();
  if (targets != 1) {
    return Error(EntryOf(place), "a humidifier needs one target: \"RH\", \"x\", \"tdb\" or \"efficiency\"");
  }
  if (h.method == "steam" && (h.tdb || h.efficiency))
    return Error(EntryOf(place), "steam takes a target \"RH\" or \"x\"");
  if (h.method == "adiabatic" && h.steamTemperature) {
    return Error(ValueOf(place, "steam_temperature"), "\"steam_temperature\" belongs to a steam humidifier");
  }
  if (h.efficiency && !process::EfficiencyInRange(*h.efficiency)) {
    return Error(ValueOf(place, "efficiency"), "\"efficiency\" must lie in (0, 1]");
  }
  return std::nullopt;
}

class Checker {
 public:
  explicit Checker(const Project& project) : project_(project) {}

  std::optional<ProjectError> run() {
    if (auto e = pressure()) return e;
    for (const StateInput& s : project_.states) {
      if (auto e = state(s)) return e;
    }
    for (const StateInput& s : project_.states) {
      if (auto e = define(s.name, EntryOf(s.place))) return e;
    }
    for (const ProcessInput& p : project_.processes) {
      if (auto e = process(p)) return e;
    }
    if (project_.airflow) {
      if (auto e = airflow(*project_.airflow)) return e;
    }
    return altitude();
  }

 private:
  std::optional<ProjectError> pressure() const {
    if (project_.altitude) return std::nullopt;
    const double bar = FromUnits(Quantity::Pressure, project_.units, project_.pressure);
    if (InPressureRange(bar)) return std::nullopt;
    const auto at = ValueOf(project_.root, "pressure");
    if (project_.units == UnitSystem::IP) return Error(at, "\"pressure\" must lie in 1.45 to 145 psia");
    std::string cause = "\"pressure\" must lie in 0.1 to 10 bar";
    if (bar > kHighestPressure && bar <= 1100) cause += "; the pressure is in bar (101.325 kPa = 1.01325 bar)";
    return Error(at, cause);
  }

  std::optional<ProjectError> altitude() const {
    if (!project_.altitude) return std::nullopt;
    if (StandardAtmospherePressure(FromUnits(Quantity::Altitude, project_.units, *project_.altitude)) > 0) {
      return std::nullopt;
    }
    return Error(ValueOf(project_.root, "altitude"), project_.units == UnitSystem::IP
                                                         ? "\"altitude\" must lie below 145439 ft"
                                                         : "\"altitude\" must lie below 44330 m");
  }

  static std::optional<ProjectError> state(const StateInput& s) {
    const auto is = [&](Property a, Property b) { return s.first.property == a && s.second.property == b; };
    if (is(Property::Twb, Property::H) || is(Property::Tdp, Property::X)) {
      return Error(EntryOf(s.place), "state " + Quoted(s.name) + ": " + std::string(PropertyName(s.first.property)) +
                                         " and " + std::string(PropertyName(s.second.property)) +
                                         " fix no state (one follows from the other)");
    }
    return std::nullopt;
  }

  std::optional<ProjectError> define(const std::string& name, std::optional<FilePosition> at) {
    if (name.empty()) return Error(at, "a state needs a name (a non-empty string)");
    if (!names_.insert(name).second) return Error(at, "the name " + Quoted(name) + " is already defined");
    return std::nullopt;
  }

  std::optional<ProjectError> use(const std::string& name, std::optional<FilePosition> at) const {
    if (!names_.contains(name)) {
      return Error(at, "unknown state " + Quoted(name) + " (not defined before this point)");
    }
    return std::nullopt;
  }

  std::optional<ProjectError> process(const ProcessInput& p) {
    const std::string key(ProcessKey(p.kind()));
    const std::vector<std::string> from = p.from();
    const bool listing = p.kind() == ProcessKind::Mix || p.kind() == ProcessKind::Recover;
    if (p.kind() == ProcessKind::Mix && from.size() < 2) {
      return Error(ValueOf(p.place, key), "\"mix\" must list two or more states");
    }
    if (p.kind() == ProcessKind::Recover && from.size() != 2) {
      return Error(ValueOf(p.place, key),
                   "\"recover\" must list two states: the supply side's inlet and the exhaust side's");
    }
    for (std::size_t i = 0; i < from.size(); ++i) {
      if (auto e = use(from[i], ValueOf(p.place, key, listing ? i : SIZE_MAX))) return e;
    }
    for (const FigureReference& r : p.references) {
      if (!names_.contains(r.state)) {
        return Error(ValueOf(p.place, r.key),
                     "state " + Quoted(r.state) + " is not known before this process (processes run in file order)");
      }
    }
    const bool arrives = names_.contains(p.into);
    auto e = std::visit([&](const auto& figures) { return CheckFigures(p.place, figures, arrives); },
                        withReferencesGiven(p).figures);
    if (e) return e;
    const std::vector<std::string> made = p.made();
    if (made.size() == 2 && made[0] == made[1]) {
      return Error(ValueOf(p.place, "into"), "the supply side and the exhaust side must make two states");
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
      if (names_.contains(made[i])) continue;  // a state already known: the process must arrive there
      if (auto defined = define(made[i], ValueOf(p.place, "into", made.size() == 1 ? SIZE_MAX : i))) return defined;
    }
    return std::nullopt;
  }

  // The process with each figure it takes from a state standing as given.
  static ProcessInput withReferencesGiven(const ProcessInput& p) {
    ProcessInput given = p;
    for (const ProcessFigure& figure : FiguresOf(p.kind())) {
      if (p.reference(figure.key)) figure.of(given) = 0.0;
    }
    return given;
  }

  std::optional<ProjectError> airflow(const AirFlowInput& flow) const {
    if (auto e = use(flow.state, ValueOf(flow.place, "state"))) return e;
    if (flow.volume.has_value() == flow.mass.has_value()) {
      return Error(EntryOf(flow.place), "the air flow needs \"volume\" or \"mass\" (one of them)");
    }
    if (!(flow.volume.value_or(1) > 0 && flow.mass.value_or(1) > 0)) {
      return Error(ValueOf(flow.place, flow.volume ? "volume" : "mass"), "the air flow must be positive");
    }
    return std::nullopt;
  }

  const Project& project_;
  std::unordered_set<std::string> names_;
};

}  // namespace

std::optional<ProjectError> CheckProject(const Project& project) { return Checker(project).run(); }

}  // namespace vaporel
