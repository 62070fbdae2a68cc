// The renderer puts the state where the geometry says, in both styles, on any target size.
#include <gtest/gtest.h>

#include <QImage>

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

}  // namespace
}  // namespace vaporel
