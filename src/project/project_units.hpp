#pragma once
// A project as its file states it, in its own units, and the same project in SI, the system
// every state is solved in.

#include "project/project.hpp"

namespace vaporel {

// Every value converted from project.units to SI (the pressure, the altitude, the states, the
// processes' figures, the air flow, the zones' bounds), the pressure taken from the altitude
// where the file gives one, and each zone named only given the known zone's bounds.
Project InSi(const Project& asRead);

// A process's or an air flow's figures given in `from` units, in `to` units; unchanged when
// the two are the same.
ProcessInput ProcessInUnits(ProcessInput process, UnitSystem from, UnitSystem to);
AirFlowInput AirFlowInUnits(AirFlowInput flow, UnitSystem from, UnitSystem to);

}  // namespace vaporel
