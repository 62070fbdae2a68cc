#include "project/solve_project.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

#include "calculation/check_sequence.hpp"
#include "calculation/formulation_state.hpp"
#include "calculation/thermophysical.hpp"
#include "process/coil.hpp"
#include "process/humidifier.hpp"
#include "process/mixing.hpp"
#include "process/recovery.hpp"
#include "process/sensible.hpp"
#include "process/space.hpp"
#include "project/air_flows.hpp"
#include "project/project_keys.hpp"
#include "project/project_units.hpp"

namespace vaporel {
namespace {

using process::Outcome;

// The shortest text that reads back as the value, as a user would type it.
std::string Typed(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return {text, end};
}

// Whether text names `word` as a word of its own ("RH must", not "RHO").
bool Names(std::string_view text, std::string_view word) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const std::size_t end = at + word.size();
    if ((at == 0 || !letter(text[at - 1])) && (end == text.size() || !letter(text[end]))) return true;
  }
  return false;
}

// The key a state's refusal points at: the field whose check refused, else the property or the
// pressure its message names, else the state.
std::optional<FilePosition> RefusalAt(const Project& project, const StateInput& state, const Refusal& refusal) {
  if (!state.place.inFile) return std::nullopt;
  const std::string_view pressureKey = project.altitude ? "altitude" : "pressure";
  const std::string_view first = PropertyName(state.first.property), second = PropertyName(state.second.property);
  if (refusal.focus) {
    switch (*refusal.focus) {
      case InputField::Pressure: return project.root.atKey(pressureKey);
      case InputField::First: return state.place.atKey(first);
      case InputField::Second: return state.place.atKey(second);
    }
  }
  if (Names(refusal.message, first)) return state.place.atKey(first);
  if (Names(refusal.message, second)) return state.place.atKey(second);
  if (Names(refusal.message, "pressure")) return project.root.atKey(pressureKey);
  return state.place.at;
}

std::string Describe(const ProcessInput& p, std::size_t number) {
  std::string from;
  for (const std::string& name : p.from()) from += (from.empty() ? "\"" : ", \"") + name + "\"";
  return "process " + std::to_string(number) + " (" + std::string(ProcessKey(p.kind())) + " " + from + " into \"" +
         p.into + "\")";
}

// How far a process arrives from the state it must end on, or none within 1e-9 in tdb and x.
std::optional<std::string> Missed(const AirState& arrived, const SolvedState& target, UnitSystem units) {
  constexpr double kArrival = 1e-9;
  if (std::fabs(arrived.tdb - target.state.tdb) <= kArrival && std::fabs(arrived.x - target.state.x) <= kArrival) {
    return std::nullopt;
  }
  const auto tdb = [&](double t) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g %s", ToUnits(Quantity::Temperature, units, t),
                  std::string(UnitName(Quantity::Temperature, units)).c_str());
    return std::string(text);
  };
  const auto x = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return std::string(text);
  };
  char off[96];
  std::snprintf(
      off, sizeof off, "%.6g %s and %.6g kg/kg",
      ToUnits(Quantity::Temperature, units, arrived.tdb) - ToUnits(Quantity::Temperature, units, target.state.tdb),
      units == UnitSystem::IP ? "oF" : "K", arrived.x - target.state.x);
  return "it arrives at " + tdb(arrived.tdb) + " and x = " + x(arrived.x) + ", not at \"" + target.name + "\" (" +
         tdb(target.state.tdb) + " and x = " + x(target.state.x) + "): off by " + off;
}

class Solver {
 public:
  Solver(const Project& project, std::string_view fileName)
      : asGiven_(project),
        project_(InSi(project)),
        fileName_(fileName),
        flows_(project_.processes, project.units),
        f_(FormulationOf(project.formulation)) {}

