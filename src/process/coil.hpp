#pragma once
// The cooling and dehumidifying coil: the leaving state lies on the straight line in (x, h)
// between the entering state and saturated air at the apparatus dew point.

#include "process/outcome.hpp"
#include "properties/formulation.hpp"

namespace vaporel::process {

// A bypass factor the coil takes: 0 (every particle touches the coil) up to, not including, 1.
inline bool BypassInRange(double bypass) { return bypass >= 0 && bypass < 1; }

// Given the apparatus dew point adp [°C], below the entering dew point, and the bypass
// factor in [0, 1): x_out = bypass·x_in + (1 − bypass)·x_adp, and h likewise.
Outcome CoilByApparatusDewPoint(const AirState& in, double adp, double bypass,
                                const Formulation& f = DesignFormulation());

// Given the leaving state (drier than the entering one): the apparatus dew point is where the
// line from the entering through the leaving state, extended, first meets saturation beyond
// the leaving state, and the bypass factor follows.
Outcome CoilToLeaving(const AirState& in, const AirState& leaving, const Formulation& f = DesignFormulation());

}  // namespace vaporel::process
