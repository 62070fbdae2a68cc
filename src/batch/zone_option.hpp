#pragma once
// --zone NAME|FILE: a zone the program knows by name, or the one zone a file defines
// ([zones.NAME], laid out as in a project file).

#include <string>
#include <variant>
#include <vector>

#include "calculation/zone.hpp"
#include "numbers/numbers.hpp"
#include "units/units.hpp"

namespace vaporel {

// The zone, or the usage problem to report.
std::variant<Zone, std::string> ZoneNamedOrRead(const std::string& nameOrFile);

// --zones-from FILE: every zone a project or zone file defines (SI), or the problem to report.
std::variant<std::vector<Zone>, std::string> ZonesOfFile(const std::string& file);

// --zones: the zones the program knows, one a line: "NAME<TAB>tdb 18 to 27 oC, ...".
std::string ZoneList(UnitSystem units, const Numbers& numbers);

}  // namespace vaporel
