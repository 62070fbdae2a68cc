#pragma once
// One renderer for every surface (screen, PNG, SVG, PDF): the chart laid out on the logical
// page and scaled uniformly into the target rectangle of the painter's device.

#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <vector>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_frame.hpp"
#include "chart/render/chart_style.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {

struct RenderedChart {
  ChartFrame frame;
  QTransform pageToDevice;  // logical page -> the painter's device
  // On the logical page: every number and name written on or around the plot (not the
  // titles, not the legend's own lines), and the legend's box.
  std::vector<QRectF> labels;
  QRectF legend;
};

RenderedChart RenderChart(QPainter& painter, const QRectF& target, const ChartGeometry& geometry, ChartStyle style,
                          const Numbers& numbers);

}  // namespace vaporel
