#pragma once
// Why a process is refused, each text once.

#include <string_view>

namespace vaporel::process {

inline constexpr std::string_view kFog = "the mixture lies beyond saturation (fog)";
inline constexpr std::string_view kFractions = "the fractions must be positive and sum to 1";
inline constexpr std::string_view kBelowDewPoint = "cooling below the dew point: use a coil";
inline constexpr std::string_view kNeedsAirFlow = "a power needs an air flow";
inline constexpr std::string_view kBypassRange = "the bypass factor must lie in [0, 1)";
inline constexpr std::string_view kNoDehumidification =
    "the apparatus dew point is not below the entering dew point: no dehumidification";
inline constexpr std::string_view kLeavingNotDrier = "the leaving state is not drier than the entering one";
inline constexpr std::string_view kNoApparatusDewPoint =
    "the line through the entering and leaving states does not meet saturation";
inline constexpr std::string_view kBeyondSaturation = "the target lies beyond saturation";
inline constexpr std::string_view kLowersHumidity = "the target would lower the humidity";
inline constexpr std::string_view kSteamTarget = "steam takes a target RH or x";
inline constexpr std::string_view kEfficiencyRange = "the saturation efficiency must lie in (0, 1]";
inline constexpr std::string_view kProducedState = "the state it produces is not a state of humid air: ";

}  // namespace vaporel::process