  std::variant<SolvedProject, ProjectError> solve() {
    solved_.units = project_.units;
    solved_.formulation = project_.formulation;
    solved_.pressure = project_.pressure;
    if (!asGiven_.altitude) solved_.givenPressure = asGiven_.pressure;
    for (std::size_t i = 0; i < project_.states.size(); ++i) {
      if (auto refusal = resolveUserState(project_.states[i])) return *refusal;
      solved_.states.back().given = {asGiven_.states[i].first, asGiven_.states[i].second};
    }
    if (project_.airflow && project_.airflow->mass) {
      if (auto e = fix(project_.airflow->state, *project_.airflow->mass, airflowSource())) return *e;
    }
    coils_.resize(project_.processes.size());
    recoveries_.resize(project_.processes.size());
    for (std::size_t i = 0; i < project_.processes.size(); ++i) {
      if (auto e = seedVolumeFlow()) return *e;
      if (auto refusal = run(i)) return *refusal;
    }
    if (auto e = seedVolumeFlow()) return *e;
    for (std::size_t i = 0; i < project_.processes.size(); ++i) addLoads(i);
    for (SolvedState& s : solved_.states) s.massFlow = flows_.at(s.name);
    return std::move(solved_);
  }

 private:
  struct Recovery {
    double condensate;        // [kg per kg of exhaust air]
    double exhaustPerSupply;  // the dry-air flows' ratio m_e / m_s
    bool frost;
  };

  std::optional<ProjectError> resolveUserState(const StateInput& input) {
    const InputPair pair = WindowPair(input.first.property, input.second.property);
    const std::string p = Typed(project_.pressure), first = Typed(input.first.value),
                      second = Typed(input.second.value);
    // The program's own formulation resolves a window's pair as the window does.
    const Resolution r = pair != InputPair::None && f_.id() == FormulationId::Design
                             ? CheckAndCalculate(pair, {p, first, second}, Numbers('.'))
                             : ResolveIn(f_, project_.pressure, input.first, input.second);
    if (const auto* refusal = std::get_if<Refusal>(&r)) {
      return ProjectError{std::string(fileName_), RefusalAt(asGiven_, input, *refusal),
                          "state \"" + input.name + "\": " + refusal->message};
    }
    add(input.name, std::get<AirState>(r));
    return std::nullopt;
  }

  void add(const std::string& name, const AirState& state) {
    index_[name] = solved_.states.size();
    std::vector<std::string> zones;
    for (const Zone& zone : project_.zones) {
      if (InZone(zone, state)) zones.push_back(zone.name);
    }
    solved_.states.push_back({name, state, ThermophysicalProperties(state), std::move(zones), {}, {}});
  }

  const AirState& state(const std::string& name) const { return solved_.states[index_.at(name)].state; }

  // The process with each figure it takes from a state given that state's value.
  ProcessInput withReferences(const ProcessInput& given) const {
    ProcessInput p = given;
    for (const ProcessFigure& figure : FiguresOf(p.kind())) {
      if (const FigureReference* r = given.reference(figure.key)) figure.of(p) = ValueOf(r->property, state(r->state));
    }
    return p;
  }

  // A process that ends on a state already known: a heater or a coil given no figures takes
  // it as its target.
  ProcessInput withTarget(ProcessInput p) const {
    if (!index_.contains(p.into)) return p;
    const AirState& target = state(p.into);
    if (auto* heat = std::get_if<HeatFigures>(&p.figures); heat && !heat->tdb && !heat->power) heat->tdb = target.tdb;
    if (auto* coil = std::get_if<CoilFigures>(&p.figures);
        coil && !coil->adp && !coil->bypass && !coil->tdb && !coil->RH && !coil->x) {
      coil->tdb = target.tdb;
      coil->x = target.x;
    }
    return p;
  }

  Outcome leaving(const MixFigures& m, std::size_t index) {
    std::vector<AirState> streams;
    for (const std::string& name : m.from) streams.push_back(state(name));
    if (m.fractions.empty()) return byFlows(m, index, streams);
    return process::Mix(project_.pressure, streams, m.fractions, f_);
  }

