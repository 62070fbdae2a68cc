#pragma once
// --zone NAME|FILE: a zone the program knows by name, or the one zone a file defines
// ([zones.NAME], laid out as in a project file).

#include <string>
#include <variant>

#include "calculation/zone.hpp"

namespace vaporel {

// The zone, or the usage problem to report.
std::variant<Zone, std::string> ZoneNamedOrRead(const std::string& nameOrFile);

}  // namespace vaporel
