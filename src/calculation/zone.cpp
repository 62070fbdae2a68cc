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

const std::vector<Zone>& BuiltInZones() {
  // The data-centre thermal guidelines, 4th edition: the recommended envelope (classes A1 to
  // A4) and each class's allowable one, by dry bulb, dew point and RH.
  static const std::vector<Zone> zones = {
      {"datacenter-recommended",
       {{Property::Tdb, 18.0, 27.0}, {Property::Tdp, -9.0, 15.0}, {Property::RH, std::nullopt, 60.0}}},
      {"datacenter-a1", {{Property::Tdb, 15.0, 32.0}, {Property::Tdp, -12.0, 17.0}, {Property::RH, 8.0, 80.0}}},
      {"datacenter-a2", {{Property::Tdb, 10.0, 35.0}, {Property::Tdp, -12.0, 21.0}, {Property::RH, 8.0, 80.0}}},
      {"datacenter-a3", {{Property::Tdb, 5.0, 40.0}, {Property::Tdp, -12.0, 24.0}, {Property::RH, 8.0, 85.0}}},
      {"datacenter-a4", {{Property::Tdb, 5.0, 45.0}, {Property::Tdp, -12.0, 24.0}, {Property::RH, 8.0, 90.0}}},
  };
  return zones;
}

std::optional<Zone> BuiltInZone(std::string_view name) {
  for (const Zone& zone : BuiltInZones()) {
    if (zone.name == name) return zone;
  }
  return std::nullopt;
}

}  // namespace vaporel
