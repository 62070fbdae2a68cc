#pragma once
// Writes a project in the file format it is read from: the pressure, the states in order,
// the processes in order, the air flow. Reading what it writes gives the same project.

#include <optional>
#include <string>

#include "project/project.hpp"

namespace vaporel {

std::string ProjectText(const Project& project);

// Writes the project to path whole or not at all; nullopt when written, else the cause.
std::optional<std::string> SaveProject(const std::string& path, const Project& project);

}  // namespace vaporel
