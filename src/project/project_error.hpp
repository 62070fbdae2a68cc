#pragma once
// What is wrong with a project, as a value: where in its file (when it has one) and the cause.
// It is formatted once, where it is shown.

#include <optional>
#include <string>

#include "project/project.hpp"

namespace vaporel {

struct ProjectError {
  std::string file;                // the file's name; empty for a project made in the desktop
  std::optional<FilePosition> at;  // where the cause stands, when the project has a file
  std::string cause;

  // "FILE:LINE:COLUMN: cause", "FILE: cause", or the cause alone.
  std::string message() const {
    if (file.empty()) return cause;
    if (!at) return file + ": " + cause;
    return file + ":" + std::to_string(at->line) + ":" + std::to_string(at->column) + ": " + cause;
  }
};

}  // namespace vaporel
