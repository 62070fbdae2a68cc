#include "chart/hover_text.hpp"

#include <cmath>
#include <variant>

#include "calculation/resolve_state.hpp"
#include "calculation/result_texts.hpp"

namespace vaporel {
namespace {

// Positions in kResultFields.
constexpr std::size_t kTdb = 1, kTwb = 2, kX = 4, kH = 6, kRH = 8;

std::string Shown(const Numbers& numbers, std::size_t field, double value) {
  return numbers.format(value, kResultFields[field].pattern);
}

}  // namespace

std::string HoverText(ChartPoint point, double p, const Numbers& numbers) {
  if (!std::isfinite(point.t) || !std::isfinite(point.x) || point.x < 0) return {};
  std::string text = "tdb " + Shown(numbers, kTdb, point.t) + " oC   x " + Shown(numbers, kX, point.x);
  const Resolution resolution = ResolveState(InputPair::DryBulbAbsHumidity, p, point.t, point.x);
  const auto* state = std::get_if<AirState>(&resolution);
  if (!state) return text + "   beyond saturation";
  return text + "   RH " + Shown(numbers, kRH, state->RH) + " %   h " + Shown(numbers, kH, state->h) + " kJ/kg   twb " +
         Shown(numbers, kTwb, state->twb) + " oC";
}

}  // namespace vaporel
