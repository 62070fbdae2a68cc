#pragma once
// A state from any two of tdb, twb, tdp, x, h and RH at p: the window's five pairs as the
// window resolves them, and the eight others through the same functions. In this program the
// wet bulb is fixed by the enthalpy and the dew point by the humidity ratio, so twb with h and
// tdp with x fix no state.

#include <optional>
#include <string>
#include <string_view>

#include "calculation/input_pair.hpp"
#include "calculation/resolve_state.hpp"

namespace vaporel {

enum class Property { Tdb, Twb, Tdp, X, H, RH };

// "tdb", "twb", "tdp", "x", "h", "RH".
std::string_view PropertyName(Property property);
std::optional<Property> PropertyNamed(std::string_view name);

struct Given {
  Property property;
  double value;  // °C, kg/kg, kJ/kg or %
};

// Given values by property: each where given.
struct GivenValues {
  std::optional<double> tdb, twb, tdp, x, h, RH;
  GivenValues() = default;
  GivenValues(Given a, Given b) {
    set(a);
    set(b);
  }
  void set(Given g);
};

// The window's pair for these two properties in this order (first, second), or None.
InputPair WindowPair(Property a, Property b);

// The state at p [bar] with both given values; a refusal names what is wrong. The window's
// pairs are resolved by ResolveState without the window's field checks; the others are
// checked here: 0.1 to 10 bar, RH 0 to 100 %, tdp and twb not above tdb, the state at or
// below saturation and below boiling.
Resolution ResolveAnyPair(double p, Given a, Given b);

// What is wrong with two given values before any state is sought, in any formulation: the
// same property twice, p outside 0.1 to 10 bar, RH outside 0 to 100 %, a negative x, tdp or
// twb above tdb.
std::optional<std::string> GivenProblem(double p, Given a, Given b);

}  // namespace vaporel
