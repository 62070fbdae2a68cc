#pragma once
// A year of weather as a file gives it: where, the sizing conditions its header carries, and
// its hours, each a state of humid air or the reason it was refused.

#include <optional>
#include <string>
#include <vector>

#include "calculation/air_state.hpp"

namespace vaporel {

struct WeatherLocation {
  std::string name, region, country;
  std::optional<double> latitude, longitude, timeZone;  // [°], [°], [h from UTC]
  std::optional<double> elevation;                      // [m]
};

// "Chicago Ohare Intl Ap, IL, USA": the parts the file names.
inline std::string LocationText(const WeatherLocation& l) {
  std::string out = l.name;
  for (const std::string* part : {&l.region, &l.country}) {
    if (!part->empty()) out += (out.empty() ? "" : ", ") + *part;
  }
  return out;
}

// The sizing conditions of a climate (SI: °C, kJ/kg), each where known: heating dry bulbs
// of 99.6 % and 99 %; cooling dry bulbs of 0.4, 1 and 2 % with their mean coincident wet
// bulbs; the 0.4 % dew point with its mean coincident dry bulb; the 0.4 % enthalpy with its
// mean coincident dry bulb.
struct DesignConditions {
  std::optional<double> heatingDb996, heatingDb99;
  std::optional<double> coolingDb04, coolingMcwb04, coolingDb1, coolingMcwb1, coolingDb2, coolingMcwb2;
  std::optional<double> dewPoint04, dewPointMcdb04;
  std::optional<double> enthalpy04, enthalpyMcdb04;
};

struct WeatherHour {
  int line = 0;  // in the file
  int month = 0, day = 0, hour = 0;
  std::optional<AirState> state;
  std::string refusal;  // why there is no state
};

struct WeatherYear {
  WeatherLocation location;
  std::optional<DesignConditions> fileDesign;  // as the header prints it
  std::vector<WeatherHour> hours;
};

}  // namespace vaporel
