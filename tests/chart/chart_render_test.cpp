// The renderer puts the state where the geometry says, in both styles, on any target size,
// and keeps every label legible.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <sstream>
#include <string>

#include "calculation/zone.hpp"
#include "chart/geometry/chart_geometry.hpp"
#include "chart/geometry/weather_chart.hpp"
#include "chart/render/chart_renderer.hpp"
#include "weather/epw_reader.hpp"

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

// Chicago's year: the densest cell in the darkest colour of the scale, each sizing point from
// the hours a dark diamond where the geometry puts it, every label legible, in both styles and
// both units; the pictures are left in the build folder to be looked at.
TEST(ChartRender, AYearIsDrawnAsHoursPerCell) {
  std::ostringstream text;
  text << std::ifstream(VAPOREL_CHICAGO, std::ios::binary).rdbuf();
  const auto read = ReadEpw(text.str());
  ASSERT_TRUE(std::holds_alternative<WeatherYear>(read));
  const WeatherYear& year = std::get<WeatherYear>(read);
  const Zone zone = *BuiltInZone("datacenter-recommended");
  const WeatherSummary summary = Summarize(year, std::span(&zone, 1));
  const WeatherDrawing drawing = DrawingOf(year, summary);
  ASSERT_EQ(drawing.hours.size(), 8760u);
  for (const UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
    ChartGeometry geometry = BuildWeatherGeometry(drawing, units);
    AddZones(geometry, std::span(&zone, 1), std::vector<int>{summary.zones[0].inside});
    const auto densest = std::max_element(geometry.stateCells.cells.begin(), geometry.stateCells.cells.end(),
                                          [](const DensityCell& a, const DensityCell& b) { return a.count < b.count; });
    for (const ChartStyle style : {ChartStyle::Psychrometric, ChartStyle::Mollier}) {
      const std::string where = std::string(units == UnitSystem::SI ? "si" : "ip") +
                                (style == ChartStyle::Mollier ? "-mollier" : "-psychrometric");
      QImage image(1200, 800, QImage::Format_RGB32);
      QPainter painter(&image);
      const RenderedChart rendered = RenderChart(painter, QRectF(image.rect()), geometry, style, Numbers('.'));
      painter.end();
      image.save(QString::fromStdString(VAPOREL_ARTIFACT_DIR "/chart-weather-" + where + ".png"));
      const auto pixel = [&](ChartPoint at) {
        return image.pixelColor(rendered.pageToDevice.map(rendered.frame.toPage(at)).toPoint());
      };
      // Most of the densest cell (its inner part, where a curve may cross) is the darkest colour.
      int darkest = 0;
      for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
          const ChartPoint at{densest->corners[0].t + (densest->corners[2].t - densest->corners[0].t) * i / 6,
                              densest->corners[0].x + (densest->corners[2].x - densest->corners[0].x) * j / 6};
          darkest += pixel(at) == QColor(8, 29, 88);
        }
      }
      EXPECT_GE(darkest, 13) << where << " " << densest->count;
      int filled = 0;
      for (const ChartMark& mark : geometry.marks) {
        if (mark.hollow) continue;
        ++filled;
        EXPECT_EQ(pixel(mark.at), QColor(20, 20, 20)) << where << " " << mark.name;
      }
      EXPECT_EQ(filled, 3) << where;
      ExpectLegible(rendered, geometry, where);
    }
  }
}

}  // namespace
}  // namespace vaporel
