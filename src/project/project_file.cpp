#include "project/project_file.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace vaporel {
namespace {

// A project is a page of text; anything larger is not one.
constexpr std::streamoff kLargestProject = 16 << 20;

}  // namespace

std::optional<std::string> ReadProjectText(const std::string& path, std::string& cause) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    cause = std::strerror(errno);
    return std::nullopt;
  }
  in.seekg(0, std::ios::end);
  if (in.tellg() > kLargestProject) {
    cause = "larger than 16 MB, not a project";
    return std::nullopt;
  }
  in.seekg(0);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::variant<Project, ProjectError> ReadProjectFile(const std::string& path) {
  std::string cause;
  const auto text = ReadProjectText(path, cause);
  if (!text) return ProjectError{path, std::nullopt, "cannot be read (" + cause + ")"};
  return ReadProject(*text, path);
}

}  // namespace vaporel
