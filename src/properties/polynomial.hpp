#pragma once
// The way every fit of this program is evaluated: from the highest power down,
// accumulating left to right, each power taken by std::pow (not Horner's scheme),
// so that results match the published reference values to the last digit.

#include <array>
#include <cmath>
#include <cstddef>

namespace vaporel {

// Coefficients from the highest power down to the constant term.
template <std::size_t N>
using Coefficients = std::array<double, N>;

template <std::size_t N>
double SumFromHighestPower(const Coefficients<N>& c, double t) {
  double sum = c[0] * std::pow(t, static_cast<int>(N - 1));
  for (std::size_t i = 1; i + 1 < N; ++i) {
    sum += c[i] * std::pow(t, static_cast<int>(N - 1 - i));
  }
  sum += c[N - 1];
  return sum;
}

}  // namespace vaporel
