#pragma once
// The thirteen result texts as the result labels l7 to l19 show them.

#include <array>
#include <string>
#include <string_view>

#include "calculation/air_state.hpp"
#include "calculation/quantity.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {

struct ResultField {
  std::string_view label;    // "l7" .. "l19"
  std::string_view symbol;   // "p", "tdb", ... "Pr"
  std::string_view pattern;  // "##0.000", ...
  Quantity quantity;         // what its unit is, in SI and IP
};

// l7 p, l8 tdb, l9 twb, l10 tdp, l11 x, l12 ro, l13 h, l14 pv, l15 RH, l16 cp, l17 lam, l18 mi, l19 Pr.
extern const std::array<ResultField, 13> kResultFields;

std::array<double, 13> ResultValues(const AirState& state, const ThermoProps& props);
std::array<std::string, 13> ResultTexts(const AirState& state, const ThermoProps& props, const Numbers& numbers);

}  // namespace vaporel
