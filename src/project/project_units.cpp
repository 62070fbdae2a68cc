#include "project/project_units.hpp"

#include "project/project_keys.hpp"
#include "properties/standard_atmosphere.hpp"

namespace vaporel {
namespace {

// One conversion, applied to every value of a process.
template <class Convert>
void EachValue(ProcessInput& p, Convert convert) {
  for (const ProcessFigure& figure : FiguresOf(p.kind())) {
    if (auto& value = figure.of(p)) value = convert(figure.quantity, *value);
  }
  std::visit(
      [&](auto& f) {
        if constexpr (requires { f.flows; }) {
          for (double& flow : f.flows) flow = convert(Quantity::VolumeFlow, flow);
          for (double& flow : f.massFlows) flow = convert(Quantity::MassFlow, flow);
        }
      },
      p.figures);
}

template <class Convert>
void EachValue(AirFlowInput& flow, Convert convert) {
  if (flow.volume) flow.volume = convert(Quantity::VolumeFlow, *flow.volume);
  if (flow.mass) flow.mass = convert(Quantity::MassFlow, *flow.mass);
}

// One conversion, applied to every value of a project.
template <class Convert>
void EachValue(Project& project, Convert convert) {
  const auto optional = [&](Quantity q, std::optional<double>& value) {
    if (value) value = convert(q, *value);
  };
  project.pressure = convert(Quantity::Pressure, project.pressure);
  optional(Quantity::Altitude, project.altitude);
  for (StateInput& s : project.states) {
    s.first.value = convert(QuantityOf(s.first.property), s.first.value);
    s.second.value = convert(QuantityOf(s.second.property), s.second.value);
  }
  for (ProcessInput& p : project.processes) EachValue(p, convert);
  if (project.airflow) EachValue(*project.airflow, convert);
  for (Zone& zone : project.zones) {
    for (ZoneBound& bound : zone.bounds) {
      optional(QuantityOf(bound.property), bound.min);
      optional(QuantityOf(bound.property), bound.max);
    }
  }
}

}  // namespace

Project InSi(const Project& asRead) {
  Project project = asRead;
  const UnitSystem units = project.units;
  EachValue(project, [units](Quantity q, double value) { return FromUnits(q, units, value); });
  if (project.altitude) project.pressure = StandardAtmospherePressure(*project.altitude);
  for (Zone& zone : project.zones) {
    if (zone.bounds.empty()) zone = BuiltInZone(zone.name).value_or(zone);
  }
  return project;
}

namespace {

// A value in `from` units, in `to` units.
auto Between(UnitSystem from, UnitSystem to) {
  return [from, to](Quantity q, double value) { return ToUnits(q, to, FromUnits(q, from, value)); };
}

}  // namespace

ProcessInput ProcessInUnits(ProcessInput process, UnitSystem from, UnitSystem to) {
  if (from != to) EachValue(process, Between(from, to));
  return process;
}

AirFlowInput AirFlowInUnits(AirFlowInput flow, UnitSystem from, UnitSystem to) {
  if (from != to) EachValue(flow, Between(from, to));
  return flow;
}

}  // namespace vaporel
