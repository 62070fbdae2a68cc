#include "batch/project_mode.hpp"

#include <cstdio>

#include "project/project_file.hpp"
#include "project/project_units.hpp"

namespace vaporel {
namespace {

constexpr int kRefused = 1;
constexpr int kMalformed = 2;

}  // namespace

int RunProject(const std::string& path, bool json, const std::optional<ChartRequest>& chart, const Numbers& numbers,
               std::optional<UnitSystem> unitsAsked, const Formulation* formulationAsked) {
  std::string cause;
  const auto text = ReadProjectText(path, cause);
  if (!text) {
    std::fprintf(stderr, "vaporel-calc: %s: cannot be read (%s)\n", path.c_str(), cause.c_str());
    return kMalformed;
  }
  const auto read = ReadProject(*text, path);
  if (const auto* error = std::get_if<ProjectError>(&read)) {
    std::fprintf(stderr, "%s\n", error->message().c_str());
    return kMalformed;
  }
  Project input = std::get<Project>(read);
  if (formulationAsked != nullptr) input.formulation = formulationAsked->id();
  const auto solved = SolveProject(input, path);
  if (const auto* refusal = std::get_if<ProjectError>(&solved)) {
    std::fprintf(stderr, "%s\n", refusal->message().c_str());
    return kRefused;
  }
  const SolvedProject& project = std::get<SolvedProject>(solved);
  const UnitSystem units = unitsAsked.value_or(project.units);
  if (chart) {
    ChartRequest drawn = *chart;
    drawn.units = units;
    drawn.zones = InSi(input).zones;
    if (!WriteProjectChart(drawn, project, numbers)) return kRefused;
  }
  std::string out = json ? ProjectJson(project, units, !input.zones.empty()) : ProjectTables(project, numbers, units);
  if (!json && project.formulation != FormulationId::Design) out.insert(0, "formulation ashrae\n");
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace vaporel
