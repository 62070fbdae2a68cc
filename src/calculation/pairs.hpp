#pragma once
// One resolution per input pair; ResolveState dispatches to them.

#include "calculation/resolve_state.hpp"

namespace vaporel {

Resolution ResolveDryBulbHumidity(double p, double tdb, double RH);    // pair 1
Resolution ResolveDryWetBulb(double p, double tdb, double twb);        // pair 2
Resolution ResolveDryBulbEnthalpy(double p, double tdb, double h);     // pair 3
Resolution ResolveAbsHumidityEnthalpy(double p, double x, double h);   // pair 4
Resolution ResolveDryBulbAbsHumidity(double p, double tdb, double x);  // pair 5

}  // namespace vaporel
