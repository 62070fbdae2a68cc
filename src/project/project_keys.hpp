#pragma once
// The keys each table of a project file may hold.

#include <array>
#include <span>
#include <string_view>

#include "project/project.hpp"

namespace vaporel {

// How far a mix's fractions may stray from summing to 1.
inline constexpr double kFractionSumTolerance = 1e-9;

inline constexpr std::array<std::string_view, 7> kProjectKeys = {"units",     "pressure", "altitude", "states",
                                                                 "processes", "airflow",  "zones"};
// In the order of Property.
inline constexpr std::array<std::string_view, 6> kStateKeys = {"tdb", "twb", "tdp", "x", "h", "RH"};
// A zone's bounds: "tdb_min", "tdb_max", ... in the order of Property.
inline constexpr std::array<std::string_view, 12> kZoneKeys = {"tdb_min", "tdb_max", "twb_min", "twb_max",
                                                               "tdp_min", "tdp_max", "x_min",   "x_max",
                                                               "h_min",   "h_max",   "RH_min",  "RH_max"};
inline constexpr std::array<std::string_view, 3> kAirFlowKeys = {"state", "volume", "mass"};
inline constexpr std::array<std::string_view, 3> kMixKeys = {"mix", "fractions", "into"};
inline constexpr std::array<std::string_view, 4> kHeatKeys = {"heat", "tdb", "power", "into"};
inline constexpr std::array<std::string_view, 7> kCoilKeys = {"coil", "adp", "bypass", "tdb", "RH", "x", "into"};
inline constexpr std::array<std::string_view, 8> kHumidifyKeys = {
    "humidify", "method", "RH", "x", "tdb", "efficiency", "steam_temperature", "into"};

inline std::span<const std::string_view> KeysOf(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Mix: return kMixKeys;
    case ProcessKind::Coil: return kCoilKeys;
    case ProcessKind::Humidify: return kHumidifyKeys;
    case ProcessKind::Heat: break;
  }
  return kHeatKeys;
}

}  // namespace vaporel
