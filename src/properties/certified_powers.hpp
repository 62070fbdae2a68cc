#pragma once
// The integer powers the fits need, with the bits of the C library's pow, at a fraction of
// its cost: by exact products wherever the rounding of the exact value is certified to be
// pow's result, by pow itself elsewhere.

#include <array>

namespace vaporel {

// power[k] = t^k for k = 0 .. highest; the entries above highest are 0.
inline constexpr int kHighestPower = 6;
using PowerTable = std::array<double, kHighestPower + 1>;

// t^2 .. t^highest (2 <= highest <= 6), each bit for bit what std::pow(t, k) returns.
// Fused multiply-add where the processor has it, split products elsewhere (chosen once).
PowerTable PowersAsPow(double t, int highest);

// The table with the powers pow was called for (bit k of calledPow set: t^k is pow's own
// result, its rounding not certified), from either way of taking the exact products.
struct CertifiedPowers {
  PowerTable power{};
  unsigned calledPow = 0;
};
CertifiedPowers PowersBySplitProducts(double t, int highest);
CertifiedPowers PowersByFusedMultiplyAdd(double t, int highest);  // only where FMA is present
bool ProcessorHasFusedMultiplyAdd();

// The routine PowersAsPow uses. Replaceable, so that the benchmarks can time the fits with
// every power a call of pow beside the certified powers; returns the routine it replaced.
using PowersRoutine = CertifiedPowers (*)(double t, int highest);
PowersRoutine UsePowersRoutine(PowersRoutine routine);

}  // namespace vaporel
