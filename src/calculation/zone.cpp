#include "calculation/zone.hpp"

namespace vaporel {

double ValueOf(Property property, const AirState& state) {
  switch (property) {
    case Property::Tdb: return state.tdb;
    case Property::Twb: return state.twb;
    case Property::Tdp: return state.tdp;
    case Property::X: return state.x;
    case Property::H: return state.h;
    case Property::RH: return state.RH;
  }
  return state.tdb;
}

bool InZone(const Zone& zone, const AirState& state) {
  for (const ZoneBound& bound : zone.bounds) {
    const double value = ValueOf(bound.property, state);
    // Written so that a NaN lies outside every zone.
    if (bound.min && !(value >= *bound.min)) return false;
    if (bound.max && !(value <= *bound.max)) return false;
  }
  return true;
}

std::optional<Zone> BuiltInZone(std::string_view name) {
  // The recommended envelope for data-processing environments (classes A1 to A4).
  if (name == "datacenter-recommended") {
    return Zone{std::string(name),
                {{Property::Tdb, 18.0, 27.0}, {Property::Tdp, -9.0, 15.0}, {Property::RH, std::nullopt, 60.0}}};
  }
  return std::nullopt;
}

}  // namespace vaporel
