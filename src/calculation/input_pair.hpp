#pragma once
// The five input pairs, numbered as the selector lists them; None while no entry is selected.

#include <array>
#include <cstddef>
#include <string_view>

namespace vaporel {

enum class InputPair {
  None = 0,
  DryBulbHumidity = 1,      // "Dry Bulb Temperature & Relative Humidity"
  DryWetBulb = 2,           // "Dry & Wet Bulb Temperature"
  DryBulbEnthalpy = 3,      // "Dry Bulb Temperature & Enthalpy"
  AbsHumidityEnthalpy = 4,  // "Absolute Humidity & Enthalpy"
  DryBulbAbsHumidity = 5,   // "Dry Bulb Temperature & Absolute Humidity"
};

// The pair numbered 1 to 5; any other number selects none.
constexpr InputPair InputPairFromNumber(int number) {
  return number >= 1 && number <= 5 ? static_cast<InputPair>(number) : InputPair::None;
}

// The pair at a zero-based position of the selector's list; -1 (no entry) selects none.
constexpr InputPair InputPairFromListIndex(int listIndex) { return InputPairFromNumber(listIndex + 1); }

// By pair; the fifth pair's captions are in title case, as the window has always shown them.
inline constexpr std::array<std::array<std::string_view, 2>, 5> kInputCaptions = {{
    {"Dry bulb temperature [oC] ", "Relative humidity [%] "},
    {"Dry bulb temperature [oC] ", "Wet bulb temperature [oC] "},
    {"Dry bulb temperature [oC] ", "Enthalpy [kJ/kg] "},
    {"Absolute humidity [-] ", "Enthalpy [kJ/kg] "},
    {"Dry Bulb Temperature [oC] ", "Absolute Humidity [-] "},
}};

// The captions of the pair's two inputs, as the window shows them beside its fields; empty
// for None.
constexpr std::array<std::string_view, 2> InputCaptions(InputPair pair) {
  if (pair == InputPair::None) return {};
  return kInputCaptions[static_cast<std::size_t>(pair) - 1];
}

}  // namespace vaporel
