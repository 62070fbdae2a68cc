// Input pairs 3 (dry-bulb temperature and enthalpy) and 4 (absolute humidity and enthalpy).
#include <cmath>

#include "calculation/pairs.hpp"
#include "calculation/wet_bulb_tolerance.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"
#include "properties/wet_bulb.hpp"

namespace vaporel {

Resolution ResolveDryBulbEnthalpy(double p, double tdb, double h) {
  AirState s;
  s.p = p;
  s.tdb = tdb;
  const double hd = Enthalpy(tdb, 0);
  // An enthalpy at or below that of dry air is raised by 0.1 % of the dry-air value.
  // The raise is taken on |hd|: below 0 °C hd is negative, and 1.001 · hd would lower h
  // below dry air and give a negative humidity.
  s.h = hd >= h ? hd + 0.001 * std::abs(hd) : h;
  s.x = AbsHumidityFromEnthalpy(s.h, tdb);
  const double ps = SatPressure(tdb);
  s.RH = RelativeHumidity(s.x, p, ps);
  s.ro = Density(s.x, p, tdb);
  s.pv = ps * (s.RH / 100);
  const double pvd = VapourPressure(s.x, p);
  s.tdp = DewPointOrDry(s.RH == 0, pvd);
  if (s.RH == 100) {
    s.twb = tdb;
    s.tdp = tdb;
  } else {
    s.twb = WetBulb(s.tdp, tdb, s.h, p, WetBulbTolerance(InputPair::DryBulbEnthalpy), AbsHumidityAt(ps, 100, p));
  }
  return s;
}

Resolution ResolveAbsHumidityEnthalpy(double p, double x, double h) {
  AirState s;
  s.p = p;
  s.x = x;
  s.h = h;
  const double pvd = p * (x / (x + kMolarMassRatio));
  s.tdp = DewPointOrDry(x == 0, pvd);
  s.tdb = DryBulbFromAbsHumidityEnthalpy(x, h);
  const double ps = SatPressure(s.tdb);
  s.RH = RelativeHumidity(x, p, ps);
  s.ro = Density(x, p, s.tdb);
  s.pv = ps * (s.RH / 100);
  // No shortcut for saturated air: the iteration runs and tdp keeps the correlation's value.
  s.twb = WetBulb(s.tdp, s.tdb, h, p, WetBulbTolerance(InputPair::AbsHumidityEnthalpy), AbsHumidityAt(ps, 100, p));
  return s;
}

}  // namespace vaporel
