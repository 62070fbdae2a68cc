#include "chart/render/chart_style.hpp"

namespace vaporel {

std::optional<ChartStyle> ChartStyleNamed(std::string_view name) {
  if (name == "psychrometric") return ChartStyle::Psychrometric;
  if (name == "mollier") return ChartStyle::Mollier;
  return std::nullopt;
}

}  // namespace vaporel
