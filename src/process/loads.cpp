#include "process/loads.hpp"

#include <limits>

namespace vaporel::process {
namespace {

constexpr double kSecondsPerHour = 3600;

}  // namespace

Loads ProcessLoads(const AirState& in, const Leaving& out, std::optional<double> massFlow, const Formulation& f) {
  const double m = massFlow.value_or(1);
  const double perHour = massFlow ? kSecondsPerHour : 1;
  Loads loads;
  loads.massFlow = massFlow;
  loads.total = m * (out.state.h - in.h);
  loads.sensible = m * (f.enthalpy(out.state.tdb, in.x) - f.enthalpy(in.tdb, in.x));
  loads.latent = loads.total - loads.sensible;
  loads.shr = loads.total != 0 ? loads.sensible / loads.total : std::numeric_limits<double>::quiet_NaN();
  loads.water = m * (out.state.x - in.x) * perHour;
  if (out.coil) loads.condensateHeat = m * (in.x - out.state.x) * kWaterSpecificHeat * out.coil->adp;
  return loads;
}

Loads MixingLoads(std::optional<double> massFlow) {
  Loads loads;
  loads.massFlow = massFlow;
  loads.shr = std::numeric_limits<double>::quiet_NaN();
  return loads;
}

double DryAirMassFlow(const AirState& at, double volumePerHour) {
  return volumePerHour * at.ro / ((1 + at.x) * kSecondsPerHour);
}

double SpecificVolume(const AirState& at) { return (1 + at.x) / at.ro; }

double VolumeFlow(const AirState& at, double massFlow) { return massFlow * SpecificVolume(at) * kSecondsPerHour; }

double PerHour(double perSecond) { return perSecond * kSecondsPerHour; }

}  // namespace vaporel::process
