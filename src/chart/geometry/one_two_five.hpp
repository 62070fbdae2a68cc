#pragma once
// The round steps a chart spaces its lines and ticks by: 1, 2 and 5 times a power of ten.

#include <array>
#include <cmath>

namespace vaporel {

// The index-th such step: 0 is 1, 1 is 2, 2 is 5, 3 is 10, -1 is 0.5, -3 is 0.1. A power
// below zero divides, so that 0.1 is the double nearest a tenth.
inline double OneTwoFiveStep(int index) {
  constexpr std::array<double, 3> kMantissas = {1.0, 2.0, 5.0};
  const int power = index >= 0 ? index / 3 : -((2 - index) / 3);
  const double mantissa = kMantissas[static_cast<std::size_t>(index - 3 * power)];
  return power < 0 ? mantissa / std::pow(10.0, -power) : mantissa * std::pow(10.0, power);
}

}  // namespace vaporel
