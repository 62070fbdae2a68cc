#include "chart/geometry/hour_density.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/geometry/one_two_five.hpp"

namespace vaporel {
namespace {

// A cell's size in the units shown: temperature, and humidity in the chart's humidity unit.
struct CellSize {
  double t;           // [°C] or [°F]
  Quantity humidity;  // kg/kg in SI, gr/lb in IP
  double x;           // in that unit
  const char* text;
};

CellSize CellSizeOf(UnitSystem units) {
  if (units == UnitSystem::IP) return {2, Quantity::GrainsPerPound, 5, "2 oF × 5 gr/lb"};
  return {1, Quantity::HumidityRatio, 0.0005, "1 K × 0.5 g/kg"};
}

// Cells are numbered far from any real index limit: a point beyond is not counted.
constexpr double kMaxIndex = 1e9;

}  // namespace

HourDensity CountInCells(std::span<const ChartPoint> points, UnitSystem units, std::string counted) {
  const CellSize size = CellSizeOf(units);
  std::vector<std::pair<long, long>> indices;
  indices.reserve(points.size());
  for (const ChartPoint& point : points) {
    const double column = std::floor(ToUnits(Quantity::Temperature, units, point.t) / size.t);
    const double row = std::floor(ToUnits(size.humidity, units, point.x) / size.x);
    if (!(std::abs(column) < kMaxIndex && std::abs(row) < kMaxIndex)) continue;  // NaN and infinities too
    indices.emplace_back(static_cast<long>(column), static_cast<long>(row));
  }
  std::sort(indices.begin(), indices.end());
  HourDensity density{std::move(counted), size.text, {}, 0};
  const auto edge = [&](long column, long row) {
    return ChartPoint{FromUnits(Quantity::Temperature, units, static_cast<double>(column) * size.t),
                      FromUnits(size.humidity, units, static_cast<double>(row) * size.x)};
  };
  for (std::size_t first = 0; first < indices.size();) {
    std::size_t last = first;
    while (last < indices.size() && indices[last] == indices[first]) ++last;
    const auto [column, row] = indices[first];
    DensityCell cell{{edge(column, row), edge(column + 1, row), edge(column + 1, row + 1), edge(column, row + 1)},
                     static_cast<long>(last - first)};
    density.most = std::max(density.most, cell.count);
    density.cells.push_back(cell);
    first = last;
  }
  return density;
}

std::vector<long> DensityClassStarts(long most) {
  std::vector<long> starts{1};
  for (int index = 1; static_cast<int>(starts.size()) < kDensityClasses; ++index) {
    const auto next = static_cast<long>(OneTwoFiveStep(index));
    if (next > most) break;
    starts.push_back(next);
  }
  return starts;
}

std::size_t DensityClassOf(long count, std::span<const long> starts) {
  const auto above = std::upper_bound(starts.begin(), starts.end(), count);
  return above == starts.begin() ? 0 : static_cast<std::size_t>(above - starts.begin() - 1);
}

}  // namespace vaporel
