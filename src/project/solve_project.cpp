#include "project/solve_project.hpp"

#include <charconv>
#include <map>

#include "calculation/check_sequence.hpp"
#include "calculation/thermophysical.hpp"
#include "process/coil.hpp"
#include "process/humidifier.hpp"
#include "process/mixing.hpp"
#include "process/sensible.hpp"
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

class Solver {
 public:
  Solver(const Project& project, std::string_view fileName)
      : asGiven_(project), project_(InSi(project)), fileName_(fileName) {}

  std::variant<SolvedProject, ProjectError> solve() {
    solved_.units = project_.units;
    solved_.pressure = project_.pressure;
    if (!asGiven_.altitude) solved_.givenPressure = asGiven_.pressure;
    for (std::size_t i = 0; i < project_.states.size(); ++i) {
      if (auto refusal = resolveUserState(project_.states[i])) return *refusal;
      solved_.states.back().given = {asGiven_.states[i].first, asGiven_.states[i].second};
    }
    if (project_.airflow && project_.airflow->mass) seedFlow(*project_.airflow->mass);
    for (std::size_t i = 0; i < project_.processes.size(); ++i) {
      seedVolumeFlow();
      if (auto refusal = run(project_.processes[i], i + 1)) return *refusal;
    }
    seedVolumeFlow();
    for (const ProcessInput& p : project_.processes) addLoads(p);
    return std::move(solved_);
  }

 private:
  std::optional<ProjectError> resolveUserState(const StateInput& input) {
    const InputPair pair = WindowPair(input.first.property, input.second.property);
    const std::string p = Typed(project_.pressure), first = Typed(input.first.value),
                      second = Typed(input.second.value);
    const Resolution r = pair != InputPair::None ? CheckAndCalculate(pair, {p, first, second}, Numbers('.'))
                                                 : ResolveAnyPair(project_.pressure, input.first, input.second);
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
    solved_.states.push_back({name, state, ThermophysicalProperties(state), std::move(zones), {}});
  }

  const AirState& state(const std::string& name) const { return solved_.states[index_.at(name)].state; }

  Outcome compute(const ProcessInput& p) {
    return std::visit([&](const auto& figures) { return leaving(figures); }, p.figures);
  }

  Outcome leaving(const MixFigures& m) const {
    std::vector<AirState> streams;
    for (const std::string& name : m.from) streams.push_back(state(name));
    return process::Mix(project_.pressure, streams, m.fractions);
  }

  Outcome leaving(const HeatFigures& h) const {
    const AirState& in = state(h.from);
    if (h.tdb) return process::HeatToDryBulb(in, *h.tdb);
    return process::HeatByPower(in, *h.power, flow(h.from).value_or(0));
  }

  Outcome leaving(const CoilFigures& c) const {
    const AirState& in = state(c.from);
    if (c.adp) return process::CoilByApparatusDewPoint(in, *c.adp, *c.bypass);
    const Resolution out = c.RH ? ResolveState(InputPair::DryBulbHumidity, in.p, *c.tdb, *c.RH)
                                : ResolveState(InputPair::DryBulbAbsHumidity, in.p, *c.tdb, *c.x);
    if (const auto* refusal = std::get_if<Refusal>(&out)) return process::ProcessRefusal{refusal->message};
    return process::CoilToLeaving(in, std::get<AirState>(out));
  }

  Outcome leaving(const HumidifyFigures& h) const {
    using process::HumidifierTarget;
    const AirState& in = state(h.from);
    const process::Target target = h.RH    ? process::Target{HumidifierTarget::RelativeHumidity, *h.RH}
                                   : h.x   ? process::Target{HumidifierTarget::AbsHumidity, *h.x}
                                   : h.tdb ? process::Target{HumidifierTarget::DryBulb, *h.tdb}
                                           : process::Target{HumidifierTarget::Efficiency, h.efficiency.value_or(1)};
    if (h.method == "steam") {
      return process::SteamHumidifier(in, target, h.steamTemperature.value_or(process::kDefaultSteamTemperature));
    }
    return process::AdiabaticHumidifier(in, target);
  }

  std::optional<ProjectError> run(const ProcessInput& p, std::size_t number) {
    const Outcome outcome = compute(p);
    if (const auto* refusal = std::get_if<process::ProcessRefusal>(&outcome)) {
      return ProjectError{std::string(fileName_), p.place.inFile ? std::optional(p.place.at) : std::nullopt,
                          Describe(p, number) + ": " + refusal->cause};
    }
    const auto& leaving = std::get<process::Leaving>(outcome);
    add(p.into, leaving.state);
    coils_[p.into] = leaving.coil;
    return std::nullopt;
  }

  // The dry-air mass flow of a state, where the air flow reaches it.
  std::optional<double> flow(const std::string& name) const {
    const auto found = flows_.find(name);
    return found == flows_.end() ? std::nullopt : std::optional(found->second);
  }

  void seedFlow(double mass) {
    flows_.emplace(project_.airflow->state, mass);
    propagate();
  }

  void seedVolumeFlow() {
    if (!project_.airflow || !project_.airflow->volume || flows_.contains(project_.airflow->state)) return;
    if (!index_.contains(project_.airflow->state)) return;
    seedFlow(process::DryAirMassFlow(state(project_.airflow->state), *project_.airflow->volume));
  }

  // A process carries its entering flow on (a mix splits it by its fractions), in either
  // direction. The flows follow from the processes' links alone, not their states; a pass
  // that reaches no new state ends it, and one pass per process reaches them all.
  void propagate() {
    for (std::size_t pass = 0, reached = ~std::size_t{0}; pass <= project_.processes.size() && reached != flows_.size();
         ++pass) {
      reached = flows_.size();
      for (const ProcessInput& p : project_.processes) carry(p);
    }
  }

  void carry(const ProcessInput& p) {
    const auto* mix = std::get_if<MixFigures>(&p.figures);
    if (!mix) {
      const std::string from = p.from().front();
      if (const auto in = flow(from)) {
        flows_.emplace(p.into, *in);
      } else if (const auto out = flow(p.into)) {
        flows_.emplace(from, *out);
      }
      return;
    }
    if (const auto out = flow(p.into)) {
      for (std::size_t i = 0; i < mix->from.size(); ++i) flows_.emplace(mix->from[i], mix->fractions[i] * *out);
      return;
    }
    for (std::size_t i = 0; i < mix->from.size(); ++i) {
      if (const auto in = flow(mix->from[i])) flows_.emplace(p.into, *in / mix->fractions[i]);
    }
  }

  void addLoads(const ProcessInput& p) {
    SolvedProcess solved{p.kind(), p.from(), p.into, {}, coils_[p.into]};
    if (p.kind() == ProcessKind::Mix) {
      solved.loads = process::MixingLoads(flow(p.into));
    } else {
      solved.loads = process::ProcessLoads(state(solved.from.front()), process::Leaving{state(p.into), solved.coil},
                                           flow(solved.from.front()));
    }
    solved_.processes.push_back(std::move(solved));
  }

  const Project& asGiven_;  // in the file's units
  const Project project_;   // in SI
  std::string_view fileName_;
  SolvedProject solved_;
  std::map<std::string, std::size_t> index_;
  std::map<std::string, double> flows_;
  std::map<std::string, std::optional<process::CoilPoint>> coils_;
};

}  // namespace

std::variant<SolvedProject, ProjectError> SolveProject(const Project& project, std::string_view fileName) {
  return Solver(project, fileName).solve();
}

}  // namespace vaporel