  // A mix by flows: the dry-air flows of its inlets (the last one's the rest of the flow fixed
  // downstream, where the file leaves it out), their fractions, and the flows fixed.
  Outcome byFlows(const MixFigures& m, std::size_t index, const std::vector<AirState>& streams) {
    const bool byVolume = !m.flows.empty();
    const std::vector<double>& given = byVolume ? m.flows : m.massFlows;
    std::vector<double> masses;
    for (std::size_t i = 0; i < given.size(); ++i) {
      masses.push_back(byVolume ? process::DryAirMassFlow(streams[i], given[i]) : given[i]);
    }
    double total = 0;
    for (const double mass : masses) total += mass;
    if (masses.size() < m.from.size()) {
      const auto downstream = flows_.at(project_.processes[index].into);
      if (!downstream) {
        return process::ProcessRefusal{"\"" + m.from.back() +
                                       "\" takes the rest of the flow, but no air flow reaches \"" +
                                       project_.processes[index].into + "\" (give [airflow] or every flow)"};
      }
      if (!(*downstream - total > 0)) {
        return process::ProcessRefusal{"the flows given exceed the flow reaching \"" + project_.processes[index].into +
                                       "\": no rest is left for \"" + m.from.back() + "\""};
      }
      masses.push_back(*downstream - total);
      total = *downstream;
    }
    std::vector<double> fractions(masses.size());
    for (std::size_t i = 0; i < masses.size(); ++i) fractions[i] = masses[i] / total;
    pending_.clear();
    for (std::size_t i = 0; i < m.from.size(); ++i) pending_.emplace_back(m.from[i], masses[i]);
    pending_.emplace_back(project_.processes[index].into, total);
    return process::Mix(project_.pressure, streams, fractions, f_);
  }

  Outcome leaving(const HeatFigures& h, std::size_t /*index*/) const {
    const AirState& in = state(h.from);
    if (h.tdb) return process::HeatToDryBulb(in, *h.tdb, f_);
    return process::HeatByPower(in, *h.power, flows_.at(h.from).value_or(0), f_);
  }

  Outcome leaving(const CoilFigures& c, std::size_t /*index*/) const {
    const AirState& in = state(c.from);
    if (c.adp) return process::CoilByApparatusDewPoint(in, *c.adp, *c.bypass, f_);
    const Given first = c.tdb ? Given{Property::Tdb, *c.tdb} : Given{Property::X, *c.x};
    const Given second = c.RH ? Given{Property::RH, *c.RH} : Given{Property::X, *c.x};
    const Resolution out = f_.id() != FormulationId::Design ? ResolveIn(f_, in.p, first, second)
                           : !c.tdb ? ResolveAnyPair(in.p, {Property::X, *c.x}, {Property::RH, *c.RH})
                           : c.RH   ? ResolveState(InputPair::DryBulbHumidity, in.p, *c.tdb, *c.RH)
                                    : ResolveState(InputPair::DryBulbAbsHumidity, in.p, *c.tdb, *c.x);
    if (const auto* refusal = std::get_if<Refusal>(&out)) return process::ProcessRefusal{refusal->message};
    return process::CoilToLeaving(in, std::get<AirState>(out), f_);
  }

  Outcome leaving(const HumidifyFigures& h, std::size_t /*index*/) const {
    using process::HumidifierTarget;
    const AirState& in = state(h.from);
    const process::Target target = h.RH    ? process::Target{HumidifierTarget::RelativeHumidity, *h.RH}
                                   : h.x   ? process::Target{HumidifierTarget::AbsHumidity, *h.x}
                                   : h.tdb ? process::Target{HumidifierTarget::DryBulb, *h.tdb}
                                           : process::Target{HumidifierTarget::Efficiency, h.efficiency.value_or(1)};
    if (h.method == "steam") {
      return process::SteamHumidifier(in, target, h.steamTemperature.value_or(process::kDefaultSteamTemperature), f_);
    }
    return process::AdiabaticHumidifier(in, target, f_);
  }

