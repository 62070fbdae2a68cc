#include "process/sensible.hpp"

#include <string>

#include "process/process_messages.hpp"
#include "process/resolved.hpp"

namespace vaporel::process {
namespace {

Outcome AboveDewPoint(const AirState& in, Outcome out) {
  if (const auto* leaving = std::get_if<Leaving>(&out); leaving && leaving->state.tdb < in.tdp) {
    return ProcessRefusal{std::string(kBelowDewPoint)};
  }
  return out;
}

}  // namespace

Outcome HeatToDryBulb(const AirState& in, double tdb, const Formulation& f) {
  if (tdb < in.tdp) return ProcessRefusal{std::string(kBelowDewPoint)};
  return FromDryBulbAbsHumidity(in.p, tdb, in.x, f);
}

Outcome HeatByPower(const AirState& in, double kW, double massFlow, const Formulation& f) {
  if (!(massFlow > 0)) return ProcessRefusal{std::string(kNeedsAirFlow)};
  return AboveDewPoint(in, FromAbsHumidityEnthalpy(in.p, in.x, in.h + kW / massFlow, f));
}

}  // namespace vaporel::process
