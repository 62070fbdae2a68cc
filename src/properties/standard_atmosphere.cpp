#include "properties/standard_atmosphere.hpp"

#include <limits>

#include "properties/called_power.hpp"

namespace vaporel {
namespace {

constexpr double kSeaLevel = 101.325;  // [kPa]
constexpr double kLapse = 2.25577e-5;  // [1/m]
constexpr double kExponent = 5.2559;   // [-]
constexpr double kKilopascalPerBar = 100;

}  // namespace

double StandardAtmospherePressure(double altitude) {
  const double base = 1 - kLapse * altitude;
  if (!(base > 0)) return std::numeric_limits<double>::quiet_NaN();
  return kSeaLevel * CalledPower(base, kExponent) / kKilopascalPerBar;
}

}  // namespace vaporel
