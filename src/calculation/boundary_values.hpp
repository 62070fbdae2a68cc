#pragma once
// The limits the boundary values panel shows for the pressure and input pair in force.
// Pure functions; the panel holds them only as texts in these patterns.

#include <string_view>

#include "calculation/input_pair.hpp"

namespace vaporel {

inline constexpr std::string_view kTdbmaxPattern = "##0.0";     // Label12
inline constexpr std::string_view kTwbminPattern = "##0.0";     // Label19, pair 2
inline constexpr std::string_view kEnthalpyPattern = "###0.0";  // Label19 / Label21, pairs 3 and 4
inline constexpr std::string_view kXmaxPattern = "0.00000";     // Label19, pair 5

// tdbmax [°C]: 0.9 · SatTemperature(p) for pair 1, SatTemperature(p) for the others.
double MaxDryBulb(InputPair pair, double p);

// twbmin [°C]: stepping down from tdb by 0.1 until saturated air is no richer than dry air at tdb.
// The step found is the walk's own, searched for with far fewer evaluations.
double MinWetBulb(double tdb, double p);
// The same by the plain walk, one evaluation per step: the reference the search is held to,
// and its fallback where the search's premise is not established.
double MinWetBulbByWalk(double tdb, double p);

struct EnthalpyRange {
  double hmin;  // [kJ/kg]
  double hmax;  // [kJ/kg]
};

// Pair 3's panel: hmin = Enthalpy(tdb, 0), hmax at 95 % relative humidity.
EnthalpyRange DryBulbEnthalpyRange(double tdb, double p);
// Pair 3's field check: from dry air to saturated air at tdb.
EnthalpyRange SaturatedEnthalpyRange(double tdb, double p);
// Pair 4: hmax = Enthalpy(tdbmax, x); hmin = enthalpy at the dew point (-273 for x = 0).
EnthalpyRange AbsHumidityEnthalpyRange(double x, double p, double tdbmaxShown);

// xmax [kg/kg]: saturated air at tdb and p.
double MaxAbsHumidity(double tdb, double p);

}  // namespace vaporel
