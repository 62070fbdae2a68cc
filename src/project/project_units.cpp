#include "project/project_units.hpp"

#include "project/project_keys.hpp"
#include "properties/standard_atmosphere.hpp"

namespace vaporel {
namespace {

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
  for (ProcessInput& p : project.processes) {
    for (const ProcessFigure& figure : FiguresOf(p.kind())) optional(figure.quantity, figure.of(p));
    std::visit(
        [&](auto& f) {
          if constexpr (requires { f.flows; }) {
            for (double& flow : f.flows) flow = convert(Quantity::VolumeFlow, flow);
            for (double& flow : f.massFlows) flow = convert(Quantity::MassFlow, flow);
          }
        },
        p.figures);
  }
  if (project.airflow) {
    optional(Quantity::VolumeFlow, project.airflow->volume);
    optional(Quantity::MassFlow, project.airflow->mass);
  }
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

}  // namespace vaporel
