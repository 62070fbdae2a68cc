#pragma once
// A state of humid air from any two of tdb, twb, tdp, x, h and RH in a formulation. The
// program's own ("design") is resolved as the program always has (the window's pairs and
// ResolveAnyPair), bit for bit. Any other formulation resolves through its relations alone: the two values reduced
// to the dry bulb and the humidity ratio (in closed form where its relations allow, else by
// bisection on the dry bulb), the rest following from those two. Under the thermodynamic wet
// bulb twb and h fix a state; tdp and x never do.

#include "calculation/any_pair.hpp"
#include "properties/formulation.hpp"

namespace vaporel {

Resolution ResolveIn(const Formulation& formulation, double p, Given a, Given b);

}  // namespace vaporel
