#pragma once
// The one check of a project's rules beyond its file's syntax: the pressure or altitude in
// range, each state by a pair that fixes one, each name defined once and before it is used,
// each process's figures (a mix's fractions, a heater's one target, a coil's two ways and its
// bypass, a humidifier's method and target), the air flow. The reader runs it on what it read,
// the worksheet on each edit; its position is where the file gives the cause, if it does.

#include <optional>

#include "project/project.hpp"
#include "project/project_error.hpp"

namespace vaporel {

// The first rule the project breaks, in the order of its file, or nullopt.
std::optional<ProjectError> CheckProject(const Project& project);

}  // namespace vaporel
