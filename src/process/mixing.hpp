#pragma once
// Adiabatic mixing of streams of humid air.

#include <span>

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

// How far the fractions' sum may stray from 1: their decimal digits as typed.
inline constexpr double kFractionSumTolerance = 1e-9;
inline bool SumsToOne(std::span<const double> fractions) {
  double sum = 0;
  for (const double f : fractions) sum += f;
  return sum - 1 <= kFractionSumTolerance && 1 - sum <= kFractionSumTolerance;
}

// The mixture of the streams at p [bar] by their fractions of the dry-air mass flow
// (positive, summing to 1): x and h are the mass-weighted means. Fog is refused.
Outcome Mix(double p, std::span<const AirState> streams, std::span<const double> fractions,
            const Formulation& f = DesignFormulation());

}  // namespace vaporel::process
