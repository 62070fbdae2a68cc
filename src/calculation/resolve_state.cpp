// The Calculate command's dispatch on the input pair, and the guard that keeps a
// non-finite or unphysical number away from the result labels.
#include "calculation/resolve_state.hpp"

#include <cmath>

#include "calculation/messages.hpp"
#include "calculation/pairs.hpp"
#include "properties/constants.hpp"

namespace vaporel {
namespace {

// Inputs the field checks accept can still leave the range where the correlations give a
// number: a temperature at or above the boiling point where saturated air would hold
// infinitely much water, or a negative humidity typed into the batch calculator.

bool IsShowable(const AirState& s) {
  for (double v : {s.p, s.tdb, s.twb, s.tdp, s.x, s.ro, s.h, s.pv, s.RH}) {
    if (!std::isfinite(v)) {
      return false;
    }
  }
  // The thermophysical properties are finite for any such state (the mixing rules divide
  // by 1 + x and by x only when pv > 0; the fits are positive from -273 °C upward).
  return s.x >= 0 && s.pv >= 0 && s.tdb > -kKelvinOffset;
}

}  // namespace

Resolution ResolveState(InputPair pair, double p, double first, double second) {
  Resolution resolution;
  switch (pair) {
    case InputPair::DryBulbHumidity: resolution = ResolveDryBulbHumidity(p, first, second); break;
    case InputPair::DryWetBulb: resolution = ResolveDryWetBulb(p, first, second); break;
    case InputPair::DryBulbEnthalpy: resolution = ResolveDryBulbEnthalpy(p, first, second); break;
    case InputPair::AbsHumidityEnthalpy: resolution = ResolveAbsHumidityEnthalpy(p, first, second); break;
    case InputPair::DryBulbAbsHumidity: resolution = ResolveDryBulbAbsHumidity(p, first, second); break;
    case InputPair::None: return Refusal{kSelectAPair, {}, std::nullopt};
  }
  if (const auto* state = std::get_if<AirState>(&resolution); state && !IsShowable(*state)) {
    return Refusal{kNoState, {}, std::nullopt};
  }
  return resolution;
}

}  // namespace vaporel
