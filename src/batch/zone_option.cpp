#include "batch/zone_option.hpp"

#include <cmath>

#include "batch/batch.hpp"
#include "project/project_file.hpp"

namespace vaporel {

std::variant<Zone, std::string> ZoneNamedOrRead(const std::string& nameOrFile) {
  if (auto known = BuiltInZone(nameOrFile)) return *std::move(known);
  std::string cause;
  const auto text = ReadProjectText(nameOrFile, cause);
  if (!text) {
    std::string known;
    for (const Zone& zone : BuiltInZones()) known += (known.empty() ? "" : ", ") + zone.name;
    return "--zone " + nameOrFile + ": neither a known zone (" + known + ") nor a file that can be read (" + cause +
           ")";
  }
  auto read = ReadZones(*text, nameOrFile);
  if (const auto* error = std::get_if<ProjectError>(&read)) return error->message();
  auto& zones = std::get<std::vector<Zone>>(read);
  if (zones.size() != 1) {
    return "--zone " + nameOrFile + " defines " + std::to_string(zones.size()) + " zones; --zone takes a file with one";
  }
  return std::move(zones.front());
}

std::variant<std::vector<Zone>, std::string> ZonesOfFile(const std::string& file) {
  std::string cause;
  const auto text = ReadProjectText(file, cause);
  if (!text) return "--zones-from " + file + ": cannot be read (" + cause + ")";
  auto read = ReadZones(*text, file);
  if (const auto* error = std::get_if<ProjectError>(&read)) return error->message();
  auto& zones = std::get<std::vector<Zone>>(read);
  if (zones.empty()) return "--zones-from " + file + " defines no zone";
  return std::move(zones);
}

std::string ZoneList(UnitSystem units, const Numbers& numbers) {
  std::string out;
  for (const Zone& zone : BuiltInZones()) {
    std::string bounds;
    for (const ZoneBound& bound : zone.bounds) {
      const Quantity q = QuantityOf(bound.property);
      // To a hundredth, as short as it reads (64.4 oF, not 64.40000000000001).
      const auto text = [&](double v) { return ShortestText(std::round(ToUnits(q, units, v) * 100) / 100, numbers); };
      bounds += (bounds.empty() ? "" : ", ") + std::string(PropertyName(bound.property)) + " ";
      if (bound.min && bound.max) {
        bounds += text(*bound.min) + " to " + text(*bound.max);
      } else {
        bounds += (bound.min ? "at least " + text(*bound.min) : "at most " + text(*bound.max));
      }
      bounds += " " + std::string(UnitName(q, units));
    }
    out += zone.name + "\t" + bounds + "\n";
  }
  return out;
}

}  // namespace vaporel
