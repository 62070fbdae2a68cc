#pragma once
// A solved project as the chart draws it: its states by name, each process an arrow from
// each entering state to the leaving one, a coil's dashed line on to its apparatus dew point.

#include <span>

#include "chart/geometry/chart_geometry.hpp"
#include "project/solve_project.hpp"

namespace vaporel {

// `live`: points drawn apart from the project's (the main window's state), inside the view.
ChartGeometry BuildSolvedProjectGeometry(const SolvedProject& project, UnitSystem units,
                                         std::span<const ChartPoint> live = {});

}  // namespace vaporel
