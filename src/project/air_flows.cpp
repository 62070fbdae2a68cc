#include "project/air_flows.hpp"

#include <cmath>
#include <cstdio>

#include "units/units.hpp"

namespace vaporel {
namespace {

constexpr double kAgreement = 1e-9;

}  // namespace

AirFlows::AirFlows(const std::vector<ProcessInput>& processes, UnitSystem units)
    : processes_(processes), units_(units) {
  for (std::size_t i = 0; i < processes.size(); ++i) {
    for (const std::string& name : processes[i].from()) touching_[name].push_back(i);
    for (const std::string& name : processes[i].made()) touching_[name].push_back(i);
  }
}

std::optional<double> AirFlows::at(const std::string& state) const {
  const auto found = flows_.find(state);
  return found == flows_.end() ? std::nullopt : std::optional(found->second.mass);
}

std::optional<ProjectError> AirFlows::fix(const std::string& state, double mass, const FlowSource& source) {
  set(state, mass, source);
  // Each state reached carries its flow on through the processes it takes part in; a state is
  // reached once, so this ends after as many steps as the processes have links.
  while (!reached_.empty() && !conflict_) {
    const std::string name = std::move(reached_.back());
    reached_.pop_back();
    const auto touching = touching_.find(name);
    if (touching == touching_.end()) continue;
    for (const std::size_t i : touching->second) carry(processes_[i]);
  }
  reached_.clear();
  return conflict_;
}

void AirFlows::set(const std::string& state, double mass, const FlowSource& source) {
  const auto [found, added] = flows_.try_emplace(state, Flow{mass, source});
  if (added) reached_.push_back(state);
  if (added || conflict_) return;
  const Flow& was = found->second;
  if (std::fabs(was.mass - mass) <= kAgreement * std::fmax(std::fabs(was.mass), std::fabs(mass))) return;
  const auto shown = [&](double kgPerSecond) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g %s", ToUnits(Quantity::MassFlow, units_, kgPerSecond),
                  std::string(UnitName(Quantity::MassFlow, units_)).c_str());
    return std::string(text);
  };
  conflict_ = ProjectError{{},
                           source.at ? source.at : was.source.at,
                           "the air flow at \"" + state + "\" is fixed twice: " + shown(was.mass) + " by " +
                               was.source.name + " and " + shown(mass) + " by " + source.name};
}

// A process carries its flow on between the state it starts from and the one it makes (a
// recovery along each of its streams); a mix by fractions splits its flow; a mix or a recovery
// by flows and a space fix theirs when they run.
void AirFlows::carry(const ProcessInput& p) {
  if (p.kind() == ProcessKind::Space) return;
  if (const auto* recover = std::get_if<RecoverFigures>(&p.figures)) {
    if (recover->flows.empty() && recover->massFlows.empty()) {
      link(recover->from[0], p.into);
      link(recover->from[1], recover->exhaustInto);
    }
    return;
  }
  const auto* mix = std::get_if<MixFigures>(&p.figures);
  if (!mix) {
    link(p.from().front(), p.into);
    return;
  }
  if (mix->fractions.empty()) return;
  // A flow's reference outlives inserting others: the table's nodes never move.
  if (const auto out = flows_.find(p.into); out != flows_.end()) {
    const Flow& flow = out->second;
    for (std::size_t i = 0; i < mix->from.size(); ++i) set(mix->from[i], mix->fractions[i] * flow.mass, flow.source);
    return;
  }
  for (std::size_t i = 0; i < mix->from.size(); ++i) {
    if (const auto in = flows_.find(mix->from[i]); in != flows_.end()) {
      const Flow& flow = in->second;
      set(p.into, flow.mass / mix->fractions[i], flow.source);
      return;
    }
  }
}

// The same flow at both ends of a stream, from whichever end has it.
void AirFlows::link(const std::string& from, const std::string& into) {
  if (const auto in = flows_.find(from); in != flows_.end()) {
    const Flow& flow = in->second;
    set(into, flow.mass, flow.source);
  } else if (const auto out = flows_.find(into); out != flows_.end()) {
    const Flow& flow = out->second;
    set(from, flow.mass, flow.source);
  }
}

}  // namespace vaporel
