// Any bytes as a project file (and as a zone file): a project or a located message, never a
// crash; a project solves or is refused by name, and what the writer makes of it reads back
// as the same text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "project/project_reader.hpp"
#include "project/project_writer.hpp"
#include "project/solve_project.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The same text as a zone file (vaporel-calc --zone FILE): zones or a located message.
  const auto zones = vaporel::ReadZones(text, "zones.toml");
  if (const auto* error = std::get_if<vaporel::ProjectError>(&zones);
      error && error->message.rfind("zones.toml:", 0) != 0) {
    std::abort();
  }
  const auto read = vaporel::ReadProject(text, "fuzz.toml");
  if (const auto* error = std::get_if<vaporel::ProjectError>(&read)) {
    if (error->message.rfind("fuzz.toml:", 0) != 0) std::abort();  // every message is located
    return 0;
  }
  const vaporel::Project& project = std::get<vaporel::Project>(read);
  const std::string written = vaporel::ProjectText(project);
  const auto again = vaporel::ReadProject(written, "written.toml");
  if (!std::holds_alternative<vaporel::Project>(again)) std::abort();
  if (vaporel::ProjectText(std::get<vaporel::Project>(again)) != written) std::abort();
  // Solving is dear (every state resolved): projects of a few processes are solved.
  if (project.processes.size() <= 8) (void)vaporel::SolveProject(project, "fuzz.toml");
  return 0;
}
