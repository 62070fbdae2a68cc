#pragma once
// The wet-bulb temperature: the temperature at which saturated air at the same
// pressure has the enthalpy of the state.

namespace vaporel {

struct WetBulbSolution {
  double twb;       // [°C]
  int evaluations;  // residual evaluations made (each one SatPressure + Enthalpy)
};

// twb [°C] from the lower starting end tdp [°C] (-273 for perfectly dry air), the upper
// end tdb [°C], the state's enthalpy h [kJ/kg], the pressure p [bar] and the tolerance
// on the enthalpy residual [kJ/kg]. Always ends.
double WetBulb(double tdp, double tdb, double h, double p, double tolerance);
WetBulbSolution SolveWetBulb(double tdp, double tdb, double h, double p, double tolerance);
// The same when the humidity of saturated air at tdb, SaturatedAbsHumidity(tdb, p), is already
// at hand: the residual at the upper end is taken from it instead of being evaluated again.
double WetBulb(double tdp, double tdb, double h, double p, double tolerance, double saturatedAtTdb);
WetBulbSolution SolveWetBulb(double tdp, double tdb, double h, double p, double tolerance, double saturatedAtTdb);

}  // namespace vaporel
