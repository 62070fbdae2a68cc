// Input pair 2: dry- and wet-bulb temperature. No iteration: the enthalpy of saturated
// air at twb is the enthalpy of the state.
#include "calculation/messages.hpp"
#include "calculation/pairs.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"

namespace vaporel {

Resolution ResolveDryWetBulb(double p, double tdb, double twb) {
  if (twb > tdb) {
    return Refusal{
        kWetBulbNotBelowDryBulb, {InputField::Pressure, InputField::First, InputField::Second}, InputField::Pressure};
  }
  const double xs = SaturatedAbsHumidity(twb, p);
  AirState s;
  s.p = p;
  s.tdb = tdb;
  s.twb = twb;
  s.h = Enthalpy(twb, xs);
  s.x = AbsHumidityFromEnthalpy(s.h, tdb);
  if (s.x < 0) {
    // twb lies below the lowest wet bulb possible at tdb.
    return Refusal{kWrongDryOrWetBulb, {}, std::nullopt};
  }
  s.ro = Density(s.x, p, tdb);
  const double ps = SatPressure(tdb);
  s.RH = RelativeHumidity(s.x, p, ps);
  s.pv = ps * (s.RH / 100);
  const double pvd = VapourPressure(s.x, p);
  s.tdp = DewPointOrDry(s.RH == 0, pvd);
  return s;
}

}  // namespace vaporel
