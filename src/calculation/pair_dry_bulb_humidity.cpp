// Input pair 1: dry-bulb temperature and relative humidity.
#include "calculation/pairs.hpp"
#include "calculation/wet_bulb_tolerance.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/shared_relations.hpp"
#include "properties/wet_bulb.hpp"

namespace vaporel {

Resolution ResolveDryBulbHumidity(double p, double tdb, double RH) {
  AirState s;
  s.p = p;
  s.tdb = tdb;
  s.RH = RH;
  // SatPressure(tdb) once: the humidity, the vapour pressure and the wet bulb's upper end use it.
  const double ps = SatPressure(tdb);
  s.x = AbsHumidityAt(ps, RH, p);
  s.h = Enthalpy(tdb, s.x);
  s.pv = ps * (RH / 100);
  const double pvd = VapourPressure(s.x, p);
  s.ro = Density(s.x, p, tdb);
  s.tdp = DewPointOrDry(RH == 0, pvd);
  if (RH == 100) {
    // Saturated air: no iteration, and the dew point is the dry bulb itself.
    s.twb = tdb;
    s.tdp = tdb;
  } else {
    s.twb = WetBulb(s.tdp, tdb, s.h, p, WetBulbTolerance(InputPair::DryBulbHumidity), AbsHumidityAt(ps, 100, p));
  }
  return s;
}

}  // namespace vaporel
