#pragma once
// A project file on disk: its text read whole (16 MB at most, a project is a page of text).

#include <optional>
#include <string>
#include <variant>

#include "project/project_reader.hpp"

namespace vaporel {

// The file's text, or nullopt with the cause ("No such file or directory").
std::optional<std::string> ReadProjectText(const std::string& path, std::string& cause);

// The file read and parsed: the project, or "PATH: cannot be read (cause)" or the located
// message of ReadProject.
std::variant<Project, ProjectError> ReadProjectFile(const std::string& path);

}  // namespace vaporel
