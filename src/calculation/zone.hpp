#pragma once
// A zone: a named region of the chart bounded by minimum and maximum values of any of tdb,
// twb, tdp, x, h and RH, such as a comfort zone or the envelope recommended for rooms of
// data-processing equipment. Bounds are SI, like every state.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/air_state.hpp"
#include "calculation/any_pair.hpp"

namespace vaporel {

struct ZoneBound {
  Property property;
  std::optional<double> min, max;
};

struct Zone {
  std::string name;
  std::vector<ZoneBound> bounds;
};

// The state lies within every bound (bounds inclusive).
bool InZone(const Zone& zone, const AirState& state);

// The value a bound constrains, read from a state.
double ValueOf(Property property, const AirState& state);

// The zones the program knows by name, in SI: the envelopes of the data-centre thermal
// guidelines (4th edition): "datacenter-recommended" (dry bulb 18 to 27 °C, dew point -9 to
// 15 °C, RH at most 60 %) and the allowable ones of classes A1 to A4, "datacenter-a1" ...
// "datacenter-a4". Where a zone bounds both the dew point and RH from below, the higher one
// holds (every bound must be met).
const std::vector<Zone>& BuiltInZones();
std::optional<Zone> BuiltInZone(std::string_view name);

}  // namespace vaporel
