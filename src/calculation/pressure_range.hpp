#pragma once
// The pressures the program resolves states at, and the one test of them.

namespace vaporel {

inline constexpr double kLowestPressure = 0.1;  // [bar]
inline constexpr double kHighestPressure = 10;  // [bar]

inline bool InPressureRange(double p) { return p >= kLowestPressure && p <= kHighestPressure; }

}  // namespace vaporel
