// What one chart costs: its geometry, and the geometry drawn and encoded as the 1200 x 800
// PNG that vaporel-calc --chart writes, for one state and for a 10 000-point process line.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_file.hpp"
#include "chart/render/chart_renderer.hpp"

namespace {

using vaporel::ChartPoint;

std::vector<ChartPoint> ProcessLine(std::size_t points) {
  std::vector<ChartPoint> line;
  for (std::size_t i = 0; i < points; ++i) {
    const double s = static_cast<double>(i) / static_cast<double>(points);
    line.push_back({35 - 20 * s, 0.012 - 0.006 * s});
  }
  return line;
}

void BmChartGeometry(benchmark::State& state) {
  const auto points = ProcessLine(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(vaporel::BuildChartGeometry(1.01325, points));
}
BENCHMARK(BmChartGeometry)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

void BmChartPng(benchmark::State& state) {
  const auto points = ProcessLine(static_cast<std::size_t>(state.range(0)));
  const vaporel::Numbers numbers('.');
  for (auto _ : state) {
    const auto geometry = vaporel::BuildChartGeometry(1.01325, points);
    QImage image(vaporel::kChartImageWidth, vaporel::kChartImageHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    vaporel::RenderChart(painter, QRectF(image.rect()), geometry, vaporel::ChartStyle::Psychrometric, numbers);
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    benchmark::DoNotOptimize(png.size());
  }
}
BENCHMARK(BmChartPng)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
