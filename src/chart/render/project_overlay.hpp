#pragma once
// A project drawn over the chart: each process an arrow, a coil's dashed line on to its
// apparatus dew point, each state a dot with its name.

#include <QPainter>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_frame.hpp"

namespace vaporel {

inline const QColor kProjectColour(150, 0, 120);

void DrawProject(QPainter& painter, const ChartFrame& frame, const ChartGeometry& geometry);

}  // namespace vaporel
