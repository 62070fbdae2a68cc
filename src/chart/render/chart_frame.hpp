#pragma once
// Where a chart's quantities land on the page, both ways, for one geometry and style. The
// page is laid out in logical units (kChartPageSize); the renderer scales it to the device.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_style.hpp"

namespace vaporel {

inline constexpr QSizeF kChartPageSize{1200, 800};

class ChartFrame {
 public:
  // `below`: room left under the axis's title (for a legend that fits nowhere in the plot).
  ChartFrame(const ChartGeometry& geometry, ChartStyle style, double below = 0);

  ChartStyle style() const { return style_; }
  QRectF plot() const { return plot_; }
  // The vertical range of the Mollier style [kJ/kg] (ordinates), or the view's x range.
  double verticalMin() const { return verticalMin_; }
  double verticalMax() const { return verticalMax_; }

  QPointF toPage(ChartPoint point) const;
  // The state under a point of the page; nullopt outside the plot.
  std::optional<ChartPoint> fromPage(QPointF at) const;

 private:
  ChartStyle style_;
  ChartView view_;
  QRectF plot_;
  double verticalMin_ = 0, verticalMax_ = 1;
};

}  // namespace vaporel
