// Input pair 5: dry-bulb temperature and absolute humidity.
#include "calculation/boundary_values.hpp"
#include "calculation/messages.hpp"
#include "calculation/pairs.hpp"
#include "calculation/wet_bulb_tolerance.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"
#include "properties/wet_bulb.hpp"

namespace vaporel {

Resolution ResolveDryBulbAbsHumidity(double p, double tdb, double x) {
  // Checked against a freshly computed xmax: tdb may have changed since x was accepted.
  // SatPressure(tdb) once: xmax, the relative humidity and the wet bulb's upper end use it.
  const double ps = SatPressure(tdb);
  const double xmax = AbsHumidityAt(ps, 100, p);
  if (x > xmax) {
    return Refusal{kAbsHumidityNotBelowMax, {InputField::Second}, InputField::Second};
  }
  AirState s;
  s.p = p;
  s.tdb = tdb;
  s.x = x;
  s.h = Enthalpy(tdb, x);
  const double pvd = p * (x / (x + kMolarMassRatio));
  s.tdp = DewPointOrDry(x == 0, pvd);
  s.RH = RelativeHumidity(x, p, ps);
  s.ro = Density(x, p, tdb);
  s.pv = ps * (s.RH / 100);
  // No shortcut for saturated air: at x = xmax the iteration ends after its first step.
  s.twb = WetBulb(s.tdp, tdb, s.h, p, WetBulbTolerance(InputPair::DryBulbAbsHumidity), xmax);
  return s;
}

}  // namespace vaporel
