#include "chart/render/chart_frame.hpp"

#include <algorithm>

#include "chart/geometry/mollier.hpp"

namespace vaporel {
namespace {

// Room for the title above, the axes' numbers and titles around the plot.
constexpr double kLeft = 90, kTop = 70, kRight = 100, kBottom = 80;

}  // namespace

ChartFrame::ChartFrame(const ChartGeometry& geometry, ChartStyle style, double below)
    : style_(style),
      view_(geometry.view),
      plot_(kLeft, kTop, kChartPageSize.width() - kLeft - kRight, kChartPageSize.height() - kTop - kBottom - below) {
  view_.tMax = std::min(view_.tMax, geometry.boiling);
  if (style_ == ChartStyle::Psychrometric) {
    verticalMin_ = view_.xMin;
    verticalMax_ = view_.xMax;
    return;
  }
  // The ordinate is linear in x and rises with t: the view's corners hold its extremes.
  const double corners[] = {MollierOrdinate({view_.tMin, view_.xMin}), MollierOrdinate({view_.tMin, view_.xMax}),
                            MollierOrdinate({view_.tMax, view_.xMin}), MollierOrdinate({view_.tMax, view_.xMax})};
  verticalMin_ = *std::min_element(std::begin(corners), std::end(corners));
  verticalMax_ = *std::max_element(std::begin(corners), std::end(corners));
}

QPointF ChartFrame::toPage(ChartPoint point) const {
  const bool mollier = style_ == ChartStyle::Mollier;
  const double across =
      mollier ? (point.x - view_.xMin) / (view_.xMax - view_.xMin) : (point.t - view_.tMin) / (view_.tMax - view_.tMin);
  const double up = ((mollier ? MollierOrdinate(point) : point.x) - verticalMin_) / (verticalMax_ - verticalMin_);
  return {plot_.left() + across * plot_.width(), plot_.bottom() - up * plot_.height()};
}

std::optional<ChartPoint> ChartFrame::fromPage(QPointF at) const {
  if (!plot_.contains(at)) return std::nullopt;
  const double across = (at.x() - plot_.left()) / plot_.width();
  const double vertical = verticalMin_ + (plot_.bottom() - at.y()) / plot_.height() * (verticalMax_ - verticalMin_);
  if (style_ == ChartStyle::Psychrometric) return ChartPoint{view_.tMin + across * (view_.tMax - view_.tMin), vertical};
  const double x = view_.xMin + across * (view_.xMax - view_.xMin);
  const auto t = MollierTemperature(x, vertical);
  if (!t) return std::nullopt;
  return ChartPoint{*t, x};
}

}  // namespace vaporel
