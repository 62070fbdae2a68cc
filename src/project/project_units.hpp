#pragma once
// A project's values between its file's units and SI, the system every state is solved in.

#include "project/project.hpp"

namespace vaporel {

// Every value read in project.units, converted to SI in place (the pressure, the altitude,
// the states, the processes' figures, the air flow and the zones' bounds).
void ConvertToSi(Project& project);
// The same project with its values in project.units again, as its file states them.
Project InFileUnits(const Project& project);

}  // namespace vaporel
