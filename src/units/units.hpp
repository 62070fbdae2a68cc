#pragma once
// The units a user reads and writes: SI as the engine computes (bar, °C, kJ/kg), or IP (psia,
// °F, Btu/lb with dry air at 0 °F and liquid water at 32 °F as zero). The engine stays SI;
// values are converted here, at the edges, and nowhere else.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "calculation/air_state.hpp"
#include "calculation/any_pair.hpp"
#include "calculation/quantity.hpp"

namespace vaporel {

enum class UnitSystem { SI, IP };

// "si" or "ip", in any case ("IP").
std::optional<UnitSystem> UnitSystemNamed(std::string_view name);
std::string_view UnitSystemName(UnitSystem units);

// The value shown in `units` for a value in SI, and back.
double ToUnits(Quantity quantity, UnitSystem units, double si);
double FromUnits(Quantity quantity, UnitSystem units, double value);

// The unit's name as headers and axes write it, in ASCII ("oF", "Btu/lb", "kg/m3").
std::string_view UnitName(Quantity quantity, UnitSystem units);

// The thirteen results of a state in `units`; where the user gave a value in these units (the
// pressure, one of the state's two), that value exactly as given, not its round trip through SI.
std::array<double, 13> ResultValuesIn(UnitSystem units, const AirState& state, const ThermoProps& props,
                                      std::optional<double> givenPressure = std::nullopt,
                                      std::span<const Given> given = {});

// The quantity of a state property given as input (tdb: Temperature, RH: Percent, ...).
Quantity QuantityOf(Property property);

}  // namespace vaporel
