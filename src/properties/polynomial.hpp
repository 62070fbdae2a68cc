#pragma once
// The way every fit of this program is evaluated: from the highest power down,
// accumulating left to right, each power as the C library's pow gives it (not Horner's
// scheme), so that results match the published reference values to the last digit.

#include <array>
#include <cstddef>

#include "properties/certified_powers.hpp"

namespace vaporel {

// Coefficients from the highest power down to the constant term.
template <std::size_t N>
using Coefficients = std::array<double, N>;

// power[k] = t^k (PowersAsPow, with any square the fit takes as t * t put in place).
template <std::size_t N>
double SumFromHighestPower(const Coefficients<N>& c, const PowerTable& power) {
  static_assert(N >= 2 && N - 1 <= kHighestPower);
  double sum = c[0] * power[N - 1];
  for (std::size_t i = 1; i + 1 < N; ++i) sum += c[i] * power[N - 1 - i];
  sum += c[N - 1];
  return sum;
}

// The same table with t^2 the product t * t: the fits whose square the optimising compiler
// has always taken as a product keep it.
inline PowerTable WithProductSquare(PowerTable power) {
  power[2] = power[1] * power[1];
  return power;
}

}  // namespace vaporel
