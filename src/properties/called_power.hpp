#pragma once

namespace vaporel {

// t to the integer power n, n >= 1, as a call of std::pow computes it (t itself for n = 1:
// std::pow(t, 1) is t exactly). Defined out of line so that the compiler cannot turn
// std::pow(t, 2) into t * t, which differs in the last bit for some t: the saturation fits
// are defined by std::pow's values.
double CalledPower(double t, int n);

}  // namespace vaporel
