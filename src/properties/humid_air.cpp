#include "properties/humid_air.hpp"

#include "properties/saturation.hpp"

namespace vaporel {
namespace {

constexpr double kMolarMassRatio = 0.62198;  // water vapour / dry air [-]

// Enthalpy of humid air: mean specific heats that rise linearly with t.
constexpr double kDryAirHeat = 1.0029;      // [kJ/(kg K)]
constexpr double kDryAirHeatSlope = 5.4e-5;  // [kJ/(kg K^2)]
constexpr double kVaporisationHeat = 2500.84;  // at 0 °C [kJ/kg]
constexpr double kVapourHeat = 1.856;          // [kJ/(kg K)]
constexpr double kVapourHeatSlope = 0.0002;    // [kJ/(kg K^2)]

}  // namespace

double AbsHumidity(double t, double phi, double p) {
  const double ps = SatPressure(t);
  const double numerator = ((kMolarMassRatio * phi) / 100) * ps;
  const double denominator = p - (phi / 100) * ps;
  return numerator / denominator;
}

double Enthalpy(double t, double x) {
  const double dryAir = (kDryAirHeat + kDryAirHeatSlope * t) * t;
  const double vapour = x * (kVaporisationHeat + (kVapourHeat + kVapourHeatSlope * t) * t);
  return dryAir + vapour;
}

}  // namespace vaporel
