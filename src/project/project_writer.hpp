#pragma once
// Writes a project in the file format it is read from. A project read from a file is written
// as that file's text with only what was edited rewritten: a changed value on its line, a
// renamed state in its definition and each reference, a removed entry's lines gone, new
// entries appended after their kind's last in the file's own style; comments, blank lines,
// order and the spelling of every unchanged number stay byte for byte. A project made by hand
// is written in the program's own layout. Reading what it writes gives the same project.

#include <optional>
#include <string>

#include "project/project.hpp"

namespace vaporel {

std::string ProjectText(const Project& project);

// The project in the program's own layout, whatever text it was read from.
std::string NewProjectText(const Project& project);

// Writes the project to path whole or not at all; nullopt when written, else the cause.
std::optional<std::string> SaveProject(const std::string& path, const Project& project);

}  // namespace vaporel
