#pragma once
// The five input pairs, numbered as the selector lists them; None while no entry is selected.

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

}  // namespace vaporel
