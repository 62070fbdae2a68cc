#include "process/space.hpp"

#include <cmath>

#include "calculation/bisection.hpp"
#include "process/loads.hpp"
#include "process/resolved.hpp"
#include "properties/saturation.hpp"

namespace vaporel::process {
namespace {

// Iterations of the volume flow's search; each brings the flow closer by the small factor
// by which the supply's density follows its flow.
constexpr int kVolumeIterations = 100;
constexpr double kFlowTolerance = 1e-13;

ProcessRefusal TooMuchLatent(const std::string& shown) {
  return {"the latent load is too large for " + shown + " (its absolute humidity would be negative)"};
}
ProcessRefusal TooLittleLatent(const std::string& shown) {
  return {"the latent load is too small for " + shown + ": the supply would lie beyond saturation"};
}

// The supply at x and h, refused below x = 0 or beyond saturation.
SupplyOutcome SupplyAt(const AirState& room, double x, double h, double massFlow, const std::string& shown,
                       const Formulation& f) {
  if (x < 0) return TooMuchLatent(shown);
  const Outcome out = FromAbsHumidityEnthalpy(room.p, x, h, f);
  if (const auto* refusal = std::get_if<ProcessRefusal>(&out)) return *refusal;
  const AirState& supply = std::get<Leaving>(out).state;
  if (x > f.saturatedHumidity(supply.tdb, room.p)) return TooLittleLatent(shown);
  return SupplyAir{supply, massFlow};
}

}  // namespace

SupplyOutcome SupplyAtDryBulb(const AirState& room, double sensible, double latent, double tdb,
                              const std::string& shown, const Formulation& f) {
  if (sensible == 0) {
    return ProcessRefusal{
        "without a sensible load the supply is at the room's dry bulb: give \"supply_mass\" or "
        "\"supply_volume\""};
  }
  if (sensible > 0 && !(tdb < room.tdb)) {
    return ProcessRefusal{"for a positive sensible load the supply must be colder than the room"};
  }
  if (sensible < 0 && !(tdb > room.tdb)) {
    return ProcessRefusal{"for a negative sensible load the supply must be warmer than the room"};
  }
  const double vapourAtRoom = f.vapourEnthalpy(room.tdb);
  const double perKgAtRoomX = f.enthalpy(room.tdb, room.x) - f.enthalpy(tdb, room.x);
  const double vapourChange = f.vapourEnthalpy(room.tdb) - f.vapourEnthalpy(tdb);
  const double m = (sensible + vapourChange * latent / vapourAtRoom) / perKgAtRoomX;
  if (!(m > 0) || !std::isfinite(m)) return ProcessRefusal{"the loads give no positive flow of " + shown};
  const double x = room.x - latent / (m * vapourAtRoom);
  if (x < 0) return TooMuchLatent(shown);
  if (x > f.saturatedHumidity(tdb, room.p)) return TooLittleLatent(shown);
  const Outcome out = FromDryBulbAbsHumidity(room.p, tdb, x, f);
  if (const auto* refusal = std::get_if<ProcessRefusal>(&out)) return *refusal;
  return SupplyAir{std::get<Leaving>(out).state, m};
}

SupplyOutcome SupplyByMassFlow(const AirState& room, double sensible, double latent, double massFlow,
                               const std::string& shown, const Formulation& f) {
  const double x = room.x - latent / (massFlow * f.vapourEnthalpy(room.tdb));
  const double h = f.enthalpy(room.tdb, x) - sensible / massFlow;
  return SupplyAt(room, x, h, massFlow, shown, f);
}

SupplyOutcome SupplyByVolumeFlow(const AirState& room, double sensible, double latent, double volumePerHour,
                                 const std::string& shown, const Formulation& f) {
  double m = DryAirMassFlow(room, volumePerHour);
  for (int i = 0; i < kVolumeIterations; ++i) {
    SupplyOutcome supply = SupplyByMassFlow(room, sensible, latent, m, shown, f);
    const auto* air = std::get_if<SupplyAir>(&supply);
    if (!air) return supply;
    const double next = DryAirMassFlow(air->state, volumePerHour);
    if (std::fabs(next - m) <= kFlowTolerance * m) return supply;
    m = next;
  }
  return ProcessRefusal{"no supply state takes up these loads at " + shown};
}

std::optional<ChartPoint> SaturationBeyond(double p, ChartPoint from, ChartPoint through, const Formulation& f) {
  constexpr double kLowest = -50;
  const double highest = SatTemperature(p);
  const double dt = through.tdb - from.tdb, dx = through.x - from.x;
  const auto at = [&](double k) { return ChartPoint{from.tdb + k * dt, from.x + k * dx}; };
  // How far along the line it may run: within the temperatures, at x >= 0.
  double far = 1e6;
  if (dt < 0) far = std::fmin(far, (kLowest - from.tdb) / dt);
  if (dt > 0) far = std::fmin(far, (highest - from.tdb) / dt);
  if (dx < 0) far = std::fmin(far, -from.x / dx);
  const auto wetness = [&](double k) {
    const ChartPoint q = at(k);
    return q.x - f.saturatedHumidity(q.tdb, p);
  };
  if (!(far > 1) || !(wetness(1) < 0) || !(wetness(far) >= 0)) return std::nullopt;
  return at(Narrow(wetness, 0, 1, far).hi);
}

}  // namespace vaporel::process
