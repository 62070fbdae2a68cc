#pragma once
// Supply air from a room's loads: the supply state and dry-air flow that take up the room's
// sensible and latent loads and leave at the room's state. The loads are those of a process
// from the supply s into the room r (see loads.hpp): total = m·(h_r − h_s), sensible =
// m·(h(t_r, x_s) − h(t_s, x_s)), latent = total − sensible. The program's enthalpy is linear in
// x, h(t, x) = h(t, 0) + x·h_v(t), so latent = m·(x_r − x_s)·h_v(t_r).

#include <optional>
#include <string>
#include <variant>

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

struct SupplyAir {
  AirState state;
  double massFlow = 0;  // [kg/s of dry air]
};

using SupplyOutcome = std::variant<SupplyAir, ProcessRefusal>;

// The loads [kW] are positive when the room gives heat or moisture to the air. `shown` names
// the supply as the user gave it, for a refusal ("supply air at 13.5 oC").
// At a given supply dry bulb [°C], colder than the room for a positive sensible load, warmer
// for a negative one: x_s and m in closed form.
SupplyOutcome SupplyAtDryBulb(const AirState& room, double sensible, double latent, double tdb,
                              const std::string& shown, const Formulation& f = DesignFormulation());
// By its dry-air flow m [kg/s]: x_s from the latent load, h_s from the sensible one.
SupplyOutcome SupplyByMassFlow(const AirState& room, double sensible, double latent, double massFlow,
                               const std::string& shown, const Formulation& f = DesignFormulation());
// By its volume flow [m³/h of humid air at the supply]: the dry-air flow whose supply state
// has that volume, found by a bounded iteration.
SupplyOutcome SupplyByVolumeFlow(const AirState& room, double sensible, double latent, double volumePerHour,
                                 const std::string& shown, const Formulation& f = DesignFormulation());

// The point [tdb °C, x kg/kg] where the line from (tdb0, x0) through (tdb1, x1), beyond the
// latter, meets saturation at p [bar]: a room's condition line through its supply; none
// where it does not between -50 °C and the boiling point.
struct ChartPoint {
  double tdb = 0, x = 0;
};
std::optional<ChartPoint> SaturationBeyond(double p, ChartPoint from, ChartPoint through,
                                           const Formulation& f = DesignFormulation());

}  // namespace vaporel::process
