// What one chart costs: its geometry, and the geometry drawn and encoded as the 1200 x 800
// PNG that vaporel-calc --chart writes, for one state and for a 10 000-point process line; and
// a year of weather (Chicago's 8 760 hours) counted in cells, drawn and encoded: target at
// most 200 ms.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <sstream>
#include <vector>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/geometry/weather_chart.hpp"
#include "chart/render/chart_file.hpp"
#include "chart/render/chart_renderer.hpp"
#include "weather/epw_reader.hpp"

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

// The chart drawn as vaporel-calc --chart draws it and encoded as PNG: the encoded size.
qint64 PngSize(const vaporel::ChartGeometry& geometry, const vaporel::Numbers& numbers) {
  QImage image(vaporel::kChartImageWidth, vaporel::kChartImageHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  vaporel::RenderChart(painter, QRectF(image.rect()), geometry, vaporel::ChartStyle::Psychrometric, numbers);
  painter.end();
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  image.save(&png, "PNG");
  return png.size();
}

void BmChartGeometry(benchmark::State& state) {
  const auto points = ProcessLine(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(vaporel::BuildChartGeometry(1.01325, points));
}
BENCHMARK(BmChartGeometry)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

void BmChartPng(benchmark::State& state) {
  const auto points = ProcessLine(static_cast<std::size_t>(state.range(0)));
  const vaporel::Numbers numbers('.');
  for (auto _ : state) benchmark::DoNotOptimize(PngSize(vaporel::BuildChartGeometry(1.01325, points), numbers));
}
BENCHMARK(BmChartPng)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

void BmYearDensityPng(benchmark::State& state) {
  std::ostringstream text;
  text << std::ifstream(VAPOREL_CHICAGO, std::ios::binary).rdbuf();
  const auto read = vaporel::ReadEpw(text.str());
  if (!std::holds_alternative<vaporel::WeatherYear>(read)) {
    state.SkipWithError("Chicago's year cannot be read");
    return;
  }
  const auto& year = std::get<vaporel::WeatherYear>(read);
  const vaporel::Zone zone = *vaporel::BuiltInZone("datacenter-recommended");
  const auto summary = vaporel::Summarize(year, std::span(&zone, 1));
  const auto drawing = vaporel::DrawingOf(year, summary);
  const vaporel::Numbers numbers('.');
  for (auto _ : state) {
    auto geometry = vaporel::BuildWeatherGeometry(drawing, vaporel::UnitSystem::SI);
    vaporel::AddZones(geometry, std::span(&zone, 1), std::vector<int>{summary.zones[0].inside});
    benchmark::DoNotOptimize(PngSize(geometry, numbers));
  }
}
BENCHMARK(BmYearDensityPng)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
