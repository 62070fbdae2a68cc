#pragma once
// How closely each input pair solves for the wet bulb: the tolerance on the enthalpy
// residual [kJ/kg] its resolution hands to WetBulb.

#include "calculation/input_pair.hpp"

namespace vaporel {

constexpr double WetBulbTolerance(InputPair pair) {
  switch (pair) {
    case InputPair::DryBulbHumidity: return 1e-10;
    case InputPair::DryBulbEnthalpy: return 1e-06;
    case InputPair::AbsHumidityEnthalpy:
    case InputPair::DryBulbAbsHumidity: return 1e-07;
    case InputPair::DryWetBulb:  // the wet bulb is an input
    case InputPair::None: break;
  }
  return 0;
}

}  // namespace vaporel
