#include "process/resolved.hpp"

#include <cmath>
#include <string>

#include "calculation/formulation_state.hpp"
#include "calculation/pressure_range.hpp"
#include "calculation/resolve_state.hpp"
#include "process/process_messages.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"

namespace vaporel::process {
namespace {

bool Finite(const AirState& s) {
  for (double v : {s.p, s.tdb, s.twb, s.tdp, s.x, s.ro, s.h, s.pv, s.RH}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

Outcome Checked(const Resolution& r) {
  if (const auto* refusal = std::get_if<Refusal>(&r)) {
    return ProcessRefusal{std::string(kProducedState) + refusal->message};
  }
  const AirState& s = std::get<AirState>(r);
  if (!Finite(s)) return ProcessRefusal{std::string(kProducedState) + "a value is not finite"};
  if (!InPressureRange(s.p)) {
    return ProcessRefusal{std::string(kProducedState) + "the pressure lies outside 0.1 to 10 bar"};
  }
  if (!(s.tdb < SatTemperature(s.p))) {
    return ProcessRefusal{std::string(kProducedState) + "its dry bulb is not below the boiling point"};
  }
  if (s.x < 0) return ProcessRefusal{std::string(kProducedState) + "its absolute humidity is negative"};
  return Leaving{s, std::nullopt};
}

}  // namespace

Outcome FromAbsHumidityEnthalpy(double p, double x, double h, const Formulation& f) {
  if (f.id() != FormulationId::Design) return Checked(ResolveIn(f, p, {Property::X, x}, {Property::H, h}));
  return Checked(ResolveState(InputPair::AbsHumidityEnthalpy, p, x, h));
}

Outcome FromDryBulbAbsHumidity(double p, double tdb, double x, const Formulation& f) {
  if (f.id() != FormulationId::Design) return Checked(ResolveIn(f, p, {Property::Tdb, tdb}, {Property::X, x}));
  return Checked(ResolveState(InputPair::DryBulbAbsHumidity, p, tdb, x));
}

Outcome SaturatedAtEnthalpy(double p, double h, const Formulation& f) {
  return Checked(ResolveIn(f, p, {Property::H, h}, {Property::RH, 100}));
}

}  // namespace vaporel::process
