// The renderer puts the state where the geometry says, in both styles, on any target size,
// and keeps every label legible.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "calculation/zone.hpp"
#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_renderer.hpp"

namespace vaporel {
namespace {

const QColor kStateRed(210, 0, 0);

TEST(ChartRender, TheStatePointIsDrawnWhereTheGeometryPutsIt) {
  const ChartPoint state{20, 0.0072549};
  const ChartGeometry geometry = BuildChartGeometry(1.01325, std::vector<ChartPoint>{state});
  for (ChartStyle style : {ChartStyle::Psychrometric, ChartStyle::Mollier}) {
    for (QSize size : {QSize(1200, 800), QSize(640, 700)}) {
      QImage image(size, QImage::Format_RGB32);
      QPainter painter(&image);
      const RenderedChart rendered = RenderChart(painter, QRectF(image.rect()), geometry, style, Numbers('.'));
      painter.end();
      const QPoint at = rendered.pageToDevice.map(rendered.frame.toPage(state)).toPoint();
      EXPECT_EQ(image.pixelColor(at), kStateRed) << static_cast<int>(style) << " " << size.width();
      // Far from it, on the plot's empty side, there is no red.
      const QPoint away = rendered.pageToDevice.map(rendered.frame.toPage({45, 0.001})).toPoint();
      EXPECT_NE(image.pixelColor(away), kStateRed);
      // The mouse over the point names the point.
      const auto back = rendered.frame.fromPage(rendered.frame.toPage(state));
      ASSERT_TRUE(back);
      EXPECT_NEAR(back->t, state.t, 1e-9);
      EXPECT_NEAR(back->x, state.x, 1e-12);
    }
  }
}

// Whether a line drawn between two points runs through a box (in the plot, where lines are
// drawn), sampled at 200 points along it.
bool LineThrough(const RenderedChart& rendered, const ChartArrow& arrow, const QRectF& box) {
  const QRectF inPlot = box.intersected(rendered.frame.plot());
  const QPointF a = rendered.frame.toPage(arrow.from), b = rendered.frame.toPage(arrow.to);
  for (int k = 0; k <= 200; ++k) {
    if (inPlot.contains(a + (b - a) * (k / 200.0))) return true;
  }
  return false;
}

void ExpectLegible(const RenderedChart& rendered, const ChartGeometry& geometry, const std::string& where) {
  const auto& labels = rendered.labels;
  ASSERT_GT(labels.size(), 20u) << where;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_FALSE(labels[i].intersects(rendered.legend)) << where << " " << i;
    for (std::size_t j = i + 1; j < labels.size(); ++j) EXPECT_FALSE(labels[i].intersects(labels[j])) << i << j;
    for (const ChartArrow& arrow : geometry.arrows) EXPECT_FALSE(LineThrough(rendered, arrow, labels[i])) << where << i;
  }
  if (rendered.frame.plot().intersects(rendered.legend)) {
    for (const ChartPoint& point : geometry.saturation) {
      EXPECT_FALSE(rendered.legend.contains(rendered.frame.toPage(point))) << where;
    }
  }
}

// Every number and name on the chart can be read: none lies on another, on the legend or on a
// process line, and a legend inside the plot hides no part of the saturation curve, at the
// pressures' extremes, in both styles and both units, with a zone and a project drawn over it
// (states close together, arrows and a dashed line crossing the chart).
TEST(ChartRender, NoLabelLiesOnAnotherOrOnTheLegend) {
  const Zone zone = *BuiltInZone("datacenter-recommended");
  for (const double p : {0.1, 1.01325, 10.0}) {
    for (const UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
      ChartGeometry geometry = BuildProjectChartGeometry(
          p, {{{20, 0.004}, "room"}, {{30, 0.006}, "outdoor"}, {{24, 0.005}, "mixed"}, {{21, 0.0042}, "supply"}},
          {{{30, 0.006}, {24, 0.005}, false},
           {{20, 0.004}, {24, 0.005}, false},
           {{24, 0.005}, {21, 0.0042}, false},
           {{-5, 0.001}, {45, 0.009}, false},
           {{21, 0.0042}, {2, 0.0035}, true}},
          units);
      AddZones(geometry, std::span(&zone, 1));
      for (const ChartStyle style : {ChartStyle::Psychrometric, ChartStyle::Mollier}) {
        QImage image(1200, 800, QImage::Format_RGB32);
        QPainter painter(&image);
        const RenderedChart rendered = RenderChart(painter, QRectF(image.rect()), geometry, style, Numbers('.'));
        painter.end();
        ExpectLegible(rendered, geometry, std::to_string(p) + " " + std::to_string(static_cast<int>(style)));
      }
    }
  }
}

}  // namespace
}  // namespace vaporel
