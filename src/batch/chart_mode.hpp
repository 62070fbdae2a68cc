#pragma once
// vaporel-calc --chart OUT: the chart of the state (or of a CSV batch's accepted rows,
// joined in row order) written as PNG, SVG or PDF, drawn without a display.

#include <optional>
#include <string>
#include <vector>

#include "calculation/air_state.hpp"
#include "calculation/zone.hpp"
#include "chart/geometry/chart_view.hpp"
#include "chart/render/chart_style.hpp"
#include "numbers/numbers.hpp"
#include "project/solve_project.hpp"
#include "units/units.hpp"

namespace vaporel {

struct ChartRequest {
  std::string out;
  ChartStyle style = ChartStyle::Psychrometric;
  UnitSystem units = UnitSystem::SI;
  std::vector<Zone> zones;  // drawn as tinted regions
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

}  // namespace vaporel
