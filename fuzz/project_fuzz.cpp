// Any bytes as a project file (and as a zone file): a project or a located message, never a
// crash; a project solves or is refused by name; unedited it is written back byte for byte,
// in the program's own layout it reads back as the same text, and edited it still reads.
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
      error && error->message().rfind("zones.toml:", 0) != 0) {
    std::abort();
  }
  const auto read = vaporel::ReadProject(text, "fuzz.toml");
  if (const auto* error = std::get_if<vaporel::ProjectError>(&read)) {
    if (error->message().rfind("fuzz.toml:", 0) != 0) std::abort();  // every message is located
    return 0;
  }
  const vaporel::Project& project = std::get<vaporel::Project>(read);
  // Unedited, the file is written back byte for byte.
  if (vaporel::ProjectText(project) != text) std::abort();
  // In the program's own layout, it reads back as the same project.
  const std::string written = vaporel::NewProjectText(project);
  const auto again = vaporel::ReadProject(written, "written.toml");
  if (!std::holds_alternative<vaporel::Project>(again)) std::abort();
  if (vaporel::NewProjectText(std::get<vaporel::Project>(again)) != written) std::abort();
  // Edited in place (a state renamed, a value changed, a state added), it still reads, with the edits.
  vaporel::Project edited = project;
  edited.states.push_back({"added \u00b0", {vaporel::Property::Tdb, 20}, {vaporel::Property::RH, 50}, {}});
  if (project.states.size() > 1) {
    edited.states.front().name = "renamed \u00df";
    edited.states.front().first.value += 1;
  }
  const auto editedBack = vaporel::ReadProject(vaporel::ProjectText(edited), "edited.toml");
  if (project.processes.empty() && !project.airflow) {
    const auto* back = std::get_if<vaporel::Project>(&editedBack);
    if (!back || back->states.size() != edited.states.size()) std::abort();
    if (back->states.front().name != edited.states.front().name) std::abort();
  }
  // Solving is dear (every state resolved): projects of a few processes are solved.
  if (project.processes.size() <= 8) (void)vaporel::SolveProject(project, "fuzz.toml");
  return 0;
}
