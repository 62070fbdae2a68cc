#include "chart/hover_text.hpp"

#include <cmath>
#include <variant>

#include "calculation/formulation_state.hpp"
#include "calculation/resolve_state.hpp"
#include "calculation/result_texts.hpp"

namespace vaporel {
namespace {

// Positions in kResultFields.
constexpr std::size_t kTdb = 1, kTwb = 2, kX = 4, kH = 6, kRH = 8;

}  // namespace

std::string HoverText(ChartPoint point, double p, const Numbers& numbers, UnitSystem units,
                      const Formulation& formulation) {
  if (!std::isfinite(point.t) || !std::isfinite(point.x) || point.x < 0) return {};
  // A result field's value in the units shown, with its unit (none for x, as the labels).
  const auto shown = [&](std::size_t field, double value, bool unit = true) {
    const std::string text =
        numbers.format(ToUnits(kResultFields[field].quantity, units, value), kResultFields[field].pattern);
    return unit ? text + " " + std::string(UnitName(kResultFields[field].quantity, units)) : text;
  };
  std::string text = "tdb " + shown(kTdb, point.t) + "   x " + shown(kX, point.x, units == UnitSystem::IP);
  const Resolution resolution = formulation.id() == FormulationId::Design
                                    ? ResolveState(InputPair::DryBulbAbsHumidity, p, point.t, point.x)
                                    : ResolveIn(formulation, p, {Property::Tdb, point.t}, {Property::X, point.x});
  const auto* state = std::get_if<AirState>(&resolution);
  if (!state) return text + "   beyond saturation";
  return text + "   RH " + shown(kRH, state->RH) + "   h " + shown(kH, state->h) + "   twb " + shown(kTwb, state->twb);
}

}  // namespace vaporel
