#include "properties/called_power.hpp"

#include <cmath>

namespace vaporel {

double CalledPower(double t, int n) { return n == 1 ? t : std::pow(t, n); }

}  // namespace vaporel
