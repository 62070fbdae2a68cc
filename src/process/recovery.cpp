#include "process/recovery.hpp"

#include <algorithm>

#include "process/resolved.hpp"

namespace vaporel::process {

RecoveryOutcome Recover(const AirState& supplyIn, const AirState& exhaustIn, double sensibleEffectiveness,
                        double latentEffectiveness, double supplyFlow, double exhaustFlow, const Formulation& f) {
  const double r = std::min(supplyFlow, exhaustFlow) / supplyFlow;
  const double tdb = supplyIn.tdb + sensibleEffectiveness * r * (exhaustIn.tdb - supplyIn.tdb);
  const double x = supplyIn.x + latentEffectiveness * r * (exhaustIn.x - supplyIn.x);
  if (x > f.saturatedHumidity(tdb, supplyIn.p)) {
    return ProcessRefusal{
        "the supply side would lie beyond saturation: the latent effectiveness is too high for the "
        "sensible one at these states"};
  }
  const Outcome supply = FromDryBulbAbsHumidity(supplyIn.p, tdb, x, f);
  if (const auto* refusal = std::get_if<ProcessRefusal>(&supply)) return *refusal;
  Recovered out;
  out.supply = std::get<Leaving>(supply).state;
  const double ratio = supplyFlow / exhaustFlow;
  const double exhaustX = exhaustIn.x - ratio * (out.supply.x - supplyIn.x);
  const double exhaustH = exhaustIn.h - ratio * (out.supply.h - supplyIn.h);
  // Beyond saturation at the dry bulb of its x and h, it leaves saturated at h.
  if (exhaustX > f.saturatedHumidity(f.dryBulb(exhaustX, exhaustH), exhaustIn.p)) {
    const Outcome saturated = SaturatedAtEnthalpy(exhaustIn.p, exhaustH, f);
    if (const auto* refusal = std::get_if<ProcessRefusal>(&saturated)) return *refusal;
    const AirState& wet = std::get<Leaving>(saturated).state;
    out.exhaust = wet;
    out.condensate = std::max(0.0, exhaustX - wet.x);
    out.frost = wet.tdb < 0;
    return out;
  }
  const Outcome exhaust = FromAbsHumidityEnthalpy(exhaustIn.p, exhaustX, exhaustH, f);
  if (const auto* refusal = std::get_if<ProcessRefusal>(&exhaust)) return *refusal;
  out.exhaust = std::get<Leaving>(exhaust).state;
  return out;
}

}  // namespace vaporel::process
