#pragma once
// What the printed table of saturated air holds beyond the ideal-gas equations: the enhancement
// factor. The reference formulation itself is the program's "ashrae" formulation
// (properties/formulation.hpp), one copy for the program and this tool.

namespace vaporel::reference {

// Enhancement factor of water vapour in air at t [°C] and p [bar]: how much more vapour air
// holds at saturation than the pure vapour pressure says (Buck 1981: over water from 0 °C,
// over ice below).
double EnhancementFactor(double t, double p);

}  // namespace vaporel::reference
