#pragma once
// Reads a project file. Whatever the text, the answer is a project or a message naming the
// file, the line and the column and the cause: a syntax error, an unknown or missing key, a
// value of the wrong type or out of range, a name used before it is defined or defined twice.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "project/project.hpp"
#include "project/project_error.hpp"

namespace vaporel {

std::variant<Project, ProjectError> ReadProject(std::string_view text, std::string_view fileName);

// The zones of a file laid out as a project's ([zones.NAME] and, optionally, units); the rest
// of a project in it is not read.
std::variant<std::vector<Zone>, ProjectError> ReadZones(std::string_view text, std::string_view fileName);

}  // namespace vaporel
