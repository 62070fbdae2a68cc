#pragma once
// The chart view: the chart drawn to the widget's size, the status line naming the state (or
// the worksheet's state or process) under the mouse, the wheel zooming about the cursor and a
// drag panning. The canvas asks for a view; the window builds the chart over it.

#include <QWidget>
#include <functional>
#include <optional>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_renderer.hpp"
#include "numbers/numbers.hpp"
#include "project/solve_project.hpp"

class QLabel;

namespace vaporel {

class ChartCanvas : public QWidget {
 public:
  ChartCanvas(QWidget* parent, QLabel* status, const Numbers& numbers);

  // What it draws: the chart, and the worksheet's project its states and arrows belong to.
  void draw(const ChartGeometry& geometry, const SolvedProject& project);
  const ChartGeometry& geometry() const { return geometry_; }
  void setStyle(ChartStyle style);
  ChartStyle style() const { return style_; }

  // The state under a point of the canvas, as the status line names it ("" outside the plot).
  QString textAt(QPointF at) const;
  // Where a state is drawn on the canvas as it stands.
  std::optional<QPointF> canvasPointOf(ChartPoint point) const;

  // A view asked for by the wheel or a drag.
  std::function<void(const ChartView&)> onViewAsked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QString worksheetTextAt(QPointF at) const;
  void askKeeping(const ChartView& view, ChartPoint point, QPointF at);
  std::optional<ChartPoint> chartPointAt(const RenderedChart& rendered, QPointF at) const;

  QLabel* status_;
  const Numbers& numbers_;
  ChartStyle style_ = ChartStyle::Psychrometric;
  ChartGeometry geometry_;
  SolvedProject project_;
  std::optional<RenderedChart> rendered_;
  // A drag: the chart as it was drawn when the button went down, and the point grabbed.
  std::optional<RenderedChart> grabbed_;
  ChartView grabbedView_;
  ChartPoint grabbedAt_;
};

// The view zoomed by `factor` (below 1: closer) about a point, which stays where it is.
ChartView ZoomedView(const ChartView& view, ChartPoint about, double factor);
// The view moved so that the point `from` comes to lie where `to` is.
ChartView PannedView(const ChartView& view, ChartPoint from, ChartPoint to);

}  // namespace vaporel