  // Both streams of a recovery, by the flows it gives, else those the project carries to its
  // inlets, else balanced.
  Outcome leaving(const RecoverFigures& r, std::size_t index) {
    const AirState& supplyIn = state(r.from[0]);
    const AirState& exhaustIn = state(r.from[1]);
    std::optional<double> supplyFlow = flows_.at(r.from[0]), exhaustFlow = flows_.at(r.from[1]);
    if (!r.flows.empty()) {
      supplyFlow = process::DryAirMassFlow(supplyIn, r.flows[0]);
      exhaustFlow = process::DryAirMassFlow(exhaustIn, r.flows[1]);
    } else if (!r.massFlows.empty()) {
      supplyFlow = r.massFlows[0];
      exhaustFlow = r.massFlows[1];
    }
    const double ms = supplyFlow.value_or(exhaustFlow.value_or(1)), me = exhaustFlow.value_or(ms);
    const process::RecoveryOutcome out =
        process::Recover(supplyIn, exhaustIn, *r.sensibleEffectiveness, r.latentEffectiveness.value_or(0), ms, me, f_);
    if (const auto* refusal = std::get_if<process::ProcessRefusal>(&out)) return *refusal;
    const auto& recovered = std::get<process::Recovered>(out);
    recoveries_[index] = Recovery{recovered.condensate, me / ms, recovered.frost};
    exhaust_ = {r.exhaustInto, recovered.exhaust};
    if (!r.flows.empty() || !r.massFlows.empty()) {
      const std::string& into = project_.processes[index].into;
      pending_ = {{r.from[0], ms}, {into, ms}, {r.from[1], me}, {r.exhaustInto, me}};
    }
    return process::Leaving{recovered.supply, std::nullopt};
  }

  // The supply air for a room's loads, its flow fixed at the supply.
  Outcome leaving(const SpaceFigures& s, std::size_t index) {
    const AirState& room = state(s.from);
    const ProcessInput& given = asGiven_.processes[index];
    const auto& asGiven = std::get<SpaceFigures>(given.figures);
    const auto shown = [&](Quantity q, const std::optional<double>& file, double si) {
      return Typed(file.value_or(ToUnits(q, asGiven_.units, si))) + " " + std::string(UnitName(q, asGiven_.units));
    };
    const process::SupplyOutcome supply =
        s.supplyTdb ? process::SupplyAtDryBulb(
                          room, *s.sensible, *s.latent, *s.supplyTdb,
                          "supply air at " + shown(Quantity::Temperature, asGiven.supplyTdb, *s.supplyTdb), f_)
        : s.supplyMass ? process::SupplyByMassFlow(
                             room, *s.sensible, *s.latent, *s.supplyMass,
                             "a supply of " + shown(Quantity::MassFlow, asGiven.supplyMass, *s.supplyMass), f_)
                       : process::SupplyByVolumeFlow(
                             room, *s.sensible, *s.latent, *s.supplyVolume,
                             "a supply of " + shown(Quantity::VolumeFlow, asGiven.supplyVolume, *s.supplyVolume), f_);
    if (const auto* refusal = std::get_if<process::ProcessRefusal>(&supply)) return *refusal;
    const auto& air = std::get<process::SupplyAir>(supply);
    pending_ = {{project_.processes[index].into, air.massFlow}};
    return process::Leaving{air.state, std::nullopt};
  }

  std::optional<ProjectError> refuse(std::size_t index, const std::string& cause) const {
    const ProcessInput& p = project_.processes[index];
    return ProjectError{std::string(fileName_), p.place.inFile ? std::optional(p.place.at) : std::nullopt,
                        Describe(p, index + 1) + ": " + cause};
  }

  std::optional<ProjectError> run(std::size_t index) {
    const ProcessInput p = withTarget(withReferences(project_.processes[index]));
    pending_.clear();
    exhaust_.reset();
    const Outcome outcome = std::visit([&](const auto& figures) { return leaving(figures, index); }, p.figures);
    if (const auto* refusal = std::get_if<process::ProcessRefusal>(&outcome)) return refuse(index, refusal->cause);
    const auto& leaving = std::get<process::Leaving>(outcome);
    std::vector<std::pair<std::string, AirState>> made = {{p.into, leaving.state}};
    if (exhaust_) made.push_back(*exhaust_);
    for (const auto& [name, made_state] : made) {
      if (const auto known = index_.find(name); known != index_.end()) {
        if (auto missed = Missed(made_state, solved_.states[known->second], asGiven_.units)) {
          return refuse(index, *missed);
        }
      } else {
        add(name, made_state);
      }
    }
    coils_[index] = leaving.coil;
    const FlowSource source{Describe(p, index + 1), p.place.inFile ? std::optional(p.place.at) : std::nullopt};
    for (const auto& [name, mass] : pending_) {
      if (auto e = fix(name, mass, source)) return e;
    }
    return std::nullopt;
  }

