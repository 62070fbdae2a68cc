#include "properties/shared_relations.hpp"

#include "properties/called_power.hpp"
#include "properties/saturation.hpp"

namespace vaporel {
namespace {

constexpr double kGasConstant = 461.56;  // of water vapour, as the density relation uses it [J/(kg K)]
constexpr double kPascalPerBar = 100000;

}  // namespace

double Density(double x, double p, double tdb) {
  return ((1 + x) / ((kMolarMassRatio + x) * kGasConstant) * p * kPascalPerBar) / (tdb + kKelvinOffset);
}

double VapourPressure(double x, double p) { return x * p / (kMolarMassRatio + x); }

double RelativeHumidity(double x, double p, double ps) { return 100 * x * p / (ps * (kMolarMassRatio + x)); }

double AbsHumidityFromEnthalpy(double h, double tdb) {
  return (h - tdb * (kDryAirHeat + kDryAirHeatSlope * tdb)) /
         (kVaporisationHeat + tdb * (kVapourHeat + kVapourHeatSlope * tdb));
}

double DryBulbFromAbsHumidityEnthalpy(double x, double h) {
  const double A = kDryAirHeatSlope + kVapourHeatSlope * x;
  const double B = kDryAirHeat + kVapourHeat * x;
  return (-B + CalledPower(B * B + 4 * A * (h - kVaporisationHeat * x), 0.5)) / (A * 2);
}

double DewPointOrDry(bool dry, double pvd) {
  if (dry) return kDryAirDewPoint;
  // Below -40 °C the frost-point fit leaves the range it was made for and soon turns round
  // (1e-5 bar would give +78 °C, 1e-6 bar thousands of degrees). There the dew point is
  // what the fit stands for: the temperature at which SatPressure reaches pvd.
  static const double lowestFitPressure = SatPressure(kLowestFitTemperature);
  if (pvd < lowestFitPressure) return SatPressureInverse(pvd);
  return DewPoint(pvd);
}

}  // namespace vaporel
