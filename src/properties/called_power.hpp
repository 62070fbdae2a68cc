#pragma once

namespace vaporel {

// x to the power y exactly as a call of the C library's pow computes it. Out of line, and
// with the exponent hidden from the optimiser, so that no compiler at any level turns
// pow(x, 2) into x * x or pow(x, 0.5) into sqrt(x): those differ from pow in the last bit
// for some x, and the program's results are defined by pow's values.
double CalledPower(double x, double y);
// The same for an integer exponent n >= 1 (x itself for n = 1: pow(x, 1) is x exactly).
double CalledPower(double x, int n);

}  // namespace vaporel