  FlowSource airflowSource() const {
    const EntryPlace& place = project_.airflow->place;
    return {"[airflow]", place.inFile ? std::optional(place.at) : std::nullopt};
  }

  std::optional<ProjectError> fix(const std::string& name, double mass, const FlowSource& source) {
    auto e = flows_.fix(name, mass, source);
    if (e) e->file = std::string(fileName_);
    return e;
  }

  // An [airflow] by volume, once its state is known.
  std::optional<ProjectError> seedVolumeFlow() {
    if (volumeSeeded_ || !project_.airflow || !project_.airflow->volume) return std::nullopt;
    if (!index_.contains(project_.airflow->state)) return std::nullopt;
    volumeSeeded_ = true;
    return fix(project_.airflow->state,
               process::DryAirMassFlow(state(project_.airflow->state), *project_.airflow->volume), airflowSource());
  }

  // [m³/h] of humid air at a state for its dry-air flow.
  std::optional<double> volumeAt(const std::string& name) const {
    const auto mass = flows_.at(name);
    if (!mass) return std::nullopt;
    return process::VolumeFlow(state(name), *mass);
  }

  void addLoads(std::size_t index) {
    const ProcessInput& p = project_.processes[index];
    SolvedProcess solved{p.kind(), p.from(), p.into, {}, coils_[index], {}, {}, {}, {}};
    if (p.kind() == ProcessKind::Mix) {
      solved.loads = process::MixingLoads(flows_.at(p.into));
      double volume = 0;
      for (const std::string& name : solved.from) {
        const auto v = volumeAt(name);
        volume = v ? volume + *v : std::numeric_limits<double>::quiet_NaN();
      }
      if (std::isfinite(volume)) solved.volumeFlow = volume;
    } else if (const auto& recovery = recoveries_[index]) {
      recover(solved, *recovery, index);
    } else {
      // A space's air enters at its supply and leaves at the room.
      const bool space = p.kind() == ProcessKind::Space;
      const std::string& in = space ? p.into : solved.from.front();
      const std::string& out = space ? solved.from.front() : p.into;
      solved.loads = process::ProcessLoads(state(in), process::Leaving{state(out), solved.coil}, flows_.at(in), f_);
      solved.volumeFlow = volumeAt(in);
    }
    solved_.processes.push_back(std::move(solved));
  }

  // A recovery's loads are its supply side's; its exhaust side's condensate, per hour with a
  // flow at the exhaust inlet, else per kg of supply air.
  void recover(SolvedProcess& solved, const Recovery& recovery, std::size_t index) const {
    const auto& figures = std::get<RecoverFigures>(project_.processes[index].figures);
    solved.exhaustInto = figures.exhaustInto;
    const std::string& in = solved.from.front();
    solved.loads =
        process::ProcessLoads(state(in), process::Leaving{state(solved.into), std::nullopt}, flows_.at(in), f_);
    solved.volumeFlow = volumeAt(in);
    const auto exhaustFlow = flows_.at(solved.from.back());
    solved.exhaustCondensate = exhaustFlow && solved.loads.massFlow
                                   ? process::PerHour(*exhaustFlow * recovery.condensate)
                                   : recovery.condensate * recovery.exhaustPerSupply;
    if (recovery.frost)
      solved.warnings.emplace_back("frost forms on the exhaust side (its water condenses below 0 oC)");
  }

  const Project& asGiven_;  // in the file's units
  const Project project_;   // in SI
  std::string_view fileName_;
  AirFlows flows_;
  const Formulation& f_;
  SolvedProject solved_;
  std::map<std::string, std::size_t> index_;
  std::vector<std::optional<process::CoilPoint>> coils_;     // by process
  std::vector<std::pair<std::string, double>> pending_;      // the flows a process fixes
  std::vector<std::optional<Recovery>> recoveries_;          // by process
  std::optional<std::pair<std::string, AirState>> exhaust_;  // a recovery's exhaust side, as it runs
  bool volumeSeeded_ = false;
};

}  // namespace

std::variant<SolvedProject, ProjectError> SolveProject(const Project& project, std::string_view fileName) {
  return Solver(project, fileName).solve();
}

}  // namespace vaporel
