#include "properties/humid_air.hpp"

#include "properties/constants.hpp"
#include "properties/saturation.hpp"

namespace vaporel {

double AbsHumidity(double t, double phi, double p) { return AbsHumidityAt(SatPressure(t), phi, p); }

double AbsHumidityAt(double ps, double phi, double p) {
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
