#pragma once
// A project drawn over the chart: each process an arrow, a coil's dashed line on to its
// apparatus dew point, each state a dot with its name.

#include <QPainter>
#include <QRectF>
#include <vector>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_frame.hpp"

namespace vaporel {

inline const QColor kProjectColour(150, 0, 120);

// The names are placed beside their dots clear of the labels in `placed`, of the legend and of
// every process line, where a place around the dot allows, and added to `placed`.
void DrawProject(QPainter& painter, const ChartFrame& frame, const ChartGeometry& geometry, std::vector<QRectF>& placed,
                 const QRectF& legend);

// Whether a box on the page lies over one of the project's lines (an arrow or a dashed line).
bool OverProcessLine(const QRectF& box, const ChartFrame& frame, const ChartGeometry& geometry);

}  // namespace vaporel
