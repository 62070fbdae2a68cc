#pragma once
// Many states on the chart as a density: how many fall in each cell of dry-bulb temperature
// and absolute humidity, cells of 1 K × 0.5 g/kg (2 oF × 5 gr/lb in IP) on round values of
// the units shown, and the classes of a colour scale for the counts (1, 2–4, 5–9, 10–19, ...).

#include <span>
#include <string>
#include <vector>

#include "chart/geometry/chart_view.hpp"
#include "units/units.hpp"

namespace vaporel {

struct DensityCell {
  ChartPoint corners[4];  // SI; lower left, lower right, upper right, upper left in (tdb, x)
  long count = 0;
};

struct HourDensity {
  std::string counted;             // what a count is of, for the legend ("hours", "rows")
  std::string cell;                // the cell's size in the units shown ("1 K × 0.5 g/kg")
  std::vector<DensityCell> cells;  // the cells that hold any, from the lowest temperature up
  long most = 0;                   // the largest count
};

// The finite points counted in cells of the units' size.
HourDensity CountInCells(std::span<const ChartPoint> points, UnitSystem units, std::string counted);

// The colour scale's classes for counts up to `most`: the lowest count of each (1, 2, 5, 10,
// 20, 50, ...), at most `kDensityClasses` of them, the last open-ended.
inline constexpr int kDensityClasses = 9;
std::vector<long> DensityClassStarts(long most);
// The class of a count among those starts.
std::size_t DensityClassOf(long count, std::span<const long> starts);

}  // namespace vaporel
