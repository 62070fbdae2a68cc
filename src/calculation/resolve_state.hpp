#pragma once
// The Calculate command's resolution of a state from the input pair and the three
// field values, as a pure function shared by the window and the batch calculator.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calculation/air_state.hpp"
#include "calculation/input_pair.hpp"

namespace vaporel {

// The three input fields: Text2 (pressure), Text3 (first value), Text4 (second value).
enum class InputField { Pressure, First, Second };

// A command that refuses: the message box to show, then the fields to empty (in this
// order) and the field to focus. Title "Error", critical icon.
struct Refusal {
  std::string message;
  std::vector<InputField> emptied;
  std::optional<InputField> focus;
};

using Resolution = std::variant<AirState, Refusal>;

// pair: 1 "Dry Bulb Temperature & Relative Humidity", 2 "Dry & Wet Bulb Temperature",
// 3 "Dry Bulb Temperature & Enthalpy", 4 "Absolute Humidity & Enthalpy",
// 5 "Dry Bulb Temperature & Absolute Humidity". p [bar]; first and second in the pair's units.
Resolution ResolveState(InputPair pair, double p, double first, double second);

}  // namespace vaporel
