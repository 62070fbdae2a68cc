#include "properties/called_power.hpp"

#include <cmath>

namespace vaporel {

double CalledPower(double x, double y) {
  // A volatile exponent is a value the compiler cannot know, whatever it inlines.
  const volatile double exponent = y;
  return std::pow(x, exponent);
}

double CalledPower(double x, int n) { return n == 1 ? x : CalledPower(x, static_cast<double>(n)); }

}  // namespace vaporel
