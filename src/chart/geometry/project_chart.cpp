#include "chart/geometry/project_chart.hpp"

#include <map>
#include <string>

#include "properties/humid_air.hpp"

namespace vaporel {

ChartGeometry BuildSolvedProjectGeometry(const SolvedProject& project, UnitSystem units,
                                         std::span<const ChartPoint> live) {
  std::vector<NamedPoint> named;
  std::map<std::string, ChartPoint> at;
  for (const SolvedState& s : project.states) {
    at[s.name] = {s.state.tdb, s.state.x};
    named.push_back({at[s.name], s.name});
  }
  std::vector<ChartArrow> arrows;
  for (const SolvedProcess& process : project.processes) {
    for (const std::string& from : process.from) arrows.push_back({at[from], at[process.into], false});
    if (process.coil) {
      const double adp = process.coil->adp;
      arrows.push_back({at[process.into], {adp, SaturatedAbsHumidity(adp, project.pressure)}, true});
    }
  }
  return BuildProjectChartGeometry(project.pressure, std::move(named), arrows, units, live);
}

}  // namespace vaporel
