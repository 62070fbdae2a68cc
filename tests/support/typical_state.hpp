#pragma once
// The typical state, pair 1 at 1.01325 bar, 20 °C and 50 %, as the thirteen result labels
// l7 to l19 show it with the point as decimal separator.

#include <array>

namespace vaporel::testing {

inline constexpr std::array<const char*, 13> kTypicalStateTexts = {
    "1.013",   "20.00", "13.73",  "9.27",     "0.00725",   "1.1987", "38.49",
    "0.01168", "50.0",  "1.0189", "0.025976", "1.803E-05", "0.702"};

}  // namespace vaporel::testing
