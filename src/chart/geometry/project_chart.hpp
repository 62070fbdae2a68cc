#pragma once
// States and processes on the chart: the states by name, each process an arrow from each
// entering state to the leaving one, a coil's dashed line on to its apparatus dew point. The
// chart draws the plain drawing; it knows no project.

#include <span>

#include "chart/geometry/chart_geometry.hpp"
#include "process/process_drawing.hpp"

namespace vaporel {

// `live`: points drawn apart from the drawing's (the main window's state), inside the view;
// `view`: the view asked for, else one that holds every state and arrow.
ChartGeometry BuildProcessDrawingGeometry(const process::ProcessDrawing& drawing, UnitSystem units,
                                          std::span<const ChartPoint> live = {},
                                          std::optional<ChartView> view = std::nullopt);

}  // namespace vaporel
