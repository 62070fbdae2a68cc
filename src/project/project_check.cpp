#include "project/project_check.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

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
    if (std::find(names_.begin(), names_.end(), name) != names_.end()) {
      return Error(at, "the name " + Quoted(name) + " is already defined");
    }
    names_.push_back(name);
    return std::nullopt;
  }

  std::optional<ProjectError> use(const std::string& name, std::optional<FilePosition> at) const {
    if (std::find(names_.begin(), names_.end(), name) == names_.end()) {
      return Error(at, "unknown state " + Quoted(name) + " (not defined before this point)");
    }
    return std::nullopt;
  }

  std::optional<ProjectError> process(const ProcessInput& p) {
    const std::string key(ProcessKey(p.kind));
    if (p.kind == ProcessKind::Mix && p.from.size() < 2) {
      return Error(ValueOf(p.place, key), "\"mix\" must list two or more states");
    }
    if (p.from.empty()) return Error(ValueOf(p.place, key), Quoted(key) + " must be a name (a non-empty string)");
    for (std::size_t i = 0; i < p.from.size(); ++i) {
      if (auto e = use(p.from[i], ValueOf(p.place, key, p.kind == ProcessKind::Mix ? i : SIZE_MAX))) return e;
    }
    std::optional<ProjectError> e;
    switch (p.kind) {
      case ProcessKind::Mix: e = mix(p); break;
      case ProcessKind::Heat: e = heat(p); break;
      case ProcessKind::Coil: e = coil(p); break;
      case ProcessKind::Humidify: e = humidify(p); break;
    }
    if (e) return e;
    return define(p.into, ValueOf(p.place, "into"));
  }

  static std::optional<ProjectError> mix(const ProcessInput& p) {
    if (p.fractions.size() != p.from.size()) {
      return Error(ValueOf(p.place, "fractions"), "\"fractions\" must give one number per state mixed");
    }
    for (std::size_t i = 0; i < p.fractions.size(); ++i) {
      if (!(p.fractions[i] > 0)) return Error(ValueOf(p.place, "fractions", i), "a fraction must be positive");
    }
    if (!process::SumsToOne(p.fractions)) {
      return Error(ValueOf(p.place, "fractions"), "the fractions must sum to 1");
    }
    return std::nullopt;
  }

  static std::optional<ProjectError> heat(const ProcessInput& p) {
    if (p.tdb.has_value() == p.power.has_value()) {
      return Error(EntryOf(p.place), "a heater needs \"tdb\" or \"power\" (one of them)");
    }
    return std::nullopt;
  }

  static std::optional<ProjectError> coil(const ProcessInput& p) {
    const bool byPoint = p.adp && p.bypass && !p.tdb && !p.RH && !p.x;
    const bool byLeaving = !p.adp && !p.bypass && p.tdb && (p.RH.has_value() != p.x.has_value());
    if (!byPoint && !byLeaving) {
      return Error(EntryOf(p.place),
                   "a coil needs \"adp\" and \"bypass\", or the leaving \"tdb\" with \"RH\" or \"x\"");
    }
    if (p.bypass && !process::BypassInRange(*p.bypass)) {
      return Error(ValueOf(p.place, "bypass"), "\"bypass\" must lie in [0, 1)");
    }
    return std::nullopt;
  }

  static std::optional<ProjectError> humidify(const ProcessInput& p) {
    if (p.method != "steam" && p.method != "adiabatic") {
      return Error(ValueOf(p.place, "method"), "\"method\" must be \"steam\" or \"adiabatic\"");
    }
    const int targets = p.RH.has_value() + p.x.has_value() + p.tdb.has_value() + p.efficiency.has_value();
    if (targets != 1) {
      return Error(EntryOf(p.place), "a humidifier needs one target: \"RH\", \"x\", \"tdb\" or \"efficiency\"");
    }
    if (p.method == "steam" && (p.tdb || p.efficiency))
      return Error(EntryOf(p.place), "steam takes a target \"RH\" or \"x\"");
    if (p.method == "adiabatic" && p.steamTemperature) {
      return Error(ValueOf(p.place, "steam_temperature"), "\"steam_temperature\" belongs to a steam humidifier");
    }
    if (p.efficiency && !process::EfficiencyInRange(*p.efficiency)) {
      return Error(ValueOf(p.place, "efficiency"), "\"efficiency\" must lie in (0, 1]");
    }
    return std::nullopt;
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
  std::vector<std::string> names_;
};

}  // namespace

std::optional<ProjectError> CheckProject(const Project& project) { return Checker(project).run(); }

}  // namespace vaporel
