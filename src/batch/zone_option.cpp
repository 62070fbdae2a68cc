#include "batch/zone_option.hpp"

#include "project/project_file.hpp"

namespace vaporel {

std::variant<Zone, std::string> ZoneNamedOrRead(const std::string& nameOrFile) {
  if (auto known = BuiltInZone(nameOrFile)) return *std::move(known);
  std::string cause;
  const auto text = ReadProjectText(nameOrFile, cause);
  if (!text) {
    return "--zone " + nameOrFile + ": neither a known zone (datacenter-recommended) nor a file that can be read (" +
           cause + ")";
  }
  auto read = ReadZones(*text, nameOrFile);
  if (const auto* error = std::get_if<ProjectError>(&read)) return error->message();
  auto& zones = std::get<std::vector<Zone>>(read);
  if (zones.size() != 1) {
    return "--zone " + nameOrFile + " defines " + std::to_string(zones.size()) + " zones; --zone takes a file with one";
  }
  return std::move(zones.front());
}

}  // namespace vaporel
