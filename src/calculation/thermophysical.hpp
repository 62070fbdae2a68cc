#pragma once
// The four transport and caloric properties of a resolved state.

#include "calculation/air_state.hpp"

namespace vaporel {

ThermoProps ThermophysicalProperties(const AirState& state);

}  // namespace vaporel
