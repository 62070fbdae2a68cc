#include "batch/chart_mode.hpp"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/geometry/project_chart.hpp"
#include "chart/geometry/weather_chart.hpp"
#include "chart/render/chart_file.hpp"
#include "project/project_figures.hpp"

namespace vaporel {

ChartRequestOrProblem MakeChartRequest(const std::string& out, const std::string& styleName) {
  if (out.empty()) return {std::nullopt, "--chart needs the file to write"};
  if (!ChartFormatOf(out)) return {std::nullopt, "--chart writes .png, .svg or .pdf files, not " + out};
  const auto style = ChartStyleNamed(styleName);
  if (!style) return {std::nullopt, "--chart-style must be psychrometric or mollier, not " + styleName};
  return {ChartRequest{out, *style, UnitSystem::SI, {}}, {}};
}

std::optional<ChartAs> ChartAsNamed(std::string_view name) {
  if (name == "line") return ChartAs::Line;
  if (name == "points") return ChartAs::Points;
  if (name == "density") return ChartAs::Density;
  return std::nullopt;
}

void ProcessLine::add(const AirState& state) {
  if (points_.empty()) p_ = state.p;
  if (state.p != p_) {
    ++elsewhere_;
    return;
  }
  points_.push_back({state.tdb, state.x});
}

namespace {

bool WriteChart(const ChartRequest& request, const ChartGeometry& geometry, const Numbers& numbers) {
  // Fonts need a GUI application; the offscreen platform needs no display.
  std::unique_ptr<QGuiApplication> app;
  if (QCoreApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notices (a missing runtime folder, say) are not the calculator's output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    static int argc = 1;
    static char name[] = "vaporel-calc";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  const auto failure = WriteChartFile(request.out, geometry, request.style, numbers);
  if (failure) std::fprintf(stderr, "vaporel-calc: %s: %s\n", request.out.c_str(), failure->c_str());
  return !failure;
}

}  // namespace

bool WriteBatchChart(const ChartRequest& request, double p, const std::vector<ChartPoint>& points,
                     const Numbers& numbers) {
  ChartGeometry geometry = BuildChartGeometry(p, points, request.units);
  if (request.as == ChartAs::Points) geometry.statesJoined = false;
  if (request.as == ChartAs::Density) {
    geometry.states.clear();
    geometry.stateCells = CountInCells(points, request.units, "rows");
  }
  AddZones(geometry, request.zones);
  return WriteChart(request, geometry, numbers);
}

bool WriteWeatherChart(const ChartRequest& request, const WeatherDrawing& drawing, const std::vector<int>& inside,
                       const Numbers& numbers) {
  ChartGeometry geometry = BuildWeatherGeometry(drawing, request.units);
  AddZones(geometry, request.zones, inside);
  return WriteChart(request, geometry, numbers);
}

bool WriteProjectChart(const ChartRequest& request, const SolvedProject& project, const Numbers& numbers) {
  ChartGeometry geometry = BuildProcessDrawingGeometry(DrawingOf(project), request.units);
  AddZones(geometry, request.zones);
  return WriteChart(request, geometry, numbers);
}

}  // namespace vaporel
