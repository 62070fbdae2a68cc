#pragma once
// The two ways of drawing the same geometry.

#include <optional>
#include <string_view>

namespace vaporel {

enum class ChartStyle {
  Psychrometric,  // dry bulb across, absolute humidity up the right-hand side
  Mollier,        // the h-x diagram: absolute humidity across, enthalpy in oblique coordinates
};

// "psychrometric" or "mollier"; nullopt for any other name.
std::optional<ChartStyle> ChartStyleNamed(std::string_view name);

}  // namespace vaporel
