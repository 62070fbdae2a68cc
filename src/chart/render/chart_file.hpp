#pragma once
// A chart saved as PNG (1200 x 800 pixels), SVG or PDF (one landscape A4 page), chosen by
// the file name's extension. The file is written whole or not at all: into a temporary
// file beside it, renamed over it only when complete.

#include <optional>
#include <string>
#include <string_view>

#include "chart/geometry/chart_geometry.hpp"
#include "chart/render/chart_style.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {

enum class ChartFormat { Png, Svg, Pdf };

// ".png", ".svg" or ".pdf" in any case; nullopt for any other name.
std::optional<ChartFormat> ChartFormatOf(std::string_view path);

inline constexpr int kChartImageWidth = 1200;
inline constexpr int kChartImageHeight = 800;

// nullopt when the file was written; otherwise the cause ("No such file or directory").
std::optional<std::string> WriteChartFile(const std::string& path, const ChartGeometry& geometry, ChartStyle style,
                                          const Numbers& numbers);

}  // namespace vaporel
