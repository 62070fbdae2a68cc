#pragma once
// Adiabatic mixing of streams of humid air.

#include <span>

#include "process/outcome.hpp"

namespace vaporel::process {

// The mixture of the streams at p [bar] by their fractions of the dry-air mass flow
// (positive, summing to 1): x and h are the mass-weighted means. Fog is refused.
Outcome Mix(double p, std::span<const AirState> streams, std::span<const double> fractions);

}  // namespace vaporel::process
