#include "chart/geometry/project_chart.hpp"

namespace vaporel {

ChartGeometry BuildProcessDrawingGeometry(const process::ProcessDrawing& drawing, UnitSystem units,
                                          std::span<const ChartPoint> live, std::optional<ChartView> view) {
  std::vector<NamedPoint> named;
  for (const process::DrawnState& s : drawing.states) named.push_back({{s.tdb, s.x}, s.name});
  std::vector<ChartArrow> arrows;
  for (const process::DrawnArrow& a : drawing.arrows)
    arrows.push_back({{a.fromTdb, a.fromX}, {a.toTdb, a.toX}, a.dashed});
  return BuildProjectChartGeometry(drawing.p, std::move(named), arrows, units, live, view,
                                   FormulationOf(drawing.formulation));
}

}  // namespace vaporel
