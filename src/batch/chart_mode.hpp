#pragma once
// vaporel-calc --chart OUT: the chart of the state (or of a CSV batch's accepted rows, joined
// in row order, as points or as a density; of a project; of a year of weather) written as
// PNG, SVG or PDF, drawn without a display.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/air_state.hpp"
#include "calculation/zone.hpp"
#include "chart/geometry/chart_view.hpp"
#include "chart/render/chart_style.hpp"
#include "numbers/numbers.hpp"
#include "project/solve_project.hpp"
#include "units/units.hpp"
#include "weather/weather_drawing.hpp"

namespace vaporel {

// How a CSV batch's states are drawn: joined in row order, as points, or counted in cells.
enum class ChartAs { Line, Points, Density };
std::optional<ChartAs> ChartAsNamed(std::string_view name);  // "line", "points", "density"

struct ChartRequest {
  std::string out;
  ChartStyle style = ChartStyle::Psychrometric;
  UnitSystem units = UnitSystem::SI;
  std::vector<Zone> zones;  // drawn as tinted regions
  ChartAs as = ChartAs::Line;
};

// The request for --chart OUT and --chart-style NAME, or the usage problem to report.
struct ChartRequestOrProblem {
  std::optional<ChartRequest> request;
  std::string problem;
};
ChartRequestOrProblem MakeChartRequest(const std::string& out, const std::string& styleName);

// The accepted states of a batch at one pressure, the first accepted row's: rows at
// another pressure are counted, not plotted.
class ProcessLine {
 public:
  void add(const AirState& state);
  bool empty() const { return points_.empty(); }
  double pressure() const { return p_; }
  const std::vector<ChartPoint>& points() const { return points_; }
  long elsewhere() const { return elsewhere_; }

 private:
  double p_ = 0;
  std::vector<ChartPoint> points_;
  long elsewhere_ = 0;
};

// Writes the chart at p with the points. On failure prints "vaporel-calc: OUT: cause" on
// stderr and returns false; an existing OUT is then left as it was.
bool WriteBatchChart(const ChartRequest& request, double p, const std::vector<ChartPoint>& points,
                     const Numbers& numbers);

// The same for a solved project: its states by name and its processes as arrows.
bool WriteProjectChart(const ChartRequest& request, const SolvedProject& project, const Numbers& numbers);

// The same for a year of weather: its hours as a density, the request's zones with the hours
// inside each (`inside`, in the zones' order), its sizing conditions marked.
bool WriteWeatherChart(const ChartRequest& request, const WeatherDrawing& drawing, const std::vector<int>& inside,
                       const Numbers& numbers);

}  // namespace vaporel
